#pragma once
// "Statistique d'achat" (template 161): the number of albums bought in each
// month of the year chosen in the combo, by the local date of purchase.

#include "platform/Dialog.h"

#include <vector>

class CGestionBD;

class CQuilloryStatAchat : public ui::Dialog {
 public:
  CQuilloryStatAchat(ui::Window* parent, CGestionBD* gestion);
  bool OnInitDialog() override;

  static const char* const kMonths[12];

 private:
  void OnSelchangeAnnee();

  CGestionBD* m_pGestion;  // not owned
};
