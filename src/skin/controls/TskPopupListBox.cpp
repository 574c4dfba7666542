// TskPopupListBox: the combo box's drop-down list.
#include "skin/controls/TskPopupListBox.h"

namespace skin {

TskPopupListBox::TskPopupListBox() {
  SetName("TskPopupListBox");
  List().SetTabStop(false);
  list_proc_ = List().WindowProc();
  List().SetWindowProc([this](ui::Message& m) { ListWindowProc(m); });
}

void TskPopupListBox::ListWindowProc(ui::Message& m) {
  switch (m.id) {
    case ui::kMsgMouseMove: {
      const int32_t row = List().ItemAtPos(m.At(), true);
      if (row >= 0 && row != List().ItemIndex()) List().SetItemIndex(row);
      m.result = 0;
      return;
    }
    case ui::kMsgLButtonUp:
      m.result = 0;
      if (OnAccept) OnAccept();
      return;
    case ui::kMsgLButtonDown:
    case ui::kMsgLButtonDblClk:
    case ui::kMsgRButtonDown:
    case ui::kMsgRButtonUp:
    case ui::kMsgRButtonDblClk:
    case ui::kMsgMButtonDown:
    case ui::kMsgMButtonUp:
    case ui::kMsgMButtonDblClk:
      m.result = 0;
      return;
    default:
      list_proc_(m);
  }
}

}  // namespace skin
