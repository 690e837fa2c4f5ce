// Small windows used by the layer's tests.
#pragma once

#include "platform/Button.h"
#include "platform/ComboBox.h"
#include "platform/Dialog.h"
#include "platform/Edit.h"
#include "platform/ListView.h"
#include "platform/Menu.h"
#include "platform/TabCtrl.h"

#include <string>
#include <vector>

namespace test {

inline const ui::MenuTemplate kMenu = {500, {
  {"Gestion", {
    {"Nouvelle s\xe9rie             Ctrl+A", 32771},
    ui::MenuItemTemplate::Separator(),
    {"Fermer", ui::IDOK},
  }},
  {"Configuration", {
    {"Style Liste", 32794, ui::MF_CHECKED},
    {"Style Graphique", 32795},
    {"Config des listes", 32790, ui::MF_GRAYED},
  }},
  {"A propos", 32774},
}};

inline const ui::MenuTemplate kContext = {143, {
  {"popup", {
    {"Modifier", 32779},
    {"Supprimer", 32781, ui::MF_GRAYED},
  }},
}};

inline const ui::DialogTemplate kMain{102, "Quillory : Gerer facilement vos BD", 200, 100,
    ui::Style::Resizable | ui::Style::SysMenu, &kMenu, {
  {1031, ui::ControlKind::TabCtrl, "", 7, 8, 120, 80},
  {1025, ui::ControlKind::Edit, "", 140, 70, 40, 14},
  {1026, ui::ControlKind::PushButton, "Ok", 140, 86, 20, 13},
  {1008, ui::ControlKind::Edit, "", 140, 10, 40, 12, ui::Style::Hidden},
}};

inline const ui::DialogTemplate kPage{141, "", 100, 60, ui::Style::Child, nullptr, {
  {1001, ui::ControlKind::ListView, "", 4, 4, 90, 50,
   ui::Style::SingleSel | ui::Style::ShowSelAlways | ui::Style::SortAscending},
}};

inline const ui::DialogTemplate kEntry{135, "Ajouter une BD", 150, 120, ui::Style::SysMenu, nullptr, {
  {1007, ui::ControlKind::Edit, "", 10, 10, 100, 12},
  {1009, ui::ControlKind::Edit, "", 10, 26, 30, 12, ui::Style::Number},
  {1037, ui::ControlKind::ComboBox, "", 10, 42, 100, 60, ui::Style::DropDown | ui::Style::Sorted,
   {"BD Euro", "Manga", "Comic"}},
  {1006, ui::ControlKind::Edit, "", 10, 58, 100, 30, ui::Style::Multiline | ui::Style::WantReturn},
  {1022, ui::ControlKind::CheckBox, "EO", 10, 92, 40, 10, ui::Style::AutoCheck},
  {ui::IDOK, ui::ControlKind::PushButton, "Ajouter", 10, 104, 50, 14, ui::Style::DefaultButton},
  {ui::IDCANCEL, ui::ControlKind::PushButton, "Fermer", 70, 104, 50, 14},
}};

// Records what reaches it, in order.
struct Log {
  std::vector<std::string> events;
  void Add(const std::string& e) { events.push_back(e); }
};

class Page : public ui::Dialog {
 public:
  Page(Log& log) : ui::Dialog(kPage, nullptr), m_log(log) {
    MapNotify(1001, ui::Notification::ItemClick, &Page::OnClick);
    MapNotify(1001, ui::Notification::ItemChanged, &Page::OnChanged);
  }
  bool PreTranslateMessage(const ui::Message& msg) override {
    if (msg.kind != ui::MessageKind::KeyDown) return false;
    m_log.Add("page key " + std::to_string(msg.key));
    if (msg.key == ui::VK_CONTROL) { m_bCtrl = true; return true; }
    if (m_bCtrl && msg.key == 'M') { m_bCtrl = false; m_log.Add("page modify"); return true; }
    return false;
  }
  void OnClick(const ui::NotifyInfo& n) { m_log.Add("click " + std::to_string(n.row)); }
  void OnChanged(const ui::NotifyInfo& n) {
    m_log.Add("changed " + std::to_string(n.row) + " " + std::to_string(n.oldState) + ">" +
              std::to_string(n.newState));
  }
  bool m_bCtrl = false;

 private:
  Log& m_log;
};

class MainWnd : public ui::Dialog {
 public:
  explicit MainWnd(Log& log) : ui::Dialog(kMain, nullptr), m_log(log), m_page(log) {
    MapCommand(32771, &MainWnd::OnNouvelleSerie);
    MapCommand(1026, &MainWnd::OnRecherche);
    MapCommand(32794, [this] { m_log.Add("style liste command"); });
    MapUpdateCommandUI(32794, &MainWnd::OnUpdateStyleListe);
    MapNotify(1031, ui::Notification::TabSelChange, &MainWnd::OnSelchangeTab);
  }
  bool OnInitDialog() override {
    m_log.Add("init");
    ui::TabCtrl* tab = GetTabCtrl(1031);
    tab->InsertItem(0, "General");
    tab->InsertItem(1, "BD euro");
    m_page.Create(this);
    m_page.MoveWindow(tab->GetDisplayArea());
    m_page.ShowWindow(true);
    m_bInit = true;
    return true;
  }
  bool PreTranslateMessage(const ui::Message& msg) override {
    if (msg.kind == ui::MessageKind::Char) {
      if (msg.key == '&') { m_log.Add("refused &"); return true; }
      return false;
    }
    if (msg.kind != ui::MessageKind::KeyDown) return false;
    m_log.Add("main key " + std::to_string(msg.key));
    if (msg.key == ui::VK_RETURN) { OnRecherche(); return true; }
    if (msg.key == ui::VK_CONTROL && !m_bCtrl) { m_bCtrl = true; return true; }
    if (msg.key == 'A' && m_bCtrl) { m_bCtrl = false; OnNouvelleSerie(); return true; }
    return false;
  }
  void OnSize(int cx, int cy) override {
    m_log.Add("size " + std::to_string(cx) + "x" + std::to_string(cy) + (m_bInit ? " init" : ""));
  }
  void OnClose() override { m_log.Add("close"); ui::Dialog::OnClose(); }
  void OnNouvelleSerie() { m_log.Add("nouvelle serie"); }
  void OnRecherche() { m_log.Add("recherche " + GetDlgItemText(1025)); }
  void OnUpdateStyleListe(ui::CmdUI& cmdUI) {
    m_log.Add(std::string("update ") + (cmdUI.IsChecked() ? "checked" : "unchecked"));
    cmdUI.Enable(m_allowStyle);
  }
  void OnSelchangeTab() { m_log.Add("tab " + std::to_string(GetTabCtrl(1031)->GetCurSel())); }

  bool m_bInit = false;
  bool m_bCtrl = false;
  bool m_allowStyle = true;
  Log& m_log;
  Page m_page;
};

class Entry : public ui::Dialog {
 public:
  Entry() : ui::Dialog(kEntry, nullptr) {
    MapNotify(1009, ui::Notification::EditChange, &Entry::OnChangeTome);
  }
  bool OnInitDialog() override {
    SetDlgItemText(1009, "5");
    return true;
  }
  void OnOK() override {
    m_serie = GetDlgItemText(1007);
    m_type = GetComboBox(1037)->GetCurSel();
    EndDialog(ui::IDOK);
  }
  void OnChangeTome() { ++m_changes; }

  std::string m_serie;
  int m_type = -2;
  int m_changes = 0;
};

}  // namespace test
