#!/usr/bin/env python3
"""Writes the tiny pictures of the mini fixture skin (frame, mask and three numbered pictures).

The pictures are plain bitmap files with the 40-byte info header and bottom-up rows, at the depths
a real skin uses: 8-bit frame and button strip (256 and 59 palette colours), a 4-bit mask, a 1-bit
picture and a 24-bit one. Run it from anywhere; it writes next to itself into mini/.
"""
import os
import struct


def bmp(width, height, bits, palette, pixel):
    """pixel(x, y) gives a palette index, or a (b, g, r) tuple at 24 bits; y counts from the top."""
    stride = (width * bits + 31) // 32 * 4
    rows = []
    for y in range(height - 1, -1, -1):
        row = bytearray()
        if bits == 24:
            for x in range(width):
                row += bytes(pixel(x, y))
        else:
            acc, n = 0, 0
            for x in range(width):
                acc = (acc << bits) | pixel(x, y)
                n += bits
                if n == 8:
                    row.append(acc)
                    acc, n = 0, 0
            if n:
                row.append(acc << (8 - n))
        row += bytes(stride - len(row))
        rows.append(bytes(row))
    pal = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
    offset = 14 + 40 + len(pal)
    image = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(image), 2835, 2835,
                       len(palette), 0)
    head = b"BM" + struct.pack("<IHHI", offset + len(image), 0, 0, offset)
    return head + info + pal + image


def main():
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "mini")
    os.makedirs(out, exist_ok=True)
    grey = [(i, i, i) for i in range(256)]
    ramp = [(i * 4, 255 - i * 4, (i * 37) % 256) for i in range(59)]
    files = {
        # 48 x 32 frame: a border of index 40, a caption band of 200, client of 128.
        "frame.bmp": bmp(48, 32, 8, grey, lambda x, y: 40 if x in (0, 47) or y in (0, 31)
                         else (200 if y < 8 else 128)),
        # 4-bit mask: black (index 0) inside, white (15) in the two top corners.
        "mask.bmp": bmp(48, 32, 4, [(i * 17, i * 17, i * 17) for i in range(16)],
                        lambda x, y: 15 if y < 2 and (x < 2 or x > 45) else 0),
        # Three 10 x 10 button states side by side.
        "buttons.bmp": bmp(30, 10, 8, ramp, lambda x, y: (x // 10) * 20 + (y % 5)),
        "onebit.bmp": bmp(13, 5, 1, [(0, 0, 0), (255, 255, 255)], lambda x, y: (x + y) % 2),
        "truecolor.bmp": bmp(7, 3, 24, [], lambda x, y: (x * 30, y * 80, 255 - x * 30)),
    }
    for name, data in files.items():
        with open(os.path.join(out, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
