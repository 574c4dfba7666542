// GalleryBuilder: what a control family's gallery function adds its samples to, for one half of the window.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/gallery/GalleryInput.h"
#include "ui/WinControl.h"

namespace skin {
class TskSkinData;
}

namespace app {

// One sample: a control in one state. `name` says what it is (usually its record name, "button",
// "expanel"), `state` how it was left ("normal", "hot", "pressed", "rolled", ...).
struct GallerySample {
  std::string name;
  std::string state;
  ui::Control* control = nullptr;
};

// Prints "<half>/<name>/<state> <event> <value>" on standard output for a live sample once the
// gallery is set up; events fired while samples are put into their states are not printed.
using GalleryEvents = std::function<void(const std::string& event, const std::string& value)>;

// Samples flow left to right in rows under headings, in the order they are added; they are
// placed once every family has added its samples, at the size each control then has (after it
// sized itself to the skin). A family function builds the same samples for both halves: with the
// program's skin data (the left, skinned half) and without one (the right, plain half).
class GalleryBuilder {
 public:
  GalleryBuilder(ui::WinControl& parent, skin::TskSkinData* skin_data, std::string half,
                 std::shared_ptr<bool> live);

  ui::WinControl& Parent() { return parent_; }
  // The skin data the skinned half's samples bind to; null in the plain half.
  skin::TskSkinData* SkinData() const { return skin_data_; }
  bool Skinned() const { return skin_data_ != nullptr; }
  // "skinned" or "plain".
  const std::string& Half() const { return half_; }

  // Starts a new row headed by a line of text.
  void Heading(const std::string& text);
  // Ends the current row without a heading.
  void NewRow();

  // Puts `control` on the half as a sample and returns it.
  template <class T>
  T* Add(std::string name, std::string state, std::unique_ptr<T> control) {
    T* raw = parent_.AddChild(std::move(control));
    Record(std::move(name), std::move(state), raw);
    return raw;
  }
  template <class T, class... Args>
  T* Make(std::string name, std::string state, Args&&... args) {
    return Add(std::move(name), std::move(state), std::make_unique<T>(std::forward<Args>(args)...));
  }

  // Runs once the window is shown and laid out: puts samples into their states through input.
  // Actions run in the order they were given, family by family.
  void WhenShown(std::function<void(GalleryInput&)> action) { actions_.push_back(std::move(action)); }

  // The event printer of a sample.
  GalleryEvents Events(const std::string& name, const std::string& state) const;

  // --- used by the window ---
  const std::vector<GallerySample>& Samples() const { return samples_; }
  // Places the samples inside `area` of the parent's client area; returns the bottom of the last row.
  int Layout(const gfx::Rect& area);
  void RunActions(GalleryInput& input);

 private:
  struct Item {
    enum class Kind { kSample, kHeading, kBreak } kind;
    ui::Control* control = nullptr;
  };
  void Record(std::string name, std::string state, ui::Control* control);

  ui::WinControl& parent_;
  skin::TskSkinData* skin_data_;
  std::string half_;
  std::shared_ptr<bool> live_;
  std::vector<GallerySample> samples_;
  std::vector<Item> items_;
  std::vector<std::function<void(GalleryInput&)>> actions_;
};

}  // namespace app
