// orvel-skingen: draws the program's own skin into a skin folder and renders a contact sheet of it.
#include <cstdio>
#include <exception>
#include <string>

#include "ContactSheet.h"
#include "SkinDesign.h"

namespace {

constexpr const char* kUsage =
    "usage:\n"
    "  orvel-skingen write FOLDER            draw the skin and write skin.ini and its pictures\n"
    "  orvel-skingen sheet SKIN.ini OUT.bmp  render every record of a skin folder for review\n";

}  // namespace

int main(int argc, char** argv) {
  try {
    if (argc == 3 && std::string(argv[1]) == "write") {
      skingen::WriteSkinFolder(skingen::BuildSkin(), argv[2]);
      return 0;
    }
    if (argc == 4 && std::string(argv[1]) == "sheet") {
      skingen::WriteContactSheet(argv[2], argv[3]);
      return 0;
    }
    std::fputs(kUsage, stderr);
    return 2;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "orvel-skingen: %s\n", e.what());
    return 1;
  }
}
