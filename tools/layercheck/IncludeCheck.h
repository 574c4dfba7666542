// Checks the #include lines of the sources of src/ against the layer table.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "LayerTable.h"

namespace layercheck {

struct Include {
  int line = 0;
  bool angled = false;  // <name> rather than "name"
  std::string name;
};

// The #include directives of a source text that name a header in quotes or angle brackets (an
// include through a macro names none and is skipped).
std::vector<Include> FindIncludes(std::string_view source);

// What the table refuses in one source file. `path` is written from src/ ("ui/Form.cpp");
// `shown` is the name the findings use for the file.
std::vector<Finding> CheckFile(const LayerTable& table, std::string_view path, std::string_view shown,
                               std::string_view source);

// Checks every C++ source and header below `src` (its findings name files as `src_name` + "/" +
// the path within it). `files` receives the number of files read.
std::vector<Finding> CheckTree(const LayerTable& table, const std::filesystem::path& src, std::string_view src_name,
                               size_t* files = nullptr);

}  // namespace layercheck
