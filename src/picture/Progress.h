// What a long pixel routine reports its rows to (the main window's status progress bar).
#pragma once

namespace picture {

class Progress {
 public:
  virtual ~Progress() = default;
  virtual void SetMax(int max) = 0;
  virtual void SetPosition(int position) = 0;
};

}  // namespace picture
