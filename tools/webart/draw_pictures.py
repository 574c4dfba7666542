#!/usr/bin/env python3
# Draws the pictures of the shipped web pages (resources/web/*.png): run from the project folder.
import zlib, struct, math
def png(path, w, h, px):  # px(x,y)->(r,g,b,a)
    raw=b''
    for y in range(h):
        raw+=b'\0'+bytes(c for x in range(w) for c in px(x,y))
    def chunk(t,d): return struct.pack('>I',len(d))+t+d+struct.pack('>I',zlib.crc32(t+d)&0xffffffff)
    open(path,'wb').write(b'\x89PNG\r\n\x1a\n'+chunk(b'IHDR',struct.pack('>IIBBBBB',w,h,8,6,0,0,0))+chunk(b'IDAT',zlib.compress(raw,9))+chunk(b'IEND',b''))
def inside_round(x,y,w,h,r):
    cx=min(max(x,r),w-1-r); cy=min(max(y,r),h-1-r)
    d=math.hypot(x-cx,y-cy)
    return max(0.0,min(1.0,r+0.5-d))
BLUE=(47,107,216)
def logo(x,y):
    a=inside_round(x+0.5,y+0.5,48,48,9)
    if a<=0: return (0,0,0,0)
    # vertical gradient
    t=y/47
    r=int(70*(1-t)+36*t); g=int(132*(1-t)+88*t); b=int(232*(1-t)+196*t)
    # white frame of a picture and a mountain
    inner = 10<=x<=37 and 12<=y<=35
    border = inner and (x<=11 or x>=36 or y<=13 or y>=34)
    mountain = 14<=y<=33 and 12<=x<=35 and (y >= 33 - (x-12)*1.1 and y >= 33-(35-x)*1.3) and y>=20
    sun = math.hypot(x-29,y-19)<=3
    if border or mountain or sun: r,g,b=(255,255,255)
    return (r,g,b,int(a*255))
png('resources/web/logo.png',48,48,logo)
def badge(x,y):  # small 16x16 download arrow icon
    a=inside_round(x+0.5,y+0.5,16,16,8)
    if a<=0: return (0,0,0,0)
    r,g,b=BLUE
    arrow = (7<=x<=8 and 3<=y<=9) or (y>=7 and y<=10 and abs(x-7.5)<= (10-y)+0.5 and y>=7) or (4<=x<=11 and 12<=y<=12)
    if arrow: r,g,b=(255,255,255)
    return (r,g,b,int(a*255))
png('resources/web/download.png',16,16,badge)
