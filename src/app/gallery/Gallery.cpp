// `orvel --gallery`: the control gallery on the desktop, as a picture file or as a list of samples.
#include "app/gallery/Gallery.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "app/WindowedApp.h"
#include "app/gallery/GalleryWindow.h"
#include "gfx/BmpCodec.h"
#include "gfx/Canvas.h"
#include "gfx/FileIo.h"
#include "platform/Backend.h"
#include "platform/headless/HeadlessBackend.h"
#include "ui/Application.h"

namespace app {

namespace {

constexpr const char* kUsage =
    "用法: orvel --gallery [basic|frame|complex] [--shot FILE] [--list]\n"
    "  basic        基本控件 (默认)\n"
    "  frame        窗口框架样例: 窗口的各种状态、菜单、提示和消息框\n"
    "  complex      复合控件样例: 编辑框、页面、列表、树和工具栏\n"
    "  --shot FILE  不打开窗口, 把样例窗口画成 BMP 文件\n"
    "  --list       不打开窗口, 每个样例一行: 半边 名称 状态 左,上 宽x高\n";

struct GalleryArgs {
  GalleryPage page = GalleryPage::kBasic;
  std::string shot;
  bool list = false;
};

// Timers run on the headless clock in 20 ms steps, as the morph timers tick.
void AdvanceHeadless(platform::HeadlessBackend& backend, ui::Application& app, uint32_t ms) {
  for (uint32_t done = 0; done < ms; done += 20) {
    backend.AdvanceClock(20);
    app.ProcessMessages();
  }
}

void PrintList(const GalleryWindow& window) {
  for (const auto& half : window.Halves()) {
    for (const GallerySample& s : half->Samples()) {
      const ui::Control& c = *s.control;
      const gfx::Point at = c.ClientToScreen({0, 0});
      const gfx::Point origin = window.ClientToScreen({0, 0});
      std::printf("%s %s %s %d,%d %dx%d\n", half->Half().c_str(), s.name.c_str(), s.state.c_str(), at.x - origin.x,
                  at.y - origin.y, c.Width(), c.Height());
    }
  }
}

// The window's picture with the popups over it (menus, hints) drawn on top in the order they
// opened; the picture grows to take in popups that reach past the window, on the headless desktop's
// colour.
gfx::Bitmap ShotWithPopups(const GalleryWindow& window, const ui::Application& app) {
  if (window.Surface() == nullptr) return window.FrameBuffer();
  const gfx::Rect bounds = window.Surface()->Bounds();
  const gfx::Rect client = window.Surface()->ClientRect();
  const gfx::Rect frame = gfx::Rect::FromSize(bounds.left + client.left, bounds.top + client.top,
                                              window.FrameBuffer().Width(), window.FrameBuffer().Height());
  std::vector<const ui::Form*> popups;
  gfx::Rect all = frame;
  for (const ui::Form* f : app.LiveForms()) {
    if (f == &window || !f->Visible() || f->Surface() == nullptr) continue;
    if (f->SurfaceKind() != platform::SurfaceKind::kPopup) continue;
    popups.push_back(f);
    const gfx::Rect r = f->Surface()->Bounds();
    all = {std::min(all.left, r.left), std::min(all.top, r.top), std::max(all.right, r.right),
           std::max(all.bottom, r.bottom)};
  }
  gfx::Bitmap shot(all.Width(), all.Height(), 24);
  shot.Fill(platform::HeadlessBackend::kDesktopColor);
  gfx::Canvas canvas(shot);
  canvas.Draw(frame.left - all.left, frame.top - all.top, window.FrameBuffer());
  for (const ui::Form* f : popups) {
    const gfx::Rect r = f->Surface()->Bounds();
    canvas.Draw(r.left - all.left, r.top - all.top, f->FrameBuffer());
  }
  return shot;
}

int RunHeadless(const GalleryArgs& args) {
  auto owned = std::make_unique<platform::HeadlessBackend>();
  platform::HeadlessBackend& backend = *owned;
  platform::SetBackend(std::move(owned));
  int code = 0;
  {
    ui::Application app;
    auto* window = app.CreateForm<GalleryWindow>(args.page);
    window->Build();
    window->Show();
    app.ProcessMessages();
    GalleryInput input([&](uint32_t ms) { AdvanceHeadless(backend, app, ms); });
    window->SetUpStates(input);
    window->UpdateNow();
    if (args.list) PrintList(*window);
    if (!args.shot.empty()) {
      app.ProcessMessages();
      const gfx::Bitmap shot = ShotWithPopups(*window, app);
      gfx::WriteFileAtomically(args.shot, gfx::EncodeBmp(shot, gfx::BmpDepth::k24));
      std::fprintf(stderr, "orvel: %s (%dx%d)\n", args.shot.c_str(), shot.Width(), shot.Height());
    }
  }
  platform::SetBackend(nullptr);
  return code;
}

int RunDesktop(const GalleryArgs& args) {
  return RunOnDesktop([&args] {
    ui::Application app;
    auto* window = app.CreateForm<GalleryWindow>(args.page);
    window->Build();
    window->Show();
    app.ProcessMessages();
    GalleryInput input([&](uint32_t ms) {
      const uint64_t until = platform::GetBackend().NowMs() + ms;
      app.RunUntil([until] { return platform::GetBackend().NowMs() >= until; });
    });
    window->SetUpStates(input);
    app.Run();
    return 0;
  });
}

}  // namespace

int RunGallery(int argc, char** argv) {
  GalleryArgs args;
  for (int i = 2; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "basic") continue;
    if (arg == "frame") {
      args.page = GalleryPage::kFrame;
    } else if (arg == "--list") {
      args.list = true;
    } else if (arg == "--shot" && i + 1 < argc) {
      args.shot = argv[++i];
    } else if (arg == "complex") {
      args.page = GalleryPage::kComplex;
    } else if (arg == "--help" || arg == "-h") {
      std::fputs(kUsage, stdout);
      return 0;
    } else {
      std::fprintf(stderr, "orvel: 未知的参数: %s\n\n%s", arg.c_str(), kUsage);
      return 2;
    }
  }
  try {
    if (args.list || !args.shot.empty()) return RunHeadless(args);
    return RunDesktop(args);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "orvel: %s\n", e.what());
    if (platform::HasBackend()) platform::SetBackend(nullptr);
    return 1;
  }
}

}  // namespace app
