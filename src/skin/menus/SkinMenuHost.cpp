// SkinMenuHost: how a popup menu reaches the menu engine of the form it belongs to.
#include "skin/menus/SkinMenuHost.h"

#include "ui/Form.h"

namespace skin {

SkinMenuHost* FindMenuHost(const ui::Form* form) {
  if (form == nullptr) return nullptr;
  for (ui::Component* c : form->Components()) {
    if (auto* host = dynamic_cast<SkinMenuHost*>(c)) return host;
  }
  return nullptr;
}

}  // namespace skin
