// The in-memory INI text: parsing, case-insensitive look-up and writing.
#include "skin/ini/IniFile.h"

#include <unordered_set>

namespace skin {
namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (Lower(a[i]) != Lower(b[i])) return false;
  }
  return true;
}

}  // namespace

size_t IniFile::NoCaseHash::operator()(std::string_view s) const {
  // FNV-1a over the lower-cased bytes.
  uint64_t h = 14695981039346656037ull;
  for (char c : s) {
    h ^= static_cast<unsigned char>(Lower(c));
    h *= 1099511628211ull;
  }
  return static_cast<size_t>(h);
}

bool IniFile::NoCaseEqual::operator()(std::string_view a, std::string_view b) const { return EqualNoCase(a, b); }

IniFile::Section IniFile::NamedSection(std::string name) {
  Section s;
  s.name = std::move(name);
  return s;
}

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.emplace_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

void IniFile::Clear() {
  sections_.clear();
  index_.clear();
}

void IniFile::SetLines(const std::vector<std::string>& lines) {
  Clear();
  Section* current = nullptr;
  for (const std::string& raw : lines) {
    std::string_view line = Trim(raw);
    if (line.empty() || line.front() == ';') continue;
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      std::string name(Trim(line.substr(1, line.size() - 2)));
      // A repeated section replaces the earlier one as a whole (keeping the earlier place).
      if (auto it = index_.find(name); it != index_.end()) {
        current = &sections_[it->second];
        *current = NamedSection(std::move(name));
        continue;
      }
      index_[name] = sections_.size();
      sections_.push_back(NamedSection(std::move(name)));
      current = &sections_.back();
      continue;
    }
    if (current == nullptr) continue;
    size_t eq = line.find('=');
    if (eq == std::string_view::npos) {
      current->AddLine(Line{std::string(line), {}, false});
      continue;
    }
    current->AddLine(Line{std::string(Trim(line.substr(0, eq))), std::string(Trim(line.substr(eq + 1))), true});
  }
}

void IniFile::Section::AddLine(Line line) {
  // A later key replaces the earlier one in the index, which makes the later one win.
  if (line.has_value) keys[line.key] = lines.size();
  lines.push_back(std::move(line));
}

void IniFile::Section::RebuildKeys() {
  keys.clear();
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].has_value) keys[lines[i].key] = i;
  }
}

void IniFile::RebuildIndex() {
  index_.clear();
  for (size_t i = 0; i < sections_.size(); ++i) index_[sections_[i].name] = i;
}

const IniFile::Section* IniFile::FindSection(std::string_view section) const {
  auto it = index_.find(section);
  return it == index_.end() ? nullptr : &sections_[it->second];
}

IniFile::Section& IniFile::SectionForWrite(std::string_view section) {
  auto it = index_.find(section);
  if (it != index_.end()) return sections_[it->second];
  index_[std::string(section)] = sections_.size();
  sections_.push_back(NamedSection(std::string(section)));
  return sections_.back();
}

const std::string* IniFile::FindValue(std::string_view section, std::string_view key) const {
  const Section* s = FindSection(section);
  if (s == nullptr) return nullptr;
  auto it = s->keys.find(key);
  return it == s->keys.end() ? nullptr : &s->lines[it->second].value;
}

std::vector<std::string> IniFile::Sections() const {
  std::vector<std::string> names;
  for (const Section& s : sections_) {
    if (!s.lines.empty()) names.push_back(s.name);
  }
  return names;
}

bool IniFile::SectionExists(std::string_view section) const {
  const Section* s = FindSection(section);
  return s != nullptr && !s->lines.empty();
}

std::vector<std::string> IniFile::Keys(std::string_view section) const {
  std::vector<std::string> keys;
  const Section* s = FindSection(section);
  if (s == nullptr) return keys;
  std::unordered_set<std::string, NoCaseHash, NoCaseEqual> seen;
  for (const Line& line : s->lines) {
    if (line.has_value && seen.insert(line.key).second) keys.push_back(line.key);
  }
  return keys;
}

bool IniFile::ValueExists(std::string_view section, std::string_view key) const {
  return FindValue(section, key) != nullptr;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key, std::string_view def) const {
  const std::string* v = FindValue(section, key);
  return v != nullptr ? *v : std::string(def);
}

int32_t IniFile::ReadInteger(std::string_view section, std::string_view key, int32_t def) const {
  const std::string* v = FindValue(section, key);
  if (v == nullptr) return def;
  return ParseInteger(*v).value_or(def);
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool def) const {
  const std::string* v = FindValue(section, key);
  if (v == nullptr) return def;
  return ParseInteger(*v) == 1;
}

gfx::Color IniFile::ReadColor(std::string_view section, std::string_view key, gfx::Color def) const {
  return static_cast<gfx::Color>(ReadInteger(section, key, static_cast<int32_t>(def)));
}

gfx::Point IniFile::ReadPoint(std::string_view section, std::string_view key, gfx::Point def) const {
  const std::string* v = FindValue(section, key);
  return v != nullptr ? ParsePoint(*v) : def;
}

gfx::Rect IniFile::ReadRect(std::string_view section, std::string_view key, gfx::Rect def) const {
  const std::string* v = FindValue(section, key);
  return v != nullptr ? ParseRect(*v) : def;
}

FontStyles IniFile::ReadFontStyle(std::string_view section, std::string_view key, FontStyles def) const {
  const std::string* v = FindValue(section, key);
  return v != nullptr ? ParseFontStyle(*v) : def;
}

Alignment IniFile::ReadAlignment(std::string_view section, std::string_view key, Alignment def) const {
  const std::string* v = FindValue(section, key);
  return v != nullptr ? ParseAlignment(*v) : def;
}

MorphKind IniFile::ReadMorphKind(std::string_view section, std::string_view key, MorphKind def) const {
  const std::string* v = FindValue(section, key);
  return v != nullptr ? ParseMorphKind(*v) : def;
}

InactiveEffect IniFile::ReadInactiveEffect(std::string_view section, std::string_view key,
                                           InactiveEffect def) const {
  const std::string* v = FindValue(section, key);
  return v != nullptr ? ParseInactiveEffect(*v) : def;
}

SkinCommand IniFile::ReadCommand(std::string_view section, std::string_view key, SkinCommand def) const {
  const std::string* v = FindValue(section, key);
  return v != nullptr ? ParseCommand(*v) : def;
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  Section& s = SectionForWrite(section);
  if (auto it = s.keys.find(key); it != s.keys.end()) {
    s.lines[it->second].value = std::string(value);
    return;
  }
  s.AddLine(Line{std::string(key), std::string(value), true});
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int32_t value) {
  WriteString(section, key, std::to_string(value));
}

void IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

void IniFile::WriteColor(std::string_view section, std::string_view key, gfx::Color value) {
  WriteInteger(section, key, static_cast<int32_t>(value));
}

void IniFile::WritePoint(std::string_view section, std::string_view key, gfx::Point value) {
  WriteString(section, key, PointText(value));
}

void IniFile::WriteRect(std::string_view section, std::string_view key, gfx::Rect value) {
  WriteString(section, key, RectText(value));
}

void IniFile::WriteFontStyle(std::string_view section, std::string_view key, FontStyles value) {
  WriteString(section, key, FontStyleText(value));
}

void IniFile::WriteAlignment(std::string_view section, std::string_view key, Alignment value) {
  WriteString(section, key, AlignmentText(value));
}

void IniFile::WriteMorphKind(std::string_view section, std::string_view key, MorphKind value) {
  WriteString(section, key, MorphKindText(value));
}

void IniFile::WriteInactiveEffect(std::string_view section, std::string_view key, InactiveEffect value) {
  WriteString(section, key, InactiveEffectText(value));
}

void IniFile::WriteCommand(std::string_view section, std::string_view key, SkinCommand value) {
  WriteString(section, key, CommandText(value));
}

void IniFile::EraseSection(std::string_view section) {
  auto it = index_.find(section);
  if (it == index_.end()) return;
  sections_.erase(sections_.begin() + static_cast<std::ptrdiff_t>(it->second));
  RebuildIndex();
}

void IniFile::DeleteKey(std::string_view section, std::string_view key) {
  auto it = index_.find(section);
  if (it == index_.end()) return;
  std::vector<Line>& lines = sections_[it->second].lines;
  std::erase_if(lines, [&](const Line& l) { return l.has_value && EqualNoCase(l.key, key); });
  sections_[it->second].RebuildKeys();
}

std::vector<std::string> IniFile::ToLines() const {
  std::vector<std::string> out;
  for (const Section& s : sections_) {
    out.push_back("[" + s.name + "]");
    for (const Line& line : s.lines) out.push_back(line.has_value ? line.key + "=" + line.value : line.key);
    out.emplace_back();
  }
  return out;
}

std::string IniFile::ToText() const {
  std::string text;
  for (const std::string& line : ToLines()) {
    text += line;
    text += "\r\n";
  }
  return text;
}

}  // namespace skin
