#include "platform/Menu.h"

namespace ui {

Menu::Menu(const std::vector<MenuItemTemplate>& items) {
  for (const MenuItemTemplate& t : items) {
    MenuItem item;
    item.text = t.text;
    item.id = t.id;
    item.separator = t.separator;
    item.checked = t.checked;
    item.grayed = t.grayed;
    if (!t.popup.empty()) item.popup = std::make_unique<Menu>(t.popup);
    m_items.push_back(std::move(item));
  }
  SetRoot(nullptr);
}

Menu::~Menu() = default;

void Menu::SetRoot(Menu* root) {
  m_root = root;
  for (MenuItem& item : m_items)
    if (item.popup) item.popup->SetRoot(root ? root : this);
}

Menu* Menu::GetSubMenu(int pos) const {
  if (pos < 0 || pos >= int(m_items.size())) return nullptr;
  return m_items[pos].popup.get();
}

const MenuItem* Menu::ItemAt(int pos) const {
  if (pos < 0 || pos >= int(m_items.size())) return nullptr;
  return &m_items[pos];
}

MenuItem* Menu::FindItem(int id) {
  for (MenuItem& item : m_items) {
    if (item.popup) {
      if (MenuItem* found = item.popup->FindItem(id)) return found;
    } else if (!item.separator && item.id == id) {
      return &item;
    }
  }
  return nullptr;
}

const MenuItem* Menu::FindItem(int id) const { return const_cast<Menu*>(this)->FindItem(id); }

bool Menu::CheckMenuItem(int id, bool checked) {
  MenuItem* item = FindItem(id);
  if (!item) return false;
  if (item->checked != checked) {
    item->checked = checked;
    Changed(*item);
  }
  return true;
}

bool Menu::EnableMenuItem(int id, bool enabled) {
  MenuItem* item = FindItem(id);
  if (!item) return false;
  if (item->grayed == enabled) {
    item->grayed = !enabled;
    Changed(*item);
  }
  return true;
}

bool Menu::IsChecked(int id) const {
  const MenuItem* item = FindItem(id);
  return item && item->checked;
}

bool Menu::IsEnabled(int id) const {
  const MenuItem* item = FindItem(id);
  return item && !item->grayed;
}

void Menu::AppendMenu(const std::string& text, int id) {
  MenuItem item;
  item.text = text;
  item.id = id;
  m_items.push_back(std::move(item));
  Changed(m_items.back());
}

void Menu::AppendSeparator() {
  MenuItem item;
  item.separator = true;
  m_items.push_back(std::move(item));
  Changed(m_items.back());
}

void Menu::Changed(const MenuItem& item) {
  Menu* root = m_root ? m_root : this;
  if (root->m_peer) root->m_peer->ItemChanged(item);
}

void CmdUI::Enable(bool on) {
  m_enabled = on;
  if (m_pMenu) m_pMenu->EnableMenuItem(m_nID, on);
}

void CmdUI::SetCheck(int check) {
  if (m_pMenu) m_pMenu->CheckMenuItem(m_nID, check != 0);
}

bool CmdUI::IsChecked() const { return m_pMenu && m_pMenu->IsChecked(m_nID); }

}  // namespace ui
