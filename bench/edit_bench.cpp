// Costs of the text fields: pasting a megabyte into an edit, a page of a 10,000-line memo, one keystroke.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "platform/headless/HeadlessBackend.h"
#include "ui/Application.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/Memo.h"

namespace {

// A shown form on the headless backend; `T` is its one text field.
template <class T>
class Desk {
 public:
  Desk(int w, int h) {
    auto backend = std::make_unique<platform::HeadlessBackend>();
    backend_ = backend.get();
    platform::SetBackend(std::move(backend));
    app_ = std::make_unique<ui::Application>();
    form_ = app_->CreateForm<ui::Form>();
    form_->SetBorderStyle(ui::BorderStyle::kNone);
    form_->SetBounds(0, 0, w + 20, h + 20);
    field_ = form_->MakeChild<T>(form_);
    field_->SetBounds(10, 10, w, h);
    form_->Show();
    app_->ProcessMessages();
    field_->SetFocus();
    app_->ProcessMessages();
  }
  ~Desk() {
    app_.reset();
    platform::SetBackend(nullptr);
  }
  T& Field() { return *field_; }
  platform::HeadlessBackend& Backend() { return *backend_; }

 private:
  platform::HeadlessBackend* backend_ = nullptr;
  std::unique_ptr<ui::Application> app_;
  ui::Form* form_ = nullptr;
  T* field_ = nullptr;
};

// About a megabyte of one line: Latin words and Chinese characters.
std::string Megabyte() {
  std::string s;
  while (s.size() < (1u << 20)) s += "picture 图片压缩 quality ";
  return s;
}

// Pasting 1 MB into an empty edit and painting the field afterwards.
void BM_EditPasteMegabyte(benchmark::State& state) {
  Desk<ui::Edit> desk(300, 21);
  desk.Backend().SetClipboardText(Megabyte());
  for (auto _ : state) {
    state.PauseTiming();
    desk.Field().SetText("");
    desk.Field().Update();
    state.ResumeTiming();
    desk.Field().PasteFromClipboard();
    desk.Field().Update();
  }
  state.SetLabel(std::to_string(desk.Field().Text().size()) + " bytes");
}
BENCHMARK(BM_EditPasteMegabyte)->Unit(benchmark::kMillisecond);

// One page down in a 10,000-line memo and its repaint (from the top again at the end).
void BM_MemoScrollPage(benchmark::State& state) {
  Desk<ui::Memo> desk(400, 300);
  std::string text;
  for (int i = 0; i < 10000; ++i) text += "第 " + std::to_string(i) + " 行: a line of the usage text 图片\n";
  desk.Field().SetText(text);
  desk.Field().Update();
  for (auto _ : state) {
    if (desk.Field().FirstVisibleLine() + 2 * desk.Field().VisibleLineCount() >= desk.Field().LineCount()) {
      desk.Field().ScrollToLine(0);
    }
    desk.Field().VScroll(ui::kSbPageDown);
    desk.Field().Update();
  }
  state.SetLabel(std::to_string(desk.Field().LineCount()) + " lines");
}
BENCHMARK(BM_MemoScrollPage)->Unit(benchmark::kMicrosecond);

// One typed character in an edit holding a line of text, with the redraw it causes.
void BM_EditKeystroke(benchmark::State& state) {
  Desk<ui::Edit> desk(300, 21);
  desk.Field().SetText(std::string(60, 'x'));
  desk.Field().SetSel(30, 30);
  desk.Field().Update();
  for (auto _ : state) {
    desk.Field().Send(ui::Message::MakeChar(U'图'));
    desk.Field().Update();
    state.PauseTiming();
    desk.Field().Undo();
    desk.Field().SetSel(30, 30);
    desk.Field().Update();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_EditKeystroke)->Unit(benchmark::kMicrosecond);

// One typed character in a wrapped 10,000-line memo: only its line is redrawn.
void BM_MemoKeystroke(benchmark::State& state) {
  Desk<ui::Memo> desk(400, 300);
  std::string text;
  for (int i = 0; i < 10000; ++i) text += "line " + std::to_string(i) + " of the usage text\n";
  desk.Field().SetText(text);
  desk.Field().SetSel(5, 5);
  desk.Field().Update();
  for (auto _ : state) {
    desk.Field().Send(ui::Message::MakeChar(U'x'));
    desk.Field().Update();
  }
}
BENCHMARK(BM_MemoKeystroke)->Unit(benchmark::kMicrosecond);

}  // namespace
