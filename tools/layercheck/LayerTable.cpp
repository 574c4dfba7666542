// Reading the layer table out of the architecture document's Markdown.
#include "LayerTable.h"

#include <algorithm>

namespace layercheck {

namespace {

constexpr std::string_view kHeader[] = {"folder", "what lives there", "may include from",
                                        "libraries and system headers"};

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  while (start <= text.size()) {
    const size_t end = text.find('\n', start);
    if (end == std::string_view::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

bool IsTableLine(std::string_view line) { return Trim(line).starts_with('|'); }

// The cells of "| a | b |": the text between the pipes, trimmed.
std::vector<std::string_view> Cells(std::string_view line) {
  line = Trim(line);
  if (line.starts_with('|')) line.remove_prefix(1);
  if (line.ends_with('|')) line.remove_suffix(1);
  std::vector<std::string_view> cells;
  size_t start = 0;
  for (;;) {
    const size_t bar = line.find('|', start);
    cells.push_back(Trim(line.substr(start, bar == std::string_view::npos ? bar : bar - start)));
    if (bar == std::string_view::npos) return cells;
    start = bar + 1;
  }
}

// The texts between pairs of backticks.
std::vector<std::string> Quoted(std::string_view cell) {
  std::vector<std::string> out;
  size_t open = cell.find('`');
  while (open != std::string_view::npos) {
    const size_t close = cell.find('`', open + 1);
    if (close == std::string_view::npos) break;
    out.emplace_back(cell.substr(open + 1, close - open - 1));
    open = cell.find('`', close + 1);
  }
  return out;
}

bool IsFolder(std::string_view s) { return s.size() > 1 && s.ends_with('/') && !s.starts_with('/'); }

bool IsHeaderRow(std::string_view line) {
  const std::vector<std::string_view> cells = Cells(line);
  if (cells.size() < std::size(kHeader)) return false;
  return std::equal(std::begin(kHeader), std::end(kHeader), cells.begin());
}

class Parser {
 public:
  Parser(std::string_view document, std::vector<Finding>& problems) : document_(document), problems_(problems) {}

  void Problem(int line, std::string message) { problems_.push_back({std::string(document_), line, std::move(message)}); }

  // A row of the table, or nothing when the row is malformed (reported).
  bool ReadRow(std::string_view text, int line, LayerRow& row) {
    const std::vector<std::string_view> cells = Cells(text);
    if (cells.size() < std::size(kHeader)) {
      Problem(line, "a row of the layer table needs four cells");
      return false;
    }
    const std::vector<std::string> folder = Quoted(cells[0]);
    if (folder.size() != 1 || !IsFolder(folder[0])) {
      Problem(line, "the first cell of a layer row names one folder in backticks, ending in \"/\"");
      return false;
    }
    row.folder = folder[0];
    row.line = line;
    for (std::string& used : Quoted(cells[2])) {
      if (!IsFolder(used)) {
        Problem(line, "`" + used + "` in \"may include from\" is not a folder ending in \"/\"");
        continue;
      }
      row.may_include.push_back(std::move(used));
    }
    for (std::string& header : Quoted(cells[3])) {
      if (header.size() < 3 || header.front() != '<' || header.back() != '>') {
        Problem(line, "`" + header + "` in \"libraries and system headers\" is not a header in angle brackets");
        continue;
      }
      row.headers.push_back(header.substr(1, header.size() - 2));
    }
    return true;
  }

 private:
  std::string_view document_;
  std::vector<Finding>& problems_;
};

}  // namespace

bool InFolder(std::string_view path, std::string_view folder) { return path.starts_with(folder); }

bool HeaderMatches(std::string_view pattern, std::string_view header) {
  if (pattern.ends_with('*')) return header.starts_with(pattern.substr(0, pattern.size() - 1));
  return pattern == header;
}

LayerTable LayerTable::Parse(std::string_view markdown, std::string_view document, std::vector<Finding>& problems) {
  Parser parser(document, problems);
  LayerTable table;
  const std::vector<std::string_view> lines = Lines(markdown);
  size_t i = 0;
  while (i < lines.size() && !IsHeaderRow(lines[i])) ++i;
  if (i == lines.size()) {
    parser.Problem(0, "no layer table: no row starts \"| folder | what lives there | may include from | "
                      "libraries and system headers |\"");
    return table;
  }
  i += 2;  // the header and the row of dashes under it
  const size_t first = i;
  for (; i < lines.size() && IsTableLine(lines[i]); ++i) {
    LayerRow row;
    if (parser.ReadRow(lines[i], static_cast<int>(i + 1), row)) table.rows_.push_back(std::move(row));
  }
  if (i <= first) parser.Problem(0, "the layer table has no rows");

  for (size_t r = 0; r < table.rows_.size(); ++r) {
    const LayerRow& row = table.rows_[r];
    for (size_t earlier = 0; earlier < r; ++earlier) {
      if (table.rows_[earlier].folder == row.folder)
        parser.Problem(row.line, "`" + row.folder + "` has a row already, at line " +
                                     std::to_string(table.rows_[earlier].line));
    }
    for (const std::string& used : row.may_include) {
      const auto target = std::find_if(table.rows_.begin(), table.rows_.end(),
                                       [&](const LayerRow& other) { return other.folder == used; });
      if (target != table.rows_.end() && static_cast<size_t>(target - table.rows_.begin()) <= r)
        parser.Problem(row.line, "`" + row.folder + "` may include from `" + used +
                                     "`, which does not stand below it in the table");
    }
  }
  return table;
}

const LayerRow* LayerTable::RowOf(std::string_view path) const {
  const LayerRow* best = nullptr;
  for (const LayerRow& row : rows_) {
    if (InFolder(path, row.folder) && (!best || row.folder.size() > best->folder.size())) best = &row;
  }
  return best;
}

}  // namespace layercheck
