#include "platform/headless/Driver.h"

#include "platform/Button.h"
#include "platform/ComboBox.h"
#include "platform/DateTimePicker.h"
#include "platform/Edit.h"
#include "platform/ListView.h"
#include "platform/RecordingSurface.h"
#include "platform/Dialog.h"
#include "platform/TabCtrl.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace ui {
namespace headless {

namespace {

// The virtual key of the key that types a character (US layout).
int KeyFor(char ch) {
  unsigned char c = static_cast<unsigned char>(ch);
  if (c >= 'a' && c <= 'z') return c - 32;
  if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return c;
  if (c == ' ') return VK_SPACE;
  if (c == '\n' || c == '\r') return VK_RETURN;
  if (c == '\b') return VK_BACK;
  if (c == '\t') return VK_TAB;
  return 0xDE;  // some punctuation key
}

}  // namespace

Control* Driver::Find(int id) const {
  Control* c = m_window.GetDlgItem(id);
  if (!c) ADD_FAILURE() << "window " << m_window.GetTemplateId() << " has no control " << id;
  return c;
}

Control* Driver::Usable(int id) const {
  Control* c = Find(id);
  if (!c) return nullptr;
  if (!c->IsWindowVisible()) {
    ADD_FAILURE() << "control " << id << " of window " << m_window.GetTemplateId()
                  << " is hidden: a user cannot reach it";
    return nullptr;
  }
  if (!c->IsWindowEnabled()) {
    ADD_FAILURE() << "control " << id << " of window " << m_window.GetTemplateId()
                  << " is disabled: a user cannot reach it";
    return nullptr;
  }
  return c;
}

template <class T>
T* Driver::As(int id, const char* what) const {
  Control* c = Usable(id);
  if (!c) return nullptr;
  T* t = dynamic_cast<T*>(c);
  if (!t) ADD_FAILURE() << "control " << id << " is not " << what;
  return t;
}

Driver& Driver::Type(int id, const std::string& text) {
  Control* c = Usable(id);
  if (!c) return *this;
  c->SetFocus();
  for (char ch : text) {
    int vk = KeyFor(ch);
    bool shift = (ch >= 'A' && ch <= 'Z');
    if (!m_window.UserKeyDown(vk, false, shift)) m_window.UserChar(ch == '\n' ? '\r' : ch);
    m_window.UserKeyUp(vk);
  }
  return *this;
}

Driver& Driver::SetText(int id, const std::string& text) {
  Control* c = Usable(id);
  if (!c) return *this;
  c->SetFocus();
  if (auto* edit = dynamic_cast<Edit*>(c)) {
    if (edit->IsReadOnly()) ADD_FAILURE() << "edit " << id << " is read-only";
    else edit->UserSetText(text);
  } else if (auto* combo = dynamic_cast<ComboBox*>(c)) {
    if (!combo->IsEditable()) ADD_FAILURE() << "combo box " << id << " is not editable";
    else combo->UserSetText(text);
  } else {
    ADD_FAILURE() << "control " << id << " takes no text";
  }
  return *this;
}

Driver& Driver::Click(int id) {
  if (auto* b = As<Button>(id, "a button")) {
    b->SetFocus();
    b->UserClick();
  }
  return *this;
}

Driver& Driver::Focus(int id) {
  if (Control* c = Usable(id)) c->SetFocus();
  return *this;
}

Driver& Driver::PressKey(int vk) {
  if (!m_window.UserKeyDown(vk)) {
    int ch = 0;
    if (vk >= 'A' && vk <= 'Z') ch = vk + 32;
    else if ((vk >= '0' && vk <= '9') || vk == VK_SPACE || vk == VK_BACK) ch = vk;
    else if (vk == VK_RETURN) ch = '\r';
    if (ch) m_window.UserChar(ch);
  }
  m_window.UserKeyUp(vk);
  return *this;
}

Driver& Driver::PressCtrlKey(int vk) {
  m_window.UserKeyDown(VK_CONTROL, true);
  if (!m_window.UserKeyDown(vk, true) && vk >= 'A' && vk <= 'Z') m_window.UserChar(vk - 'A' + 1);
  m_window.UserKeyUp(vk);
  m_window.UserKeyUp(VK_CONTROL);
  return *this;
}

Driver& Driver::Menu(int commandId) {
  Window& top = m_window.GetTopLevel();
  ui::Menu* menu = top.GetMenu();
  const MenuItem* item = menu ? menu->FindItem(commandId) : nullptr;
  if (!item) {
    ADD_FAILURE() << "window " << top.GetTemplateId() << " has no menu item " << commandId;
    return *this;
  }
  if (item->grayed) {
    ADD_FAILURE() << "menu item " << commandId << " is greyed: a user cannot choose it";
    return *this;
  }
  top.UserMenuCommand(commandId);
  return *this;
}

Driver& Driver::SelectCombo(int id, int index) {
  if (auto* combo = As<ComboBox>(id, "a combo box")) {
    if (index < 0 || index >= combo->GetCount()) {
      ADD_FAILURE() << "combo box " << id << " has no item " << index;
      return *this;
    }
    combo->SetFocus();
    combo->UserSelect(index);
  }
  return *this;
}

Driver& Driver::SelectComboText(int id, const std::string& item) {
  if (auto* combo = As<ComboBox>(id, "a combo box")) {
    int index = combo->FindStringExact(-1, item);
    if (index < 0) {
      ADD_FAILURE() << "combo box " << id << " has no item \"" << item << "\"";
      return *this;
    }
    combo->SetFocus();
    combo->UserSelect(index);
  }
  return *this;
}

Driver& Driver::SetDate(int id, int year, int month, int day) {
  if (auto* picker = As<DateTimePicker>(id, "a date picker")) {
    picker->SetFocus();
    picker->UserSetDate(year, month, day);
  }
  return *this;
}

ListView* Driver::List(int id, int row) const {
  auto* list = As<ListView>(id, "a list view");
  if (list && row >= list->GetItemCount()) {
    ADD_FAILURE() << "list " << id << " has no row " << row;
    return nullptr;
  }
  return list;
}

Driver& Driver::ClickRow(int listId, int row) {
  if (auto* list = List(listId, row)) list->UserClick(row);
  return *this;
}

Driver& Driver::DoubleClickRow(int listId, int row) {
  if (auto* list = List(listId, row)) list->UserDoubleClick(row);
  return *this;
}

Driver& Driver::RightClickRow(int listId, int row) {
  if (auto* list = List(listId, row)) list->UserRightClick(row);
  return *this;
}

Driver& Driver::SelectRow(int listId, int row) {
  if (row < 0) {
    ADD_FAILURE() << "SelectRow needs a row";
    return *this;
  }
  if (auto* list = List(listId, row)) {
    list->SetFocus();
    list->UserSelect(row);
  }
  return *this;
}

Driver& Driver::ClickHeader(int listId, int column) {
  if (auto* list = As<ListView>(listId, "a list view")) {
    if (column < 0 || column >= list->GetColumnCount()) {
      ADD_FAILURE() << "list " << listId << " has no column " << column;
      return *this;
    }
    list->UserClickHeader(column);
  }
  return *this;
}

Driver& Driver::SelectTab(int tabId, int index) {
  if (auto* tab = As<TabCtrl>(tabId, "a tab control")) {
    if (index < 0 || index >= tab->GetItemCount()) {
      ADD_FAILURE() << "tab control " << tabId << " has no tab " << index;
      return *this;
    }
    tab->SetFocus();
    tab->UserSelect(index);
  }
  return *this;
}

Driver& Driver::Resize(int cx, int cy) {
  m_window.UserResize(cx, cy);
  return *this;
}

Driver& Driver::Close() {
  m_window.SendClose();
  return *this;
}

Driver& Driver::RunTimersUntilEnded(int timeoutMs) {
  using Clock = std::chrono::steady_clock;
  auto* dialog = dynamic_cast<Dialog*>(&m_window);
  auto ended = [&] { return dialog ? dialog->IsEnded() : !m_window.IsCreated(); };
  const Clock::time_point start = Clock::now();
  std::map<int, Clock::time_point> due;
  while (!ended()) {
    const std::map<int, int> timers = m_window.GetTimers();
    if (timers.empty()) {
      ADD_FAILURE() << "window " << m_window.GetTemplateId() << " has no timer left to end it";
      return *this;
    }
    if (Clock::now() - start > std::chrono::milliseconds(timeoutMs)) {
      ADD_FAILURE() << "window " << m_window.GetTemplateId() << " still open after " << timeoutMs
                    << " ms";
      return *this;
    }
    const Clock::time_point now = Clock::now();
    for (const auto& [id, ms] : timers) {
      auto it = due.find(id);
      if (it == due.end()) it = due.emplace(id, now + std::chrono::milliseconds(ms)).first;
      if (now >= it->second && m_window.GetTimers().count(id) && !ended()) {
        it->second = now + std::chrono::milliseconds(ms);
        m_window.OnTimer(id);
      }
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return *this;
}

void Driver::Paint(int id, RecordingSurface& surface) {
  Control* c = Find(id);
  if (auto* b = dynamic_cast<Button*>(c)) b->Draw(surface);
  else if (c) ADD_FAILURE() << "control " << id << " is not owner-drawn";
}

std::string Driver::Text(int id) const {
  Control* c = Find(id);
  return c ? c->GetWindowText() : std::string();
}

bool Driver::Visible(int id) const {
  Control* c = Find(id);
  return c && c->IsWindowVisible();
}

bool Driver::Enabled(int id) const {
  Control* c = Find(id);
  return c && c->IsWindowEnabled();
}

}  // namespace headless
}  // namespace ui
