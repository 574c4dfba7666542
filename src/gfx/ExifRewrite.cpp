// EXIF rewriting through libexif: orientation to normal, thumbnail dropped.
#include "gfx/ExifRewrite.h"

#include <cstring>
#include <memory>

#include <libexif/exif-data.h>
#include <libexif/exif-mem.h>
#include <libexif/exif-utils.h>

namespace gfx {

namespace {

constexpr uint8_t kExifHeader[6] = {'E', 'x', 'i', 'f', 0, 0};
constexpr size_t kMaxPayload = 65533;  // a segment's length field counts itself

struct MemRelease {
  void operator()(ExifMem* mem) const { exif_mem_unref(mem); }
};
struct DataRelease {
  void operator()(ExifData* data) const { exif_data_unref(data); }
};

bool HasEntries(const ExifData* data) {
  for (int i = 0; i < EXIF_IFD_COUNT; ++i)
    if (data->ifd[i] != nullptr && data->ifd[i]->count > 0) return true;
  return false;
}

// Loads a payload keeping entries exactly as stored: no unknown tag dropped, no mandatory tag
// added, maker's notes copied as they are. Null when the payload holds no readable entry.
std::unique_ptr<ExifData, DataRelease> Load(ExifMem* mem, std::span<const uint8_t> payload) {
  std::unique_ptr<ExifData, DataRelease> data(exif_data_new_mem(mem));
  if (!data) return nullptr;
  exif_data_unset_option(data.get(), EXIF_DATA_OPTION_IGNORE_UNKNOWN_TAGS);
  exif_data_unset_option(data.get(), EXIF_DATA_OPTION_FOLLOW_SPECIFICATION);
  exif_data_set_option(data.get(), EXIF_DATA_OPTION_DONT_CHANGE_MAKER_NOTE);
  exif_data_load_data(data.get(), payload.data(), static_cast<unsigned>(payload.size()));
  if (!HasEntries(data.get())) return nullptr;
  return data;
}

}  // namespace

bool IsExifPayload(std::span<const uint8_t> payload) {
  return payload.size() >= sizeof kExifHeader && std::memcmp(payload.data(), kExifHeader, sizeof kExifHeader) == 0;
}

std::optional<std::vector<uint8_t>> RewriteExifForTurnedPixels(std::span<const uint8_t> payload) {
  if (!IsExifPayload(payload)) return std::nullopt;
  // One allocator for the data, its thumbnail and the saved bytes, so that each is freed by it.
  std::unique_ptr<ExifMem, MemRelease> mem(exif_mem_new_default());
  if (!mem) return std::nullopt;
  std::unique_ptr<ExifData, DataRelease> data = Load(mem.get(), payload);
  if (!data) return std::nullopt;

  const ExifByteOrder order = exif_data_get_byte_order(data.get());
  for (int i = 0; i < EXIF_IFD_COUNT; ++i) {
    ExifContent* content = data->ifd[i];
    if (content == nullptr) continue;
    if (ExifEntry* entry = exif_content_get_entry(content, EXIF_TAG_ORIENTATION)) {
      if (entry->format == EXIF_FORMAT_SHORT && entry->components >= 1 && entry->size >= 2)
        exif_set_short(entry->data, order, 1);
      else
        exif_content_remove_entry(content, entry);  // unreadable: no orientation is normal
    }
  }
  // The thumbnail and the directory that describes it.
  if (data->data != nullptr) {
    exif_mem_free(mem.get(), data->data);
    data->data = nullptr;
    data->size = 0;
  }
  if (ExifContent* thumbnail = data->ifd[EXIF_IFD_1]) {
    while (thumbnail->count > 0) exif_content_remove_entry(thumbnail, thumbnail->entries[0]);
  }

  unsigned char* saved = nullptr;
  unsigned int size = 0;
  exif_data_save_data(data.get(), &saved, &size);
  if (saved == nullptr) return std::nullopt;
  std::vector<uint8_t> out(saved, saved + size);
  exif_mem_free(mem.get(), saved);
  // Damaged input can leave entries that are saved but do not read back; such a segment is
  // not written at all.
  if (out.size() > kMaxPayload || !IsExifPayload(out) || !Load(mem.get(), out)) return std::nullopt;
  return out;
}

}  // namespace gfx
