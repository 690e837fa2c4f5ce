#pragma once
// "BD Prétées" (template 155): how many times each album has been lent and
// returned, in a sortable list.

#include "controls/SortListCtrl.h"
#include "platform/Dialog.h"

class CGestionBD;

class CQuilloryStatPret : public ui::Dialog {
 public:
  static constexpr const char* HEADING = "S\xE9rie,130;Nom,130;Nb BD,50";

  CQuilloryStatPret(ui::Window* parent, CGestionBD* gestion);
  bool OnInitDialog() override;

  CSortListCtrl& GetList() { return m_listStat; }

 private:
  CSortListCtrl m_listStat;
  CGestionBD* m_pGestion;  // not owned
};
