#pragma once
// "Statistiques éditeurs" (template 144): the number of albums of each
// publisher, in order of first appearance. Publishers that differ only in
// letter case share one row, named as written in the first album met.

#include "controls/SortListCtrl.h"
#include "platform/Dialog.h"

class CGestionBD;

class CQuilloryStatEditDlg : public ui::Dialog {
 public:
  CQuilloryStatEditDlg(ui::Window* parent, CGestionBD* gestion);
  bool OnInitDialog() override;

  static constexpr const char* HEADINGS = "Nom,130;Nb BD,50";

 private:
  CGestionBD* m_pGestion;  // not owned
  CSortListCtrl m_listStat;
};
