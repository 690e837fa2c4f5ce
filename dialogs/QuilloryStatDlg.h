#pragma once
// "Statistiques générales" (template 142): the number of albums of each type
// and of each of the nine known genres, and the total. Read-only.

#include "platform/Dialog.h"

class CGestionBD;

class CQuilloryStatDlg : public ui::Dialog {
 public:
  CQuilloryStatDlg(ui::Window* parent, CGestionBD* gestion);
  bool OnInitDialog() override;

 private:
  CGestionBD* m_pGestion;  // not owned
};
