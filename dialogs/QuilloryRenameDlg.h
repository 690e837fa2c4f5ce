#pragma once
// Renaming a series (template 152): the current name, read-only, and the
// new one. On confirmation the window that opened it renames the series.

#include "platform/Dialog.h"

#include <functional>
#include <string>

class CGestionBD;

class CQuilloryRenameDlg : public ui::Dialog {
 public:
  // renommer: the opening window's RenommerSerie, called with the new name.
  CQuilloryRenameDlg(ui::Window* parent, CGestionBD* gestion, std::string ancienNom,
                     std::function<void(const std::string&)> renommer);

  bool OnInitDialog() override;
  bool PreTranslateMessage(const ui::Message& msg) override;
  void OnOK() override;

  static constexpr const char* MSG_FORBIDDEN = "Ce caract\xE8re est interdit, d\xE9sol\xE9.";

 private:
  void OnChangeNouveau();

  std::string m_strAncienNom;
  std::string m_strNouveau;  // the new name as last accepted
  std::function<void(const std::string&)> m_renommer;
  CGestionBD* m_pGestion;  // not owned
};
