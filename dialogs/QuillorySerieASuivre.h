#pragma once
// "BD à suivre" (template 154): every series not marked finished, with the
// number of the next volume to look for. Read-only; the list takes the
// window's change of height, the buttons follow the lower right corner.

#include "controls/Resizer.h"
#include "controls/SortListCtrl.h"
#include "platform/Dialog.h"

class CGestionBD;

class CQuillorySerieASuivre : public ui::Dialog {
 public:
  CQuillorySerieASuivre(ui::Window* parent, CGestionBD* gestion);
  bool OnInitDialog() override;
  void OnSize(int cx, int cy) override;

 private:
  void Fill();

  CSortListCtrl m_listSuivre;
  CGestionBD* m_pGestion;  // not owned
  CResizer m_resizer;
  ui::Rect m_rcClient;
  bool m_bInit = false;
};
