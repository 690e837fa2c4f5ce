#pragma once
// "Albums manquants" (template 171): for each series with a gap, the volumes
// from 1 to its highest volume that the collection lacks ("3 \xE0 5, 7").
// Volumes of 0 or less (hors-series) are left out. Read-only; the list takes
// every change of the window's size, the button follows the lower right corner.

#include "controls/Resizer.h"
#include "controls/SortListCtrl.h"
#include "platform/Dialog.h"

#include <string>
#include <vector>

class CGestionBD;

class CQuilloryAlbumsManquants : public ui::Dialog {
 public:
  CQuilloryAlbumsManquants(ui::Window* parent, CGestionBD* gestion);
  bool OnInitDialog() override;
  void OnSize(int cx, int cy) override;

  struct Row {
    std::string serie;     // as the first album of the series spells it
    std::string manquants;  // the volumes missing, as the list shows them
  };
  // One row per series that lacks a volume, in collection order. Series are
  // told apart without regard to case, as the series table does.
  static std::vector<Row> Rows(const CGestionBD& gestion);
  // The volumes from 1 to the highest one of `owned` that it lacks,
  // ascending, separated by ", ", a run of three or more as "a \xE0 b".
  // Volumes of 0 or less are ignored; the order and repeats of `owned` do
  // not matter.
  static std::string MissingVolumes(std::vector<int> owned);

 private:
  CSortListCtrl m_listManquants;
  CGestionBD* m_pGestion;  // not owned
  CResizer m_resizer;
};
