#include "MenuBridge.h"

#include <vector>

#include "Text1252.h"

namespace ui {
namespace wxb {

namespace {
// Native menu ids: above the toolkit's stock ids, below its limit.
constexpr int kFirstNativeId = 6000;
}  // namespace

wxMenuItem* MenuBridge::Append(wxMenu* native, const MenuItem& item, wxItemKind kind) {
  int nativeId = kFirstNativeId + int(m_commands.size());
  m_commands[nativeId] = item.id;
  wxMenuItem* n = native->Append(nativeId, ToWx(item.text), wxString(), kind);
  m_items[item.id] = n;
  return n;
}

int MenuBridge::CommandOf(int nativeId) const {
  auto it = m_commands.find(nativeId);
  return it == m_commands.end() ? 0 : it->second;
}

wxMenuItem* MenuBridge::NativeItem(int commandId) const {
  auto it = m_items.find(commandId);
  return it == m_items.end() ? nullptr : it->second;
}

wxMenuBar* MenuBridge::BuildMenuBar() {
  m_items.clear();
  m_commands.clear();
  auto* bar = new wxMenuBar;
  for (int i = 0; i < m_model.GetMenuItemCount(); ++i) {
    const MenuItem* item = m_model.ItemAt(i);
    auto* menu = new wxMenu;
    if (item->popup) {
      Fill(menu, *item->popup);
    } else if (!item->separator) {
      Append(menu, *item, wxITEM_NORMAL)->Enable(!item->grayed);
    }
    bar->Append(menu, ToWx(item->text));
  }
  return bar;
}

wxMenu* MenuBridge::BuildPopup(const Menu& popup) {
  m_items.clear();
  m_commands.clear();
  auto* menu = new wxMenu;
  Fill(menu, popup);
  return menu;
}

void MenuBridge::Fill(wxMenu* native, const Menu& menu) {
  // Items of a group (between separators) holding a checked item are check
  // items, the style choices; the other commands stay plain commands, with
  // no box beside them.
  std::vector<bool> checkable(menu.GetMenuItemCount(), false);
  for (int first = 0; first < menu.GetMenuItemCount();) {
    int end = first;
    bool checked = false;
    for (; end < menu.GetMenuItemCount() && !menu.ItemAt(end)->separator; ++end)
      if (menu.ItemAt(end)->checked) checked = true;
    for (int i = first; i < end; ++i) checkable[i] = checked;
    first = end + 1;
  }
  for (int i = 0; i < menu.GetMenuItemCount(); ++i) {
    const MenuItem* item = menu.ItemAt(i);
    if (item->separator) {
      native->AppendSeparator();
    } else if (item->popup) {
      auto* sub = new wxMenu;
      Fill(sub, *item->popup);
      native->AppendSubMenu(sub, ToWx(item->text));
    } else {
      wxMenuItem* n = Append(native, *item, checkable[i] ? wxITEM_CHECK : wxITEM_NORMAL);
      if (checkable[i]) n->Check(item->checked);
      n->Enable(!item->grayed);
    }
  }
}

void MenuBridge::ItemChanged(const MenuItem& item) {
  auto it = m_items.find(item.id);
  if (it == m_items.end()) return;
  if (it->second->IsCheckable()) it->second->Check(item.checked);
  it->second->Enable(!item.grayed);
}

}  // namespace wxb
}  // namespace ui
