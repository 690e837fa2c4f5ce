// Builds native menus from model menus and keeps check marks and greying in
// step with the model.
#pragma once

#include "platform/Menu.h"

#include <wx/menu.h>

#include <map>

namespace ui {
namespace wxb {

class MenuBridge : public MenuPeer {
 public:
  explicit MenuBridge(Menu& model) : m_model(model) { model.SetPeer(this); }
  ~MenuBridge() override { m_model.SetPeer(nullptr); }

  // The menu bar of a window: one native menu per popup; a command standing
  // in the bar itself becomes a menu holding that one command.
  wxMenuBar* BuildMenuBar();
  // A context menu.
  wxMenu* BuildPopup(const Menu& popup);
  void ItemChanged(const MenuItem& item) override;

 private:
  void Fill(wxMenu* native, const Menu& menu);
  Menu& m_model;
  std::map<int, wxMenuItem*> m_items;
};

}  // namespace wxb
}  // namespace ui
