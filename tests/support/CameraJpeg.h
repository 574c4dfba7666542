// Test fixtures for JPEG metadata: an EXIF segment like a camera writes (date, camera, GPS
// position, orientation, thumbnail) built with libexif, and a reader of a file's raw segments.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include <libexif/exif-data.h>
#include <libexif/exif-utils.h>

namespace testing_support {

struct CameraExifFields {
  int orientation = 1;
  bool thumbnail = true;
};

inline ExifEntry* AddExifEntry(ExifData* data, ExifMem* mem, ExifIfd ifd, ExifTag tag, ExifFormat format,
                               unsigned components) {
  ExifEntry* e = exif_entry_new_mem(mem);
  e->tag = tag;
  e->format = format;
  e->components = components;
  e->size = exif_format_get_size(format) * components;
  e->data = static_cast<unsigned char*>(exif_mem_alloc(mem, e->size));
  exif_content_add_entry(data->ifd[ifd], e);
  exif_entry_unref(e);
  return e;
}

inline void AddExifText(ExifData* data, ExifMem* mem, ExifIfd ifd, ExifTag tag, const std::string& text) {
  ExifEntry* e = AddExifEntry(data, mem, ifd, tag, EXIF_FORMAT_ASCII, static_cast<unsigned>(text.size() + 1));
  std::memcpy(e->data, text.c_str(), text.size() + 1);
}

// The APP1 payload ("Exif\0\0" and the TIFF structure) of a camera photo.
inline std::vector<uint8_t> CameraExif(const CameraExifFields& fields) {
  ExifMem* mem = exif_mem_new_default();
  ExifData* data = exif_data_new_mem(mem);
  exif_data_unset_option(data, EXIF_DATA_OPTION_FOLLOW_SPECIFICATION);
  exif_data_set_byte_order(data, EXIF_BYTE_ORDER_INTEL);
  const ExifByteOrder order = EXIF_BYTE_ORDER_INTEL;
  AddExifText(data, mem, EXIF_IFD_0, EXIF_TAG_MAKE, "Orvel Optics");
  AddExifText(data, mem, EXIF_IFD_0, EXIF_TAG_MODEL, "Test Camera 7");
  exif_set_short(AddExifEntry(data, mem, EXIF_IFD_0, EXIF_TAG_ORIENTATION, EXIF_FORMAT_SHORT, 1)->data, order,
                 static_cast<ExifShort>(fields.orientation));
  AddExifText(data, mem, EXIF_IFD_EXIF, EXIF_TAG_DATE_TIME_ORIGINAL, "2024:07:14 09:30:05");
  AddExifText(data, mem, EXIF_IFD_GPS, static_cast<ExifTag>(EXIF_TAG_GPS_LATITUDE_REF), "N");
  ExifEntry* latitude =
      AddExifEntry(data, mem, EXIF_IFD_GPS, static_cast<ExifTag>(EXIF_TAG_GPS_LATITUDE), EXIF_FORMAT_RATIONAL, 3);
  const ExifRational parts[3] = {{48, 1}, {51, 1}, {2405, 100}};
  for (int i = 0; i < 3; ++i) exif_set_rational(latitude->data + 8 * i, order, parts[i]);
  if (fields.thumbnail) {
    exif_set_short(AddExifEntry(data, mem, EXIF_IFD_1, EXIF_TAG_COMPRESSION, EXIF_FORMAT_SHORT, 1)->data, order, 6);
    const uint8_t thumb[] = {0xFF, 0xD8, 0xFF, 0xD9};
    data->data = static_cast<unsigned char*>(exif_mem_alloc(mem, sizeof thumb));
    std::memcpy(data->data, thumb, sizeof thumb);
    data->size = sizeof thumb;
  }
  unsigned char* bytes = nullptr;
  unsigned int size = 0;
  exif_data_save_data(data, &bytes, &size);
  std::vector<uint8_t> out(bytes, bytes + size);
  exif_mem_free(mem, bytes);
  exif_data_unref(data);
  exif_mem_unref(mem);
  return out;
}

// What a test reads back from an EXIF payload with libexif.
struct ExifFacts {
  bool loaded = false;
  int orientation = 0;       // 0: no tag
  std::string make, date, latitude_ref;
  std::vector<double> latitude;
  unsigned thumbnail_bytes = 0;
  unsigned thumbnail_entries = 0;
};

inline std::string ExifText(ExifData* data, ExifIfd ifd, ExifTag tag) {
  ExifEntry* e = exif_content_get_entry(data->ifd[ifd], tag);
  if (e == nullptr || e->format != EXIF_FORMAT_ASCII || e->size == 0) return {};
  return std::string(reinterpret_cast<const char*>(e->data), strnlen(reinterpret_cast<const char*>(e->data), e->size));
}

inline ExifFacts ReadExifFacts(const std::vector<uint8_t>& payload) {
  ExifFacts f;
  ExifData* data = exif_data_new();
  exif_data_unset_option(data, EXIF_DATA_OPTION_FOLLOW_SPECIFICATION);
  exif_data_load_data(data, payload.data(), static_cast<unsigned>(payload.size()));
  const ExifByteOrder order = exif_data_get_byte_order(data);
  f.loaded = data->ifd[EXIF_IFD_0]->count > 0;
  if (ExifEntry* e = exif_content_get_entry(data->ifd[EXIF_IFD_0], EXIF_TAG_ORIENTATION))
    f.orientation = exif_get_short(e->data, order);
  f.make = ExifText(data, EXIF_IFD_0, EXIF_TAG_MAKE);
  f.date = ExifText(data, EXIF_IFD_EXIF, EXIF_TAG_DATE_TIME_ORIGINAL);
  f.latitude_ref = ExifText(data, EXIF_IFD_GPS, static_cast<ExifTag>(EXIF_TAG_GPS_LATITUDE_REF));
  if (ExifEntry* e = exif_content_get_entry(data->ifd[EXIF_IFD_GPS], static_cast<ExifTag>(EXIF_TAG_GPS_LATITUDE))) {
    for (unsigned i = 0; i < e->components; ++i) {
      ExifRational r = exif_get_rational(e->data + 8 * i, order);
      f.latitude.push_back(r.denominator ? static_cast<double>(r.numerator) / r.denominator : 0);
    }
  }
  f.thumbnail_bytes = data->size;
  f.thumbnail_entries = data->ifd[EXIF_IFD_1]->count;
  exif_data_unref(data);
  return f;
}

// The segments of a JPEG file before its first scan: (marker byte, payload).
inline std::vector<std::pair<int, std::vector<uint8_t>>> JpegSegments(const std::vector<uint8_t>& file) {
  std::vector<std::pair<int, std::vector<uint8_t>>> segments;
  size_t i = 2;
  while (i + 4 <= file.size() && file[i] == 0xFF) {
    int marker = file[i + 1];
    size_t length = static_cast<size_t>(file[i + 2]) << 8 | file[i + 3];
    if (length < 2 || i + 2 + length > file.size()) break;
    segments.emplace_back(marker, std::vector<uint8_t>(file.begin() + static_cast<long>(i + 4),
                                                       file.begin() + static_cast<long>(i + 2 + length)));
    if (marker == 0xDA) break;
    i += 2 + length;
  }
  return segments;
}

}  // namespace testing_support
