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
  // The model's command id of a native item's id (0 when none). Native ids
  // are our own: the platform's command ids (up to 65535) do not fit the
  // toolkit's range, and some of its ids are stock items.
  int CommandOf(int nativeId) const;
  wxMenuItem* NativeItem(int commandId) const;

 private:
  void Fill(wxMenu* native, const Menu& menu);
  wxMenuItem* Append(wxMenu* native, const MenuItem& item, wxItemKind kind);
  Menu& m_model;
  std::map<int, wxMenuItem*> m_items;   // by command id
  std::map<int, int> m_commands;         // native id -> command id
};

}  // namespace wxb
}  // namespace ui
