// Finding the #include lines of a source and judging each by the row of the file's folder.
#include "IncludeCheck.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace layercheck {

namespace {

std::string_view SkipBlanks(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  return s;
}

// The headers of the C++ standard library are named without a dot or a folder (<vector>, <cstdio>);
// every other angled name is a library's or the system's and must be listed in the table.
bool IsStandardHeader(std::string_view name) { return name.find_first_of("./") == std::string_view::npos; }

bool IsSource(const std::filesystem::path& file) {
  static constexpr std::string_view kExtensions[] = {".h", ".hpp", ".cpp", ".cc", ".inc"};
  const std::string extension = file.extension().string();
  return std::find(std::begin(kExtensions), std::end(kExtensions), extension) != std::end(kExtensions);
}

// The text between `open` and `close` (appended piece by piece, which also keeps GCC 12's
// -Wrestrict false alarm about string concatenation away).
std::string Enclosed(char open, std::string_view text, char close) {
  std::string out(1, open);
  out += text;
  out += close;
  return out;
}

std::string Quote(const Include& include) {
  return include.angled ? Enclosed('<', include.name, '>') : Enclosed('"', include.name, '"');
}

std::string QuotedFolder(std::string_view folder) { return Enclosed('`', folder, '`'); }

// Why a quoted include is refused, or an empty text when the row allows it.
std::string JudgeQuoted(const LayerTable& table, const LayerRow& row, const Include& include) {
  if (InFolder(include.name, row.folder)) return {};
  for (const std::string& used : row.may_include) {
    if (InFolder(include.name, used)) return {};
  }
  const LayerRow* target = table.RowOf(include.name);
  if (!target)
    return "includes " + Quote(include) + ", which is not written from src/ or lies in no folder of the layer table";
  if (table.Position(*target) < table.Position(row))
    return "includes " + Quote(include) + " from " + QuotedFolder(target->folder) + ", which stands above " +
           QuotedFolder(row.folder) + " in the layer table";
  return "includes " + Quote(include) + " from " + QuotedFolder(target->folder) + ", which the layer table does not let " +
         QuotedFolder(row.folder) + " use";
}

std::string JudgeAngled(const LayerRow& row, const Include& include) {
  if (IsStandardHeader(include.name)) return {};
  for (const std::string& pattern : row.headers) {
    if (HeaderMatches(pattern, include.name)) return {};
  }
  return "includes " + Quote(include) + ", which the layer table does not list for " + QuotedFolder(row.folder);
}

}  // namespace

std::vector<Include> FindIncludes(std::string_view source) {
  std::vector<Include> includes;
  int number = 0;
  size_t start = 0;
  while (start < source.size()) {
    size_t end = source.find('\n', start);
    if (end == std::string_view::npos) end = source.size();
    std::string_view line = source.substr(start, end - start);
    start = end + 1;
    ++number;
    line = SkipBlanks(line);
    if (!line.starts_with('#')) continue;
    line = SkipBlanks(line.substr(1));
    if (!line.starts_with("include")) continue;
    line = SkipBlanks(line.substr(7));
    if (line.empty() || (line.front() != '"' && line.front() != '<')) continue;
    const char close = line.front() == '"' ? '"' : '>';
    const size_t stop = line.find(close, 1);
    if (stop == std::string_view::npos) continue;
    includes.push_back({number, close == '>', std::string(line.substr(1, stop - 1))});
  }
  return includes;
}

std::vector<Finding> CheckFile(const LayerTable& table, std::string_view path, std::string_view shown,
                               std::string_view source) {
  std::vector<Finding> findings;
  const LayerRow* row = table.RowOf(path);
  if (!row) {
    findings.push_back({std::string(shown), 1, "its folder has no row in the layer table"});
    return findings;
  }
  for (const Include& include : FindIncludes(source)) {
    std::string why = include.angled ? JudgeAngled(*row, include) : JudgeQuoted(table, *row, include);
    if (!why.empty()) findings.push_back({std::string(shown), include.line, std::move(why)});
  }
  return findings;
}

std::vector<Finding> CheckTree(const LayerTable& table, const std::filesystem::path& src, std::string_view src_name,
                               size_t* files) {
  std::vector<std::filesystem::path> paths;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(src)) {
    if (entry.is_regular_file() && IsSource(entry.path())) paths.push_back(entry.path());
  }
  std::sort(paths.begin(), paths.end());
  std::vector<Finding> findings;
  for (const std::filesystem::path& file : paths) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + file.string());
    std::ostringstream text;
    text << in.rdbuf();
    const std::string path = file.lexically_relative(src).generic_string();
    const std::string shown = std::string(src_name) + "/" + path;
    for (Finding& finding : CheckFile(table, path, shown, text.str())) findings.push_back(std::move(finding));
  }
  if (files) *files = paths.size();
  return findings;
}

}  // namespace layercheck
