// The skin tool's commands: packing a skin folder and printing what a skin holds.
#include "SkinInfo.h"

#include <filesystem>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "gfx/FileIo.h"
#include "skin/data/SkinData.h"
#include "skin/ini/IniFile.h"
#include "skin/storage/CompressedStoredSkin.h"
#include "skin/storage/StoredSkin.h"

namespace skin {
namespace {

constexpr const char* kRequiredSections[] = {"VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS", "SKINCONTROLS"};

std::string MissingSections(const IniFile& ini) {
  std::string missing;
  for (const char* section : kRequiredSections) {
    if (ini.SectionExists(section)) continue;
    if (!missing.empty()) missing += ", ";
    missing += std::string("[") + section + "]";
  }
  return missing;
}

std::string TextOf(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

// A value as printed: quoted when it is empty or holds a blank, a quote or a backslash, so that
// every value on a line stays one word.
std::string Quoted(std::string_view value) {
  bool plain = !value.empty() && value.find_first_of(" \t\"\\") == std::string_view::npos;
  if (plain) return std::string(value);
  std::string out = "\"";
  for (char c : value) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out + "\"";
}

std::string PictureText(const gfx::Bitmap& b) {
  if (b.IsEmpty()) return "empty";
  std::string text = std::to_string(b.Width()) + " x " + std::to_string(b.Height()) + ", " +
                     std::to_string(b.BitsPerPixel()) + " bits";
  if (!b.Palette().empty()) text += ", " + std::to_string(b.Palette().size()) + " colours";
  return text;
}

void PrintRecord(std::FILE* out, const char* list, const SkinRecord& record) {
  std::string line = std::string(list) + " " + Quoted(record.SectionName()) + " " + record.ClassName();
  for (const RecordValue& value : record.Values()) line += " " + value.first + "=" + Quoted(value.second);
  std::fprintf(out, "%s\n", line.c_str());
}

void PrintFrameInfo(std::FILE* out, const SkinFrameInfo& f) {
  auto b = [](bool v) { return std::string(v ? "1" : "0"); };
  const std::pair<const char*, std::string> fields[] = {
      {"lefttoppoint", PointText(f.lefttoppoint)},
      {"righttoppoint", PointText(f.righttoppoint)},
      {"leftbottompoint", PointText(f.leftbottompoint)},
      {"rightbottompoint", PointText(f.rightbottompoint)},
      {"clientrect", RectText(f.clientrect)},
      {"bgpictureindex", std::to_string(f.bgpictureindex)},
      {"mdibgpictureindex", std::to_string(f.mdibgpictureindex)},
      {"leftstretch", b(f.leftstretch)},
      {"rightstretch", b(f.rightstretch)},
      {"topstretch", b(f.topstretch)},
      {"bottomstretch", b(f.bottomstretch)},
      {"maskrectarea", RectText(f.maskrectarea)},
      {"hittestlefttoppoint", PointText(f.hittestlefttoppoint)},
      {"hittestrighttoppoint", PointText(f.hittestrighttoppoint)},
      {"hittestleftbottompoint", PointText(f.hittestleftbottompoint)},
      {"hittestrightbottompoint", PointText(f.hittestrightbottompoint)},
      {"buttonsrect", RectText(f.buttonsrect)},
      {"captionrect", RectText(f.captionrect)},
      {"buttonsoffset", std::to_string(f.buttonsoffset)},
      {"buttonsinleft", b(f.buttonsinleft)},
      {"mainmenupopupup", b(f.mainmenupopupup)},
      {"borderwidth", std::to_string(f.borderwidth)},
      {"autorenderinginactiveimage", b(f.autorenderinginactiveimage)},
      {"inactiveeffect", std::string(InactiveEffectText(f.inactiveeffect))},
  };
  std::string line = "forminfo";
  for (const auto& [key, value] : fields) line += std::string(" ") + key + "=" + value;
  std::fprintf(out, "%s\n", line.c_str());
}

// Prints the loaded skin: version strings, pictures with their names, frame, windows and records.
void PrintSkinData(std::FILE* out, const TskSkinData& data) {
  const SkinVersionInfo& v = data.VersionInfo();
  const std::pair<const char*, const std::string*> strings[] = {
      {"skinname", &v.skinname},       {"skinauthor", &v.skinauthor},     {"authoremail", &v.authoremail},
      {"authorurl", &v.authorurl},     {"skincomments", &v.skincomments},
  };
  for (const auto& [key, value] : strings) std::fprintf(out, "%s: %s\n", key, Quoted(*value).c_str());

  auto picture = [&](const char* what, const std::string& name, const gfx::Bitmap& b) {
    std::fprintf(out, "picture %s %s: %s\n", what, Quoted(name).c_str(), PictureText(b).c_str());
  };
  picture("main", data.FramePictureName(), data.FramePicture());
  picture("inactive", data.InactiveFramePictureName(), data.InactiveFramePicture());
  picture("mask", data.FrameMaskName(), data.FrameMask());
  // The number of pictures comes from the container and the names from the INI; they may differ.
  const auto& pictures = data.ActivePictures();
  const auto& names = data.ActivePictureNames();
  for (size_t i = 0; i < std::max(pictures.size(), names.size()); ++i) {
    std::string index = std::to_string(i);
    std::string name = i < names.size() ? names[i] : std::string("(no name)");
    if (i < pictures.size()) {
      picture(index.c_str(), name, pictures[i]);
    } else {
      std::fprintf(out, "picture %s %s: missing from the container\n", index.c_str(), Quoted(name).c_str());
    }
  }

  PrintFrameInfo(out, data.FrameInfo());
  PrintRecord(out, "window", data.PopupWindow());
  PrintRecord(out, "window", data.HintWindow());
  for (const auto& record : data.ObjectRecords()) PrintRecord(out, "object", *record);
  for (const auto& record : data.ControlRecords()) PrintRecord(out, "control", *record);
}

// Prints the pictures a stored skin holds when the skin data could not take them.
void PrintContainerPictures(std::FILE* out, const TskStoredSkin& stored) {
  std::fprintf(out, "picture main: %s\n", PictureText(stored.MainPicture()).c_str());
  std::fprintf(out, "picture inactive: %s\n", PictureText(stored.InactivePicture()).c_str());
  std::fprintf(out, "picture mask: %s\n", PictureText(stored.MaskPicture()).c_str());
  for (size_t i = 0; i < stored.ActivePictures().size(); ++i) {
    std::fprintf(out, "picture %zu: %s\n", i, PictureText(stored.ActivePictures()[i]).c_str());
  }
}

std::vector<uint8_t> ReadFile(const std::string& path) { return gfx::ReadWholeFile(path); }

// A version, a length, and a zlib header (its first byte is 0x78 at every level zlib writes).
bool LooksLikeCompressedFile(const std::vector<uint8_t>& file) {
  return file.size() >= 9 && file[8] == 0x78;
}

int32_t FileVersion(const std::vector<uint8_t>& file) {
  return static_cast<int32_t>(static_cast<uint32_t>(file[0]) | static_cast<uint32_t>(file[1]) << 8 |
                              static_cast<uint32_t>(file[2]) << 16 | static_cast<uint32_t>(file[3]) << 24);
}

bool LooksLikeIniText(const std::vector<uint8_t>& file) {
  for (uint8_t c : file) {
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') continue;
    return c == '[' || c == ';';
  }
  return false;
}

void PrintStored(std::FILE* out, const std::string& what, TskStoredSkin& stored) {
  std::fprintf(out, "skin: %s\n", what.c_str());
  IniFile ini(stored.IniStrings());
  TskSkinData data;
  data.LoadFromStoredSkin(stored);
  if (data.IsEmpty()) {
    std::fprintf(out, "state: empty (the INI lacks %s)\n", MissingSections(ini).c_str());
    PrintContainerPictures(out, stored);
    return;
  }
  std::fprintf(out, "state: loaded\n");
  PrintSkinData(out, data);
}

}  // namespace

void PackCompressedSkin(const std::string& ini_path, const std::string& out_path) {
  TskCompressedStoredSkin skin;
  if (!skin.BuildFromSkinFolder(ini_path)) {
    std::vector<uint8_t> bytes = ReadFile(ini_path);
    IniFile ini(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    throw std::runtime_error(ini_path + " lacks " + MissingSections(ini) + ", which a skin needs");
  }
  skin.WriteCompressedSkinFile(out_path);
}

void PackStoredSkin(const std::string& ini_path, const std::string& pictures_out, const std::string& ini_out) {
  TskStoredSkin skin;
  skin.LoadFromSkinFolder(ini_path);
  std::string missing = MissingSections(IniFile(skin.IniStrings()));
  if (!missing.empty()) {
    std::fprintf(stderr, "orvel-skin: warning: %s lacks %s; the stored skin will load as an empty skin\n",
                 ini_path.c_str(), missing.c_str());
  }
  gfx::WriteFileAtomically(pictures_out, skin.WritePictures());
  std::string text = TextOf(skin.IniStrings());
  gfx::WriteFileAtomically(ini_out, reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

void PrintSkinInfo(const std::string& path, const std::string& ini_path, std::FILE* out) {
  if (!ini_path.empty()) {
    // A stored skin: its Pictures stream and its INI text.
    TskStoredSkin stored;
    std::vector<uint8_t> stream = ReadFile(path);
    size_t consumed = stored.ReadPictures(stream);
    std::vector<uint8_t> text = ReadFile(ini_path);
    stored.SetIniStrings(SplitLines(std::string_view(reinterpret_cast<const char*>(text.data()), text.size())));
    std::string what = "stored skin " + path + " (" + std::to_string(consumed) + " bytes of pictures";
    if (consumed < stream.size()) what += ", " + std::to_string(stream.size() - consumed) + " bytes after them";
    PrintStored(out, what + ") with INI " + ini_path, stored);
    return;
  }

  std::string skin_ini = path;
  if (std::filesystem::is_directory(path)) skin_ini = (std::filesystem::path(path) / "skin.ini").string();
  std::vector<uint8_t> file = ReadFile(skin_ini);

  if (skin_ini == path && LooksLikeCompressedFile(file)) {
    TskCompressedStoredSkin compressed;
    compressed.ReadCompressedSkinBytes(file);
    std::fprintf(out, "skin: compressed skin file %s (%zu bytes of compressed data)\n", path.c_str(),
                 compressed.CompressedData().size());
    TskSkinData data;
    data.LoadFromCompressedStoredSkin(compressed);
    if (compressed.IsEmpty()) {
      std::fprintf(out, "state: empty (file version %d, only 1 is read)\n", FileVersion(file));
      return;
    }
    if (data.IsEmpty()) {
      std::vector<uint8_t> payload;
      compressed.DecompressTo(payload);
      std::fprintf(out, "state: empty (payload version %d, only 1 is read)\n", SkinPayloadVersion(payload));
      return;
    }
    std::fprintf(out, "state: loaded\n");
    PrintSkinData(out, data);
    return;
  }

  if (skin_ini != path || LooksLikeIniText(file)) {
    TskStoredSkin stored;
    stored.LoadFromSkinFolder(skin_ini);
    PrintStored(out, "skin folder " + skin_ini, stored);
    return;
  }

  // Anything else is taken for a Pictures stream without its INI text.
  TskStoredSkin stored;
  size_t consumed = stored.ReadPictures(file);
  std::fprintf(out, "skin: pictures stream %s (%zu of %zu bytes read; no INI text given)\n", path.c_str(), consumed,
               file.size());
  PrintContainerPictures(out, stored);
}

}  // namespace skin
