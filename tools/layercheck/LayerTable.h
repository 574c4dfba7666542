// The layer table of docs/ARCHITECTURE.md as data: each folder of src/, what it may include, in order.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace layercheck {

// One problem, placed like a compiler message: "file:line: message".
struct Finding {
  std::string file;
  int line = 0;
  std::string message;
};

// One row of the table. Folders are written from src/ and end in "/" ("skin/data/").
struct LayerRow {
  std::string folder;
  // Folders whose headers this folder may include, besides its own.
  std::vector<std::string> may_include;
  // Library and system headers it may include, without the angle brackets; a "*" at the end
  // matches any rest ("X11/*", or "*" alone for any header).
  std::vector<std::string> headers;
  int line = 0;  // where the row stands in the document
};

// The table is the one of the document whose header row starts
//   | folder | what lives there | may include from | libraries and system headers |
// Each row names one folder in backticks in its first cell; the third cell lists folders in
// backticks, the fourth headers in backticks and angle brackets (`<zlib.h>`). Anything else in a
// cell is commentary for the reader. Rows run from the top of the layers to the bottom: a row may
// only name folders that stand below it.
class LayerTable {
 public:
  // Reads the table from the document's text; what is malformed goes to `problems`, placed in
  // `document` (the name used in the messages).
  static LayerTable Parse(std::string_view markdown, std::string_view document, std::vector<Finding>& problems);

  const std::vector<LayerRow>& Rows() const { return rows_; }
  // The row of the longest folder that `path` (written from src/) begins with, or null.
  const LayerRow* RowOf(std::string_view path) const;
  // Position of a row from the top; a smaller number stands higher.
  size_t Position(const LayerRow& row) const { return static_cast<size_t>(&row - rows_.data()); }

 private:
  std::vector<LayerRow> rows_;
};

// True when `path` lies in `folder` (which ends in "/").
bool InFolder(std::string_view path, std::string_view folder);

// True when a header pattern of the table matches the header name.
bool HeaderMatches(std::string_view pattern, std::string_view header);

}  // namespace layercheck
