// Tests of the stored skin: filling it from a skin folder and its Pictures stream.
#include "skin/storage/StoredSkin.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "gfx/BmpCodec.h"
#include "gfx/ImageError.h"
#include "skin/ini/IniFile.h"
#include "support/TempDir.h"

namespace skin {
namespace {

const std::string kMini = std::string(ORVEL_TEST_DATA_DIR) + "/skins/mini/";

TEST(StoredSkinTest, LoadsTheFixtureFolderAndRoundTripsItsPictures) {
  TskStoredSkin skin;
  skin.LoadFromSkinFolder(kMini + "skin.ini");

  IniFile ini(skin.IniStrings());
  EXPECT_EQ(ini.ReadString("VERSION", "skinname"), "Mini");
  EXPECT_EQ(skin.IniStrings().front().substr(0, 1), ";");  // the lines as written, comments kept
  EXPECT_EQ(skin.MainPicture().GetSize(), (gfx::Size{48, 32}));
  EXPECT_EQ(skin.MainPicture().BitsPerPixel(), 8);
  EXPECT_TRUE(skin.InactivePicture().IsEmpty());
  EXPECT_EQ(skin.MaskPicture().BitsPerPixel(), 4);
  ASSERT_EQ(skin.ActivePictures().size(), 3u);
  EXPECT_EQ(skin.ActivePictures()[0].BitsPerPixel(), 8);
  EXPECT_EQ(skin.ActivePictures()[0].Palette().size(), 59u);
  EXPECT_EQ(skin.ActivePictures()[1].BitsPerPixel(), 1);
  EXPECT_EQ(skin.ActivePictures()[2].BitsPerPixel(), 24);
  EXPECT_TRUE(skin.ActivePictures()[2] == gfx::ReadBmpFile(kMini + "truecolor.bmp"));

  const std::vector<uint8_t> stream = skin.WritePictures();
  TskStoredSkin back;
  EXPECT_EQ(back.ReadPictures(stream), stream.size());  // consumed to its last byte
  EXPECT_TRUE(back.MainPicture() == skin.MainPicture());
  EXPECT_TRUE(back.InactivePicture().IsEmpty());
  EXPECT_TRUE(back.MaskPicture() == skin.MaskPicture());
  ASSERT_EQ(back.ActivePictures().size(), 3u);
  for (size_t i = 0; i < 3; ++i) EXPECT_TRUE(back.ActivePictures()[i] == skin.ActivePictures()[i]) << i;
  EXPECT_EQ(back.WritePictures(), stream);
}

TEST(StoredSkinTest, FolderErrorsLeaveTheContainerAsItWas) {
  TskStoredSkin skin;
  skin.LoadFromSkinFolder(kMini + "skin.ini");
  const std::vector<uint8_t> before = skin.WritePictures();

  testing_support::TempDir dir;
  std::filesystem::copy(kMini, dir.path(), std::filesystem::copy_options::recursive);
  std::filesystem::remove(dir / "onebit.bmp");
  EXPECT_THROW(skin.LoadFromSkinFolder(dir / "skin.ini"), gfx::ImageError);
  EXPECT_THROW(skin.LoadFromSkinFolder(dir / "nothere.ini"), gfx::ImageError);
  EXPECT_EQ(skin.WritePictures(), before);

  // No section is required here: an INI without [PICTURES] gives a skin without pictures.
  testing_support::WriteBytes(dir / "bare.ini", {'[', 'x', ']', '\n', 'a', '=', '1', '\n'});
  skin.LoadFromSkinFolder(dir / "bare.ini");
  EXPECT_EQ(skin.IniStrings(), (std::vector<std::string>{"[x]", "a=1"}));
  EXPECT_EQ(skin.WritePictures(), (std::vector<uint8_t>{1, 1, 1, 0, 0, 0, 0}));
}

TEST(StoredSkinTest, DamagedStreamLeavesNoPictures) {
  TskStoredSkin skin;
  skin.LoadFromSkinFolder(kMini + "skin.ini");
  std::vector<uint8_t> stream = skin.WritePictures();
  stream.resize(stream.size() - 1);
  EXPECT_THROW(skin.ReadPictures(stream), gfx::ImageError);
  EXPECT_TRUE(skin.MainPicture().IsEmpty());
  EXPECT_TRUE(skin.MaskPicture().IsEmpty());
  EXPECT_TRUE(skin.ActivePictures().empty());
}

TEST(StoredSkinTest, FolderOf) {
  EXPECT_EQ(FolderOf("/a/b/skin.ini"), "/a/b/");
  EXPECT_EQ(FolderOf("skin.ini"), "");
  EXPECT_EQ(FolderOf("/skin.ini"), "/");
}

}  // namespace
}  // namespace skin
