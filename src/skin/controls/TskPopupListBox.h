// TskPopupListBox: the skinned list a combo box drops: its rows follow the pointer and a left
// release in them accepts the row.
#pragma once

#include <functional>

#include "skin/controls/TskSkinListBox.h"

namespace skin {

// It lives in the combo's drop-down window, which never takes the activation, so the combo keeps
// the focus and the keys. Presses in the rows are swallowed (they would focus the list); the row
// under the pointer becomes the chosen row as the pointer moves; the left release fires OnAccept.
// With no row chosen the combo then restores its item.
class TskPopupListBox : public TskSkinListBox {
 public:
  TskPopupListBox();

  // The left button was let go over the list.
  std::function<void()> OnAccept;

 private:
  void ListWindowProc(ui::Message& m);

  ui::WindowProcFn list_proc_;
};

}  // namespace skin
