#pragma once
// "Config des listes" (template 145): which columns the album list pages
// show and how wide they are, one check box and one width per column.

#include "platform/Dialog.h"

class CQuilloryTabCtrl;

class CQuilloryConfTab : public ui::Dialog {
 public:
  CQuilloryConfTab(ui::Window* parent, CQuilloryTabCtrl* tab);

  bool OnInitDialog() override;
  // Applies the boxes to the pages: an unchecked column, or one whose width
  // is empty, is hidden.
  void OnOK() override;

  // The check box and the width box of each column, in the columns' order.
  static const int CHECK_IDS[10];
  static const int SIZE_IDS[10];

 private:
  CQuilloryTabCtrl* m_pTab;  // the main window's, not owned
};
