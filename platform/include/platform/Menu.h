// Menus: templates (menu bars and context menus as resource scripts describe
// them) and the live menu of a window, with check marks and greying. A
// command's update handler receives a CmdUI for the item being chosen.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace ui {

enum : unsigned { MF_CHECKED = 0x8, MF_GRAYED = 0x1 };

struct MenuItemTemplate {
  // A command item: {"Style Liste", 32794, ui::MF_CHECKED}.
  MenuItemTemplate(std::string text_, int id_, unsigned flags = 0)
      : text(std::move(text_)), id(id_), checked((flags & MF_CHECKED) != 0),
        grayed((flags & MF_GRAYED) != 0) {}
  // A popup: {"Gestion", {items...}}.
  MenuItemTemplate(std::string text_, std::vector<MenuItemTemplate> popup_)
      : text(std::move(text_)), popup(std::move(popup_)) {}
  static MenuItemTemplate Separator() {
    MenuItemTemplate s("", 0);
    s.separator = true;
    return s;
  }

  std::string text;       // Windows-1252, shortcut hints included; empty for a separator
  int id = 0;             // command id; 0 for popups and separators
  bool separator = false;
  bool checked = false;
  bool grayed = false;
  std::vector<MenuItemTemplate> popup;  // non-empty: a popup (sub-menu)
};

struct MenuTemplate {
  int id = 0;
  std::vector<MenuItemTemplate> items;  // menu bar items, or the popups of a context menu
};

class MenuPeer;

// One item of a live menu.
struct MenuItem {
  std::string text;
  int id = 0;
  bool separator = false;
  bool checked = false;
  bool grayed = false;
  std::unique_ptr<class Menu> popup;
};

class Menu {
 public:
  Menu() = default;
  explicit Menu(const std::vector<MenuItemTemplate>& items);
  explicit Menu(const MenuTemplate& tmpl) : Menu(tmpl.items) { m_templateId = tmpl.id; }
  ~Menu();
  Menu(const Menu&) = delete;
  Menu& operator=(const Menu&) = delete;

  int GetMenuItemCount() const { return int(m_items.size()); }
  // The id of the menu template it was built from (for a popup: its menu's).
  int GetTemplateId() const { return m_root ? m_root->m_templateId : m_templateId; }
  // The popup at a position, or null.
  Menu* GetSubMenu(int pos) const;
  const MenuItem* ItemAt(int pos) const;
  // Finds a command item anywhere below this menu.
  MenuItem* FindItem(int id);
  const MenuItem* FindItem(int id) const;

  // Return false when no item has the id.
  bool CheckMenuItem(int id, bool checked);
  bool EnableMenuItem(int id, bool enabled);
  bool IsChecked(int id) const;
  bool IsEnabled(int id) const;
  void AppendMenu(const std::string& text, int id);
  void AppendSeparator();

  // Set by the backend that shows the menu; told of every change.
  void SetPeer(MenuPeer* peer) { m_peer = peer; }

 private:
  void Changed(const MenuItem& item);
  void SetRoot(Menu* root);
  std::vector<MenuItem> m_items;
  MenuPeer* m_peer = nullptr;
  int m_templateId = 0;
  Menu* m_root = nullptr;  // the top menu, whose peer hears of changes (null: this one)
};

class MenuPeer {
 public:
  virtual ~MenuPeer() = default;
  virtual void ItemChanged(const MenuItem& item) = 0;
};

// What an update handler sees of the command being checked: it may grey the
// item or change its check mark. The command runs only when it stays enabled.
class CmdUI {
 public:
  CmdUI(int id, Menu* menu) : m_nID(id), m_pMenu(menu) {}
  int m_nID;
  Menu* m_pMenu;  // the menu holding the item, or null (button, key)

  void Enable(bool on = true);
  void SetCheck(int check = 1);
  bool IsChecked() const;
  bool IsEnabled() const { return m_enabled; }

 private:
  bool m_enabled = true;
};

}  // namespace ui
