// Writing and reading the pictures stream of a skin.
#include "skin/storage/SkinPictures.h"

#include <string>

#include "gfx/BmpCodec.h"
#include "skin/storage/SkinStorageError.h"

namespace skin {
namespace {

// A bitmap file starts with a 14-byte file header, so no picture takes fewer bytes.
constexpr size_t kBmpFileHeaderBytes = 14;

void AppendInt32(std::vector<uint8_t>& out, int32_t value) {
  uint32_t v = static_cast<uint32_t>(value);
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

void AppendBmp(const gfx::Bitmap& picture, std::vector<uint8_t>& out) {
  std::vector<uint8_t> file = gfx::EncodeBmp(picture, gfx::BmpDepth::kOwn);
  out.insert(out.end(), file.begin(), file.end());
}

// Reads the stream with bounds checks on every step; `what` names the part being read in errors.
class Reader {
 public:
  explicit Reader(std::span<const uint8_t> data) : data_(data) {}

  size_t Position() const { return pos_; }
  size_t Remaining() const { return data_.size() - pos_; }

  uint8_t Byte(const char* what) {
    Need(1, what);
    return data_[pos_++];
  }

  int32_t Int32(const char* what) {
    Need(4, what);
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= static_cast<uint32_t>(data_[pos_ + static_cast<size_t>(i)]) << (8 * i);
    pos_ += 4;
    return static_cast<int32_t>(v);
  }

  // One bitmap file, exactly as long as its header's total size says.
  gfx::Bitmap Bmp(const std::string& what) {
    Need(kBmpFileHeaderBytes, what.c_str());
    const uint8_t* p = data_.data() + pos_;
    if (p[0] != 'B' || p[1] != 'M') throw SkinStorageError("The skin's " + what + " is not a bitmap file");
    uint32_t total = static_cast<uint32_t>(p[2]) | static_cast<uint32_t>(p[3]) << 8 |
                     static_cast<uint32_t>(p[4]) << 16 | static_cast<uint32_t>(p[5]) << 24;
    if (total < kBmpFileHeaderBytes) {
      throw SkinStorageError("The skin's " + what + " gives an impossible file size of " + std::to_string(total) +
                             " bytes");
    }
    if (total > Remaining()) {
      throw SkinStorageError("The skin's " + what + " claims " + std::to_string(total) + " bytes but only " +
                             std::to_string(Remaining()) + " remain in the stream");
    }
    size_t consumed = 0;
    gfx::Bitmap picture = gfx::DecodeBmp(data_.subspan(pos_, total), &consumed, false);
    pos_ += total;
    return picture;
  }

 private:
  void Need(size_t bytes, const char* what) {
    if (Remaining() < bytes) {
      throw SkinStorageError(std::string("The skin's pictures stream ends before its ") + what);
    }
  }

  std::span<const uint8_t> data_;
  size_t pos_ = 0;
};

}  // namespace

void SkinPictures::Clear() {
  main = {};
  inactive = {};
  mask = {};
  active.clear();
}

void AppendSkinPictures(const SkinPictures& pictures, std::vector<uint8_t>& out) {
  for (const gfx::Bitmap* picture : {&pictures.main, &pictures.inactive, &pictures.mask}) {
    out.push_back(picture->IsEmpty() ? 1 : 0);
    if (!picture->IsEmpty()) AppendBmp(*picture, out);
  }
  AppendInt32(out, static_cast<int32_t>(pictures.active.size()));
  for (const gfx::Bitmap& picture : pictures.active) AppendBmp(picture, out);
}

std::vector<uint8_t> EncodeSkinPictures(const SkinPictures& pictures) {
  std::vector<uint8_t> out;
  AppendSkinPictures(pictures, out);
  return out;
}

SkinPictures DecodeSkinPictures(std::span<const uint8_t> data, size_t* consumed) {
  Reader reader(data);
  SkinPictures pictures;
  static constexpr const char* kNames[] = {"main picture", "inactive picture", "mask picture"};
  gfx::Bitmap* targets[] = {&pictures.main, &pictures.inactive, &pictures.mask};
  for (int i = 0; i < 3; ++i) {
    // Any flag other than 0 means the picture is empty and nothing follows for it.
    if (reader.Byte((std::string(kNames[i]) + " flag").c_str()) != 0) continue;
    *targets[i] = reader.Bmp(kNames[i]);
  }
  int32_t count = reader.Int32("picture count");
  // A count below 1 ends the stream with no active pictures.
  if (count < 0) count = 0;
  // Each picture takes at least a file header, so a count the rest cannot hold is refused before
  // anything is allocated for it.
  if (static_cast<size_t>(count) > reader.Remaining() / kBmpFileHeaderBytes) {
    throw SkinStorageError("The skin's picture count " + std::to_string(count) + " is more than the " +
                           std::to_string(reader.Remaining()) + " remaining bytes can hold");
  }
  pictures.active.reserve(static_cast<size_t>(count));
  for (int32_t i = 0; i < count; ++i) {
    pictures.active.push_back(reader.Bmp("picture " + std::to_string(i)));
  }
  if (consumed != nullptr) *consumed = reader.Position();
  return pictures;
}

}  // namespace skin
