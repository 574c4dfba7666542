// orvel-layercheck: fails when a source of src/ includes what the layer table does not allow.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "IncludeCheck.h"
#include "LayerTable.h"

namespace {

constexpr const char* kUsage =
    "usage: orvel-layercheck ROOT\n"
    "  reads the layer table of ROOT/docs/ARCHITECTURE.md and checks every #include of ROOT/src\n";

constexpr const char* kDocument = "docs/ARCHITECTURE.md";

std::string ReadText(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + file.string());
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void Print(const layercheck::Finding& finding) {
  std::fprintf(stderr, "%s:%d: %s\n", finding.file.c_str(), finding.line, finding.message.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  try {
    const std::filesystem::path root = argv[1];
    std::vector<layercheck::Finding> problems;
    const layercheck::LayerTable table =
        layercheck::LayerTable::Parse(ReadText(root / kDocument), kDocument, problems);
    for (const layercheck::Finding& problem : problems) Print(problem);
    if (!problems.empty()) return 1;
    size_t files = 0;
    const std::vector<layercheck::Finding> findings = layercheck::CheckTree(table, root / "src", "src", &files);
    for (const layercheck::Finding& finding : findings) Print(finding);
    if (!findings.empty()) {
      std::fprintf(stderr, "%zu include(s) break the layer table of %s\n", findings.size(), kDocument);
      return 1;
    }
    std::printf("the %zu sources of src/ keep the layer table of %s\n", files, kDocument);
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "orvel-layercheck: %s\n", e.what());
    return 1;
  }
}
