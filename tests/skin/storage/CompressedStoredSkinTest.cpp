// Tests of the compressed stored skin: building, its file, and the payload inside.
#include "skin/storage/CompressedStoredSkin.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "gfx/ImageError.h"
#include "skin/ini/IniFile.h"
#include "skin/storage/StoredSkin.h"
#include "skin/storage/ZlibStreams.h"
#include "support/TempDir.h"

namespace skin {
namespace {

const std::string kMini = std::string(ORVEL_TEST_DATA_DIR) + "/skins/mini/";

std::vector<uint8_t> Int32Bytes(int32_t v) {
  uint32_t u = static_cast<uint32_t>(v);
  return {uint8_t(u), uint8_t(u >> 8), uint8_t(u >> 16), uint8_t(u >> 24)};
}

std::vector<uint8_t> Concat(std::initializer_list<std::vector<uint8_t>> parts) {
  std::vector<uint8_t> out;
  for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

TEST(CompressedStoredSkinTest, BuildsFromTheFixtureAndRoundTripsByteForByte) {
  TskCompressedStoredSkin skin;
  EXPECT_TRUE(skin.IsEmpty());
  ASSERT_TRUE(skin.BuildFromSkinFolder(kMini + "skin.ini"));
  ASSERT_FALSE(skin.IsEmpty());

  // The payload holds version 1, the same pictures as the stored skin and the INI lines with CR LF.
  TskStoredSkin stored;
  stored.LoadFromSkinFolder(kMini + "skin.ini");
  std::vector<uint8_t> payload;
  skin.DecompressTo(payload);
  EXPECT_EQ(payload, EncodeSkinPayload(stored.Pictures(), stored.IniStrings()));
  std::optional<SkinPayload> decoded = DecodeSkinPayload(payload);
  ASSERT_TRUE(decoded.has_value());
  EXPECT_TRUE(decoded->pictures.main == stored.MainPicture());
  EXPECT_EQ(decoded->pictures.active.size(), 3u);
  EXPECT_EQ(SplitLines(decoded->ini_text), stored.IniStrings());
  EXPECT_TRUE(decoded->ini_text.ends_with("\r\n"));

  // File: version 1, the length, the zlib stream unchanged; reading it back gives the same bytes.
  testing_support::TempDir dir;
  skin.WriteCompressedSkinFile(dir / "mini.skn");
  const std::vector<uint8_t> file = testing_support::ReadBytes(dir / "mini.skn");
  EXPECT_EQ(file, Concat({Int32Bytes(1), Int32Bytes(static_cast<int32_t>(skin.CompressedData().size())),
                          skin.CompressedData()}));
  TskCompressedStoredSkin back;
  back.ReadCompressedSkinFile(dir / "mini.skn");
  EXPECT_EQ(back.CompressedData(), skin.CompressedData());
  EXPECT_EQ(back.CompressedSkinFileBytes(), file);
}

TEST(CompressedStoredSkinTest, MissingRequiredSectionKeepsThePreviousData) {
  TskCompressedStoredSkin skin;
  ASSERT_TRUE(skin.BuildFromSkinFolder(kMini + "skin.ini"));
  const std::vector<uint8_t> before = skin.CompressedData();

  testing_support::TempDir dir;
  std::filesystem::copy(kMini, dir.path(), std::filesystem::copy_options::recursive);
  std::vector<uint8_t> text = testing_support::ReadBytes(dir / "skin.ini");
  std::string ini(text.begin(), text.end());
  for (const char* section : {"[VERSION]", "[PICTURES]", "[FORMINFO]", "[SKINOBJECTS]", "[SKINCONTROLS]"}) {
    // Renaming the section removes it; a copy that holds only a comment does not count either.
    std::string edited = ini;
    size_t at = edited.find(section);
    ASSERT_NE(at, std::string::npos);
    edited.replace(at, 1, "[x");
    edited += std::string("\n") + section + "\n; only a comment\n";
    testing_support::WriteBytes(dir / "skin.ini", std::vector<uint8_t>(edited.begin(), edited.end()));
    EXPECT_FALSE(skin.BuildFromSkinFolder(dir / "skin.ini")) << section;
    EXPECT_EQ(skin.CompressedData(), before) << section;
  }
}

TEST(CompressedStoredSkinTest, PayloadVersionOtherThanOneIsRefused) {
  std::vector<uint8_t> payload = EncodeSkinPayload({}, {"[VERSION]", "skinname=x"});
  EXPECT_EQ(payload, Concat({Int32Bytes(1), {1, 1, 1, 0, 0, 0, 0},
                             {'[', 'V', 'E', 'R', 'S', 'I', 'O', 'N', ']', '\r', '\n'},
                             {'s', 'k', 'i', 'n', 'n', 'a', 'm', 'e', '=', 'x', '\r', '\n'}}));
  ASSERT_TRUE(DecodeSkinPayload(payload).has_value());
  EXPECT_EQ(DecodeSkinPayload(payload)->ini_text, "[VERSION]\r\nskinname=x\r\n");
  payload[0] = 2;
  EXPECT_FALSE(DecodeSkinPayload(payload).has_value());
  EXPECT_EQ(SkinPayloadVersion(payload), 2);

  // Damaged payloads: too short for the version, pictures cut short.
  EXPECT_THROW(DecodeSkinPayload(std::vector<uint8_t>{1, 0, 0}), gfx::ImageError);
  EXPECT_THROW(DecodeSkinPayload(Concat({Int32Bytes(1), {1, 1, 1, 0, 0}})), gfx::ImageError);
}

TEST(CompressedStoredSkinTest, CompressedFileHeader) {
  const std::vector<uint8_t> data = CompressBytes(std::vector<uint8_t>{1, 2, 3});
  struct Case {
    const char* name;
    std::vector<uint8_t> file;
    bool throws;
    size_t data_size;
  };
  const Case cases[] = {
      {"well formed", Concat({Int32Bytes(1), Int32Bytes(int32_t(data.size())), data}), false, data.size()},
      {"trailing bytes are not read", Concat({Int32Bytes(1), Int32Bytes(2), data}), false, 2},
      {"version 2 leaves it empty", Concat({Int32Bytes(2), Int32Bytes(int32_t(data.size())), data}), false, 0},
      {"length 0", Concat({Int32Bytes(1), Int32Bytes(0)}), false, 0},
      {"shorter than the version", {1, 0, 0}, true, 0},
      {"no length", Int32Bytes(1), true, 0},
      {"length past the end", Concat({Int32Bytes(1), Int32Bytes(int32_t(data.size()) + 1), data}), true, 0},
      {"negative length", Concat({Int32Bytes(1), Int32Bytes(-1), data}), true, 0},
  };
  for (const Case& c : cases) {
    TskCompressedStoredSkin skin;
    skin.SetCompressedData({9, 9, 9});
    if (c.throws) {
      EXPECT_THROW(skin.ReadCompressedSkinBytes(c.file), gfx::ImageError) << c.name;
    } else {
      EXPECT_NO_THROW(skin.ReadCompressedSkinBytes(c.file)) << c.name;
    }
    EXPECT_EQ(skin.CompressedData().size(), c.data_size) << c.name;
  }
}

TEST(CompressedStoredSkinTest, DamagedCompressedDataRaisesTheDecompressionError) {
  TskCompressedStoredSkin skin;
  ASSERT_TRUE(skin.BuildFromSkinFolder(kMini + "skin.ini"));
  std::vector<uint8_t> data = skin.CompressedData();
  std::vector<uint8_t> payload;

  skin.SetCompressedData(std::vector<uint8_t>(data.begin(), data.end() - 10));
  EXPECT_THROW(skin.DecompressTo(payload), EDecompressionError);
  data[data.size() / 2] ^= 0x5A;
  skin.SetCompressedData(data);
  EXPECT_THROW(skin.DecompressTo(payload), EDecompressionError);
}

}  // namespace
}  // namespace skin
