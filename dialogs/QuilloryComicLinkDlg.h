#pragma once
// "Date de sortie de comics" (template 156): the comics by year and month of
// their date, one tab per year, with the cover of the comic clicked.
// Read-only; built once per opening.

#include "dialogs/QuilloryTabCtrlSimple.h"
#include "platform/Dialog.h"

#include <string>

class CGestionBD;

class CQuilloryComicLinkDlg : public ui::Dialog {
 public:
  // dossier: the program folder, below which the cover pictures lie.
  CQuilloryComicLinkDlg(ui::Window* parent, CGestionBD* gestion, std::string dossier);
  bool OnInitDialog() override;

  CQuilloryTabCtrlSimple& GetTab() { return m_tab; }

 private:
  void OnSelchangeTab();

  CQuilloryTabCtrlSimple m_tab;
  CGestionBD* m_pGestion;  // not owned
  [[maybe_unused]] ui::Window* m_pParent;  // the main window, not owned
  std::string m_strDossier;
};
