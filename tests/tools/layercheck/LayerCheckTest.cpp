// The layer table read from Markdown, and includes judged against it, on a small table.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "IncludeCheck.h"
#include "LayerTable.h"

namespace layercheck {
namespace {

constexpr const char* kDocument = R"(# Layers

Some text, and a table that is not the layer table:

| folder | what |
|---|---|
| `ui/` | nothing |

| folder | what lives there | may include from | libraries and system headers |
|---|---|---|---|
| `app/` | the top | everything: `ui/` `skin/data/` `gfx/`, and `resources/` | |
| `ui/` | the toolkit | `platform/` `gfx/` | |
| `platform/` | the OS | `gfx/` (geometry) | SDL `<SDL*>`, Xlib `<X11/*>` |
| `skin/data/` | records | `gfx/` | zlib `<zlib.h>` |
| `gfx/` | pictures | | files: `<sys/stat.h>` |

After the table.
)";

LayerTable Table() {
  std::vector<Finding> problems;
  LayerTable table = LayerTable::Parse(kDocument, "doc.md", problems);
  EXPECT_TRUE(problems.empty()) << problems.front().line << ": " << problems.front().message;
  return table;
}

TEST(LayerCheckTest, ReadsTheRowsInOrder) {
  const LayerTable table = Table();
  ASSERT_EQ(table.Rows().size(), 5u);
  const LayerRow& app = table.Rows()[0];
  EXPECT_EQ(app.folder, "app/");
  EXPECT_EQ(app.line, 11);
  EXPECT_EQ(app.may_include, (std::vector<std::string>{"ui/", "skin/data/", "gfx/", "resources/"}));
  EXPECT_EQ(table.Rows()[2].headers, (std::vector<std::string>{"SDL*", "X11/*"}));
  EXPECT_TRUE(table.Rows()[4].may_include.empty());
  EXPECT_EQ(table.RowOf("platform/sdl/SdlBackend.cpp"), &table.Rows()[2]);
  EXPECT_EQ(table.RowOf("skin/database/X.h"), nullptr);
}

struct Expected {
  int line;
  const char* says;
};

struct FileCase {
  const char* name;
  const char* path;
  const char* source;
  std::vector<Expected> findings;
};

TEST(LayerCheckTest, JudgesEachInclude) {
  const FileCase cases[] = {
      {"own folder and a listed one", "ui/Form.cpp", "#include \"ui/Form.h\"\n#include \"gfx/Canvas.h\"\n", {}},
      {"a subfolder belongs to its parent's row", "platform/sdl/SdlBackend.cpp",
       "#include \"platform/Backend.h\"\n#include <SDL.h>\n#include <SDL_syswm.h>\n#include <X11/extensions/shape.h>\n",
       {}},
      {"a listed folder outside the table", "app/main.cpp", "#include \"resources/EmbeddedSkin.h\"\n", {}},
      {"standard headers need no row", "ui/Form.cpp", "#include <vector>\n#include <cstdio>\n", {}},
      {"upwards", "gfx/Canvas.cpp", "// Canvas.\n#include \"gfx/Canvas.h\"\n\n#include \"ui/Control.h\"\n",
       {{4, "includes \"ui/Control.h\" from `ui/`, which stands above `gfx/`"}}},
      {"below but not listed", "ui/Form.cpp", "#include \"skin/data/SkinRecord.h\"\n",
       {{1, "which the layer table does not let `ui/` use"}}},
      {"a folder named like a listed one", "app/main.cpp", "#include \"skin/database/Record.h\"\n",
       {{1, "lies in no folder of the layer table"}}},
      {"not written from src/", "ui/Form.cpp", "#include \"Form.h\"\n", {{1, "not written from src/"}}},
      {"a library header the row does not list", "ui/Form.cpp", "#include <SDL.h>\n#include <zlib.h>\n",
       {{1, "includes <SDL.h>, which the layer table does not list for `ui/`"}, {2, "<zlib.h>"}}},
      {"a listed header, an unlisted one", "gfx/FileIo.cpp", "#include <sys/stat.h>\n#include <unistd.h>\n",
       {{2, "<unistd.h>"}}},
      {"a listed pattern is not a prefix of other names", "platform/Backend.cpp", "#include <X11.h>\n",
       {{1, "<X11.h>"}}},
      {"directive spellings", "gfx/Canvas.cpp",
       "  #  include   \"ui/A.h\"\n// #include \"ui/B.h\"\n#include FT_FREETYPE_H\n#define X \"ui/C.h\"\n"
       "#include\t<SDL.h>\n",
       {{1, "\"ui/A.h\""}, {5, "<SDL.h>"}}},
      {"a folder without a row", "skin/database/Record.cpp", "#include \"gfx/Canvas.h\"\n",
       {{1, "its folder has no row in the layer table"}}},
  };
  const LayerTable table = Table();
  for (const FileCase& c : cases) {
    SCOPED_TRACE(c.name);
    const std::vector<Finding> found = CheckFile(table, c.path, std::string("src/") + c.path, c.source);
    ASSERT_EQ(found.size(), c.findings.size());
    for (size_t i = 0; i < found.size(); ++i) {
      EXPECT_EQ(found[i].file, std::string("src/") + c.path);
      EXPECT_EQ(found[i].line, c.findings[i].line);
      EXPECT_NE(found[i].message.find(c.findings[i].says), std::string::npos) << found[i].message;
    }
  }
}

struct TableCase {
  const char* name;
  const char* rows;
  Expected problem;  // line 0: the document as a whole
};

TEST(LayerCheckTest, RefusesAMalformedTable) {
  const TableCase cases[] = {
      {"a row lists a folder above it", "| `a/` | | `b/` | |\n| `b/` | | `a/` | |\n",
       {4, "`b/` may include from `a/`, which does not stand below it"}},
      {"a row lists itself", "| `a/` | | `a/` | |\n", {3, "does not stand below it"}},
      {"a folder with two rows", "| `a/` | | | |\n| `b/` | | | |\n| `a/` | | | |\n", {5, "has a row already, at line 3"}},
      {"a row without a folder", "| a/ | | | |\n", {3, "names one folder in backticks"}},
      {"a row with two folders", "| `a/`, `b/` | | | |\n", {3, "names one folder in backticks"}},
      {"a used name that is no folder", "| `a/` | | `b` | |\n", {3, "`b` in \"may include from\" is not a folder"}},
      {"a header without brackets", "| `a/` | | | `zlib.h` |\n", {3, "is not a header in angle brackets"}},
      {"a short row", "| `a/` | |\n", {3, "needs four cells"}},
      {"no rows", "", {0, "has no rows"}},
  };
  for (const TableCase& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string text =
        std::string("| folder | what lives there | may include from | libraries and system headers |\n|---|---|---|---|\n") +
        c.rows + "\ntext\n";
    std::vector<Finding> problems;
    LayerTable::Parse(text, "doc.md", problems);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].file, "doc.md");
    EXPECT_EQ(problems[0].line, c.problem.line);
    EXPECT_NE(problems[0].message.find(c.problem.says), std::string::npos) << problems[0].message;
  }
  std::vector<Finding> problems;
  LayerTable::Parse("# A document\n\nwith no table.\n", "doc.md", problems);
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_NE(problems[0].message.find("no layer table"), std::string::npos);
}

}  // namespace
}  // namespace layercheck
