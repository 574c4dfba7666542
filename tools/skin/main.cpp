// orvel-skin: packs a skin folder and prints what a skin holds.
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "SkinInfo.h"

namespace {

constexpr const char* kUsage =
    "usage:\n"
    "  orvel-skin pack SKIN.ini OUT             write a compressed skin file\n"
    "  orvel-skin pack --stored SKIN.ini PICTURES INI\n"
    "                                           write a stored skin: its Pictures stream and INI text\n"
    "  orvel-skin info PATH                     print what a skin folder (or its INI file), a\n"
    "                                           compressed skin file or a Pictures stream holds\n"
    "  orvel-skin info PICTURES INI             print what a stored skin holds\n";

int Usage() {
  std::fputs(kUsage, stderr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) return Usage();
  const std::string command = args[0];
  args.erase(args.begin());
  try {
    if (command == "pack") {
      if (args.size() == 2 && args[0] != "--stored") {
        skin::PackCompressedSkin(args[0], args[1]);
        return 0;
      }
      if (args.size() == 4 && args[0] == "--stored") {
        skin::PackStoredSkin(args[1], args[2], args[3]);
        return 0;
      }
      return Usage();
    }
    if (command == "info") {
      if (args.size() == 1) {
        skin::PrintSkinInfo(args[0], "", stdout);
        return 0;
      }
      if (args.size() == 2) {
        skin::PrintSkinInfo(args[0], args[1], stdout);
        return 0;
      }
      return Usage();
    }
    if (command == "--help" || command == "-h" || command == "help") {
      std::fputs(kUsage, stdout);
      return 0;
    }
    return Usage();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "orvel-skin: %s\n", e.what());
    return 1;
  }
}
