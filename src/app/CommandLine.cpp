// The command line: batch compression and single-picture conversion without a display.
#include "app/CommandLine.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <initializer_list>
#include <iterator>
#include <stdexcept>
#include <tuple>
#include <utility>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "app/BatchReporter.h"
#include "app/DialogCommand.h"
#include "batch/BatchCompressor.h"
#include "batch/FileConverter.h"
#include "batch/SourceList.h"
#include "batch/StreamConverter.h"
#include "gfx/Geometry.h"
#include "picture/PictureFile.h"

namespace app {

namespace {

constexpr const char* kHelp =
    "用法:\n"
    "  orvel [FILE]                              启动图形界面 (给出 FILE 时打开这张图片)\n"
    "  orvel --batch [-q Q] [-f jpeg|webp|bmp] -o DIR FILE|文件夹...\n"
    "                                            批量压缩: 每个 FILE 写成 DIR/Orvel_<名字>.jpg\n"
    "                                            (-f webp 为 .webp, -f bmp 为 .bmp)\n"
    "  orvel --convert IN OUT [-q Q] [--size WxH]\n"
    "                                            另存一张图片: OUT 以 .bmp 结尾时存为位图(保持颜色深度),\n"
    "                                            以 .webp 结尾时存为 WebP, 否则存为 JPEG (扩展名换成\n"
    "                                            .jpg); --size 先缩放到 W x H\n"
    "  orvel --gallery [basic|frame|complex] [--shot FILE] [--list]\n"
    "                                            控件样例窗口: 左半边带皮肤, 右半边不带皮肤;\n"
    "                                            frame 是窗口框架和菜单, complex 是复合控件;\n"
    "                                            --shot 不打开窗口画成 BMP, --list 列出每个样例的位置\n"
    "  orvel --dialog open|save|folder [--multi] [--no-skin] [--initial DIR]\n"
    "                                            单独打开一个文件对话框, 确认后打印 FileName=、\n"
    "                                            SelectedFile= (每个选中的文件一行)、FilterIndex=\n"
    "                                            或 Directory= 行, 取消时打印 cancelled (退出码 1);\n"
    "                                            --multi 可选多个文件, --no-skin 不带皮肤\n"
    "  orvel --help                              显示本说明\n"
    "\n"
    "选项:\n"
    "  -q, --quality Q   JPEG 和 WebP 的质量 0..100 (默认 75; JPEG 的 0 按 1 处理)\n"
    "  -f, --format F    批量输出格式: jpeg (默认)、webp 或 bmp; WebP 和位图不带元数据\n"
    "  --progressive     JPEG 输出用渐进式扫描\n"
    "  --optimize        JPEG 输出用为每张图片优化的哈夫曼表: 文件更小, 像素完全相同\n"
    "  -o, --output DIR  输出目录 (必须已存在)\n"
    "  -j, --jobs N      同时处理的文件数 (默认每个处理器核心一个)\n"
    "  --strip           JPEG 输出不写任何元数据, 只保留 ICC 颜色配置 (例如去掉 GPS 位置)\n"
    "  --keep-dates      输出文件的修改时间与源文件相同\n"
    "  -r, --recursive   FILE 是文件夹时也处理它各层子文件夹里的图片 (不加 -r 只处理这一层);\n"
    "                    以点开头的文件和文件夹跳过, 不进入指向文件夹的链接, 按名字顺序处理\n"
    "  --keep-tree       输出按源文件夹的层次放在 DIR 下的同名子文件夹里, 而不是都放在 DIR\n"
    "  --files-from FILE 从 FILE 读取源文件列表 (- 为标准输入), 每行一个, 或以 NUL 字符分隔\n"
    "  --shard I/N       只处理排序后的源文件列表中从第 I 个 (从 0 开始) 起每隔 N 个的文件,\n"
    "                    供多台机器或多个任务分担同一批文件\n"
    "  --skip-existing   输出文件已存在且不旧于源文件时跳过, 中断后重新运行即可接着做\n"
    "  --quiet           只报告失败的文件 (写到标准错误)\n"
    "  --json            每个文件一行 JSON 对象, 最后一行是汇总 (供脚本读取)\n"
    "  --no-larger       JPEG 源文件压缩后反而变大时, 改为原样复制源文件 (与 --strip 同用时不复制,\n"
    "                    因为源文件带有元数据); 结尾会统计压缩后变大的文件数\n"
    "\n"
    "源文件按内容识别: JPEG、BMP、PNG、WebP (PNG 的透明部分按白色底合成); 内容无法识别时才按\n"
    "扩展名选择读取方式。JPEG 源文件的 EXIF (日期、相机、曝光、GPS)、XMP、注释和 ICC 配置都写入\n"
    "JPEG 输出; 像素已按 EXIF 方向转正, 所以方向标记写为 1, EXIF 缩略图不保留。\n"
    "在终端上运行时, 批量压缩显示一行进度 (已完成/总数、输入和输出字节、节省比例、速度、剩余时间),\n"
    "每秒最多刷新十次; 输出不是终端时每个文件一行。\n"
    "输出先写入临时文件, 完成后才改名, 失败时不会留下半个文件。有文件失败时退出码为 1, 用法错误时为 2。\n";

class UsageError : public std::exception {
 public:
  explicit UsageError(std::string text) : text_(std::move(text)) {}
  const char* what() const noexcept override { return text_.c_str(); }

 private:
  std::string text_;
};

int ParseInt(const std::string& text, int low, int high, const std::string& what) {
  if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos)
    throw UsageError(what + " 必须是 " + std::to_string(low) + " 到 " + std::to_string(high) + " 的整数: " + text);
  int value = std::atoi(text.c_str());
  if (value < low || value > high)
    throw UsageError(what + " 必须是 " + std::to_string(low) + " 到 " + std::to_string(high) + " 的整数: " + text);
  return value;
}

gfx::Size ParseSize(const std::string& text) {
  size_t x = text.find_first_of("xX");
  if (x == std::string::npos) throw UsageError("--size 的格式是 WxH, 例如 800x600: " + text);
  int w = ParseInt(text.substr(0, x), 0, 100000, "宽度");
  int h = ParseInt(text.substr(x + 1), 0, 100000, "高度");
  if (w == 0 || h == 0) throw UsageError("自定义图片大小无效: 宽度和高度都必须大于 0: " + text);
  return {w, h};
}

struct Arguments {
  std::vector<std::string> positional;
  int quality = 75;
  std::string output;
  unsigned jobs = 0;
  std::optional<gfx::Size> size;
  bool strip = false;
  bool keep_dates = false;
  batch::OutputFormat format = batch::OutputFormat::kJpeg;
  bool progressive = false;
  bool optimize = false;
  bool no_larger = false;
  bool quiet = false;
  bool json = false;
  bool skip_existing = false;
  bool recursive = false;
  bool keep_tree = false;
  unsigned shard = 0, shards = 1;  // --shard I/N
  std::vector<std::string> lists;  // --files-from
};

// I/N with 0 <= I < N.
std::pair<unsigned, unsigned> ParseShard(const std::string& text) {
  const size_t slash = text.find('/');
  if (slash == std::string::npos) throw UsageError("--shard 的格式是 I/N, 例如 0/4: " + text);
  const int count = ParseInt(text.substr(slash + 1), 1, 1000000, "--shard 的 N");
  const int index = ParseInt(text.substr(0, slash), 0, count - 1, "--shard 的 I");
  return {static_cast<unsigned>(index), static_cast<unsigned>(count)};
}

// Adds the sources a list file names ("-": standard input), one a line, or separated by NUL
// characters when the list holds any (as `find -print0` writes them, for names with line
// breaks). The file is read whole, since one NUL anywhere decides how all of it is split, and
// let go once its names are in the source list.
void AddFileList(const std::string& list, bool recursive, batch::SourceList& sources,
                 const std::function<void(const std::string&)>& warn) {
  std::FILE* in = list == "-" ? stdin : std::fopen(list.c_str(), "rb");
  if (in == nullptr) throw std::runtime_error("无法读取文件列表 " + list + ": " + std::strerror(errno));
  std::string text;
  char buffer[65536];
  for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, in)) > 0;) text.append(buffer, n);
  const bool failed = std::ferror(in) != 0;
  if (in != stdin) std::fclose(in);
  if (failed) throw std::runtime_error("无法读取文件列表 " + list);
  const char separator = text.find('\0') != std::string::npos ? '\0' : '\n';
  std::string name;
  for (size_t start = 0; start < text.size();) {
    size_t end = text.find(separator, start);
    if (end == std::string::npos) end = text.size();
    name.assign(text, start, end - start);
    if (separator == '\n' && !name.empty() && name.back() == '\r') name.pop_back();
    if (!name.empty()) batch::AddSources(name, recursive, sources, warn);
    start = end + 1;
  }
}

batch::OutputFormat ParseFormat(const std::string& text) {
  if (text == "jpeg" || text == "jpg") return batch::OutputFormat::kJpeg;
  if (text == "webp") return batch::OutputFormat::kWebp;
  if (text == "bmp") return batch::OutputFormat::kBmp;
  throw UsageError("-f 的值必须是 jpeg、webp 或 bmp: " + text);
}

bool EndsWithIgnoringCase(const std::string& text, const std::string& tail) {
  if (text.size() < tail.size()) return false;
  for (size_t i = 0; i < tail.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(text[text.size() - tail.size() + i])) != tail[i]) return false;
  return true;
}

Arguments Parse(int argc, char** argv, int first) {
  Arguments a;
  auto value = [&](int& i) -> std::string {
    if (i + 1 >= argc) throw UsageError(std::string(argv[i]) + " 需要一个值");
    return argv[++i];
  };
  bool options_done = false;
  for (int i = first; i < argc; ++i) {
    std::string arg = argv[i];
    if (options_done || arg.empty() || arg[0] != '-' || arg == "-") {
      a.positional.push_back(arg);
    } else if (arg == "--") {
      options_done = true;
    } else if (arg == "-q" || arg == "--quality") {
      a.quality = ParseInt(value(i), 0, 100, "质量");
    } else if (arg == "-o" || arg == "--output") {
      a.output = value(i);
    } else if (arg == "-j" || arg == "--jobs") {
      a.jobs = static_cast<unsigned>(ParseInt(value(i), 1, 256, "文件数"));
    } else if (arg == "--size") {
      a.size = ParseSize(value(i));
    } else if (arg == "-f" || arg == "--format") {
      a.format = ParseFormat(value(i));
    } else if (arg == "--progressive") {
      a.progressive = true;
    } else if (arg == "--optimize") {
      a.optimize = true;
    } else if (arg == "--shard") {
      std::tie(a.shard, a.shards) = ParseShard(value(i));
    } else if (arg == "-r" || arg == "--recursive") {
      a.recursive = true;
    } else if (arg == "--keep-tree") {
      a.keep_tree = true;
    } else if (arg == "--skip-existing") {
      a.skip_existing = true;
    } else if (arg == "--files-from") {
      a.lists.push_back(value(i));
    } else if (arg == "--quiet") {
      a.quiet = true;
    } else if (arg == "--json") {
      a.json = true;
    } else if (arg == "--no-larger") {
      a.no_larger = true;
    } else if (arg == "--strip") {
      a.strip = true;
    } else if (arg == "--keep-dates") {
      a.keep_dates = true;
    } else {
      throw UsageError("未知的选项: " + arg);
    }
  }
  return a;
}

struct OptionUse {
  bool given;
  const char* name;
};

// An option the command has no use for is refused rather than passed over, so a run never looks
// as if it had honoured it.
void RefuseUnused(const char* command, const char* other, std::initializer_list<OptionUse> options) {
  for (const OptionUse& o : options) {
    if (o.given) throw UsageError(std::string(command) + " 不接受 " + o.name + " (只用于 " + other + ")");
  }
}

int RunBatch(const Arguments& arguments) {
  RefuseUnused("--batch", "--convert", {{arguments.size.has_value(), "--size"}});
  const Arguments& a = arguments;
  const auto warn = [](const std::string& warning) { std::fprintf(stderr, "orvel: %s\n", warning.c_str()); };
  batch::SourceList sources;
  for (const std::string& argument : a.positional) batch::AddSources(argument, a.recursive, sources, warn);
  for (const std::string& list : a.lists) AddFileList(list, a.recursive, sources, warn);
  const bool had_sources = !a.positional.empty();
  // Every machine sorts the same list the same way, so the shards split it without overlap.
  if (a.shards > 1) sources.SortAndKeepEvery(a.shard, a.shards);
  if (a.output.empty()) throw UsageError("--batch 需要输出目录 -o DIR");
  if (!had_sources && a.lists.empty()) throw UsageError("请导入图片！");
  if (!batch::IsExistingFolder(a.output)) {
    std::fprintf(stderr, "不是有效的路径！请重新选择！ (%s)\n", a.output.c_str());
    return 1;
  }
  batch::BatchOptions options;
  options.output_folder = a.output;
  options.quality = a.quality;
  options.workers = a.jobs;
  options.keep_metadata = !a.strip;
  options.keep_dates = a.keep_dates;
  options.format = a.format;
  options.progressive = a.progressive;
  options.optimize = a.optimize;
  options.no_larger = a.no_larger;
  options.skip_existing = a.skip_existing;
  options.keep_tree = a.keep_tree;
  using Mode = BatchReporter::Mode;
  const Mode mode = a.json ? Mode::kJson : a.quiet ? Mode::kQuiet : ::isatty(STDOUT_FILENO) ? Mode::kBar : Mode::kLines;
  const auto start = std::chrono::steady_clock::now();
  BatchReporter reporter(mode, stdout, stderr, sources.size(), [start] {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  });
  batch::BatchCompressor compressor;
  batch::BatchSummary summary =
      compressor.RunSources(sources, options, [&reporter](const batch::FileReport& r) { reporter.OnFile(r); });
  reporter.OnEnd(summary);
  return summary.failed == 0 && !summary.cancelled ? 0 : 1;
}

int RunConvert(const Arguments& a) {
  if (a.positional.size() != 2) throw UsageError("--convert 需要两个文件名: IN OUT");
  RefuseUnused("--convert", "--batch",
               {{a.format != batch::OutputFormat::kJpeg, "-f"}, {a.progressive, "--progressive"},
                {a.optimize, "--optimize"}, {a.no_larger, "--no-larger"}, {a.json, "--json"},
                {a.quiet, "--quiet"}, {a.skip_existing, "--skip-existing"}, {a.recursive, "-r"},
                {a.keep_tree, "--keep-tree"}, {a.shards != 1, "--shard"}, {!a.lists.empty(), "--files-from"},
                {!a.output.empty(), "-o"}, {a.jobs != 0, "-j"}});
  const std::string& in = a.positional[0];
  const std::string& out = a.positional[1];
  const bool jpeg_output = !batch::IsBitmapSource(out) && !EndsWithIgnoringCase(out, ".webp");
  if (jpeg_output && !a.size) {
    // A JPEG that needs no turn goes straight through a band at a time, on both cores.
    batch::ConvertOptions options;
    options.quality = a.quality;
    options.keep_metadata = !a.strip;
    options.two_threads = std::thread::hardware_concurrency() >= 2;
    const std::string target = picture::ReplaceExtension(out, ".jpg");
    if (batch::StreamPicture(in, target, options)) {
      if (a.keep_dates) batch::CopyFileTimes(in, target);
      std::printf("%s -> %s\n", in.c_str(), target.c_str());
      return 0;
    }
  }
  // With a size the picture is resized as it is read; the saves then keep its size.
  std::optional<picture::LoadedPicture> loaded =
      a.size ? picture::LoadPictureResized(in, *a.size, batch::IsBitmapSource(out)) : picture::LoadPictureFromFile(in);
  if (!loaded) {
    std::fprintf(stderr, "没有读取图片，程序错误: %s (文件不存在或不是 JPEG/BMP/PNG/WebP 图片)\n", in.c_str());
    return 1;
  }
  if (loaded->bitmap.IsEmpty()) {
    std::fprintf(stderr, "没有可以保存的图片！ (%s)\n", in.c_str());
    return 1;
  }
  if (a.strip) loaded->markers.clear();
  std::string written;
  if (batch::IsBitmapSource(out)) {
    written = picture::SavePictureAsBitmap(loaded->bitmap, out, std::nullopt);
  } else if (EndsWithIgnoringCase(out, ".webp")) {
    written = picture::SavePictureAsWebp(loaded->bitmap, out, a.quality, std::nullopt);
  } else {
    written = picture::SavePictureAsJpeg(loaded->bitmap, out, a.quality, std::nullopt, loaded->icc_profile,
                                         loaded->markers);
  }
  if (a.keep_dates) batch::CopyFileTimes(in, written);
  std::printf("%s -> %s\n", in.c_str(), written.c_str());
  return 0;
}

}  // namespace

int RunCommandLine(int argc, char** argv) {
  std::string command = argc > 1 ? argv[1] : "";
  try {
    if (command == "--help" || command == "-h") {
      std::fputs(kHelp, stdout);
      return 0;
    }
    if (command == "--batch") return RunBatch(Parse(argc, argv, 2));
    if (command == "--convert") return RunConvert(Parse(argc, argv, 2));
    if (command == "--dialog") {
      DialogOptions options;
      try {
        options = ParseDialogOptions(std::vector<std::string>(argv + 2, argv + argc));
      } catch (const std::invalid_argument& e) {
        throw UsageError(e.what());
      }
      return RunDialogCommand(options);
    }
    throw UsageError("未知的命令: " + command);
  } catch (const UsageError& e) {
    std::fprintf(stderr, "orvel: %s\n\n%s", e.what(), kHelp);
    return 2;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "orvel: %s\n", e.what());
    return 1;
  }
}

}  // namespace app
