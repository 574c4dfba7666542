// ProgressBar: a plain horizontal gauge from Min to Max.
#pragma once

#include "ui/WinControl.h"

namespace ui {

class ProgressBar : public WinControl {
 public:
  ProgressBar();

  int Min() const { return min_; }
  int Max() const { return max_; }
  int Position() const { return position_; }
  // Max below Min is raised to Min; the position is kept within the range.
  void SetRange(int min, int max);
  void SetMin(int v) { SetRange(v, max_); }
  void SetMax(int v) { SetRange(min_, v); }
  void SetPosition(int v);
  void StepBy(int delta) { SetPosition(position_ + delta); }

 protected:
  void Paint(gfx::Canvas& canvas) override;

 private:
  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
};

}  // namespace ui
