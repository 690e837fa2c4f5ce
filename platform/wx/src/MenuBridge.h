// Builds native menus from model menus and keeps check marks and greying in
// step with the model.
#pragma once

#include "platform/Menu.h"

#include <wx/menu.h>

#include <map>
#include <string>

namespace ui {
namespace wxb {

class MenuBridge : public MenuPeer {
 public:
  explicit MenuBridge(Menu& model) : m_model(model) { model.SetPeer(this); }
  ~MenuBridge() override { m_model.SetPeer(nullptr); }

  // The menu bar of a window: one native menu per popup; a command standing
  // in the bar itself is a plain item of the bar, chosen with one click.
  wxMenuBar* BuildMenuBar();
  // A context menu.
  wxMenu* BuildPopup(const Menu& popup);
  void ItemChanged(const MenuItem& item) override;
  // GTK ticks or clears a check item itself when the user chooses it: the
  // marks are given again from the model, which alone decides them.
  void SyncChecks();
  // The model's command id of a native item's id (0 when none). Native ids
  // are our own: the platform's command ids (up to 65535) do not fit the
  // toolkit's range, and some of its ids are stock items.
  int CommandOf(int nativeId) const;
  wxMenuItem* NativeItem(int commandId) const;
  // The native id a command is chosen with (0 when none).
  int NativeIdOf(int commandId) const;
  // What a user clicks to choose the command: the title in the menu bar,
  // then the item in its menu (null for a command of the bar itself). GTK
  // widgets; nulls when the command is not in the bar.
  struct ClickPath {
    void* title = nullptr;
    void* item = nullptr;
  };
  ClickPath PathTo(int commandId) const;
  // The user is in the menu bar: a title selected, with its menu or not.
  bool BarActive() const;
  // The GTK item of a title of the bar (null when none has that text).
  void* TitleWidget(const std::string& text) const;

 private:
  void Fill(wxMenu* native, const Menu& menu);
  wxMenuItem* Append(wxMenu* native, const MenuItem& item, wxItemKind kind);
  Menu& m_model;
  wxMenuBar* m_bar = nullptr;            // the bar built last
  void* m_gtkBar = nullptr;              // its GTK menu bar
  std::map<int, wxMenuItem*> m_items;   // by command id
  std::map<int, int> m_commands;         // native id -> command id
  std::map<int, void*> m_barItems;       // commands of the bar itself: their GTK items
};

}  // namespace wxb
}  // namespace ui
