// Fuzzes the skin INI reader and the value encodings; the written text must read back the same.
// fuzz-seeds: tests/data/skins/mini
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "skin/ini/IniFile.h"
#include "skin/ini/IniValues.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  skin::IniFile ini(text);
  std::string written = ini.ToText();
  skin::IniFile back{std::string_view(written)};
  for (const std::string& section : ini.Sections()) {
    if (!back.SectionExists(section)) __builtin_trap();
    for (const std::string& key : ini.Keys(section)) {
      std::string value = ini.ReadString(section, key, "\x01missing");
      if (back.ReadString(section, key, "\x02missing") != value) __builtin_trap();
      // Every encoding reads any value without failing.
      (void)skin::ParseInteger(value);
      (void)ini.ReadBool(section, key);
      skin::ParseRect(value);
      skin::ParsePoint(value);
      skin::FontStyleText(skin::ParseFontStyle(value));
      skin::ParseMorphKind(value);
      skin::ParseInactiveEffect(value);
      skin::ParseCommand(value);
      skin::ParseAlignment(value);
    }
  }
  if (back.Sections() != ini.Sections()) __builtin_trap();
  return 0;
}
