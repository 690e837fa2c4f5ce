#include "MenuBridge.h"

#include <vector>

#include "GtkStyle.h"
#include "Text1252.h"

#include <wx/event.h>
#include <wx/frame.h>

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

int MenuBridge::NativeIdOf(int commandId) const {
  for (const auto& [nativeId, command] : m_commands)
    if (command == commandId) return nativeId;
  return 0;
}

wxMenuBar* MenuBridge::BuildMenuBar() {
  m_items.clear();
  m_commands.clear();
  m_barItems.clear();
  auto* bar = new wxMenuBar;
  m_bar = bar;
  struct BarCommand {
    int position;
    const MenuItem* item;
  };
  std::vector<BarCommand> barCommands;
  for (int i = 0; i < m_model.GetMenuItemCount(); ++i) {
    const MenuItem* item = m_model.ItemAt(i);
    if (item->separator) continue;
    if (!item->popup) {
      barCommands.push_back({i, item});
      continue;
    }
    auto* menu = new wxMenu;
    Fill(menu, *item->popup);
    bar->Append(menu, ToWx(item->text));
  }
  // The GTK menu bar holding the menus appended above.
  void* gtkBar = bar->GetMenuCount() > 0 ? WidgetParent(bar->GetMenu(0)->m_owner)
                                         : static_cast<void*>(bar->GetHandle());
  m_gtkBar = gtkBar;
  for (const BarCommand& c : barCommands) {
    const int nativeId = kFirstNativeId + int(m_commands.size());
    m_commands[nativeId] = c.item->id;
    // Chosen as a menu item is: the frame's menu handler gets it, once GTK
    // has closed the bar.
    void* widget = AddMenuBarItem(gtkBar, c.position, ToWx(c.item->text).utf8_str(), [bar, nativeId] {
      wxFrame* frame = bar->GetFrame();
      if (!frame) return;
      wxCommandEvent event(wxEVT_MENU, nativeId);
      event.SetEventObject(frame);
      wxPostEvent(frame, event);
    });
    if (!widget) continue;
    m_barItems[c.item->id] = widget;
    SetWidgetSensitive(widget, !c.item->grayed);
  }
  return bar;
}

MenuBridge::ClickPath MenuBridge::PathTo(int commandId) const {
  ClickPath path;
  if (auto bar = m_barItems.find(commandId); bar != m_barItems.end()) {
    path.title = bar->second;
    return path;
  }
  wxMenuItem* item = NativeItem(commandId);
  if (!item) return path;
  wxMenu* top = item->GetMenu();
  while (top && top->GetParent()) top = top->GetParent();
  path.title = top ? top->m_owner : nullptr;
  path.item = item->GetMenuItem();
  return path;
}

bool MenuBridge::BarActive() const { return MenuBarActive(m_gtkBar); }

void* MenuBridge::TitleWidget(const std::string& text) const {
  int menu = 0;
  for (int i = 0; m_bar && i < m_model.GetMenuItemCount(); ++i) {
    const MenuItem* item = m_model.ItemAt(i);
    if (item->separator) continue;
    if (item->popup) {
      if (item->text == text) return m_bar->GetMenu(std::size_t(menu))->m_owner;
      ++menu;
    } else if (item->text == text) {
      auto bar = m_barItems.find(item->id);
      return bar == m_barItems.end() ? nullptr : bar->second;
    }
  }
  return nullptr;
}

void MenuBridge::SyncChecks() {
  for (const auto& [command, native] : m_items) {
    const MenuItem* item = m_model.FindItem(command);
    if (item && native->IsCheckable() && native->IsChecked() != item->checked)
      native->Check(item->checked);
  }
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
  if (auto bar = m_barItems.find(item.id); bar != m_barItems.end()) {
    SetWidgetSensitive(bar->second, !item.grayed);
    return;
  }
  auto it = m_items.find(item.id);
  if (it == m_items.end()) return;
  if (it->second->IsCheckable()) it->second->Check(item.checked);
  it->second->Enable(!item.grayed);
}

}  // namespace wxb
}  // namespace ui
