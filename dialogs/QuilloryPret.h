#pragma once
// "Liste des prêts" (template 136): the albums out on loan, and their return.
// A return is written to the database file at once. The frame is resizable:
// the buttons keep their distance to the lower right corner and the list
// grows in height.

#include "platform/Dialog.h"

class CGestionBD;

class CQuilloryPret : public ui::Dialog {
 public:
  CQuilloryPret(ui::Window* parent, CGestionBD* gestion);

  bool OnInitDialog() override;
  void OnSize(int cx, int cy) override;

  // Refills the list with the albums whose borrower is set, in collection order.
  void Fill();
  void OnRendue();
  // A return was recorded but could not be written to the database file.
  bool SaveFailed() const { return m_bSaveFailed; }

  static constexpr const char* MSG_RENDUE = "BD enregistr\xE9" "e comme rendue";
  static constexpr const char* MSG_RENDUE_FAILED = "Probleme lors de desenregitrement du pret";
  // The main window's text for a database file that cannot be written.

 private:
  void OnClickList(const ui::NotifyInfo& info);

  CGestionBD* m_pGestion;  // not owned
  ui::Rect m_rcClient;
  bool m_bInit = false;
  bool m_bSaveFailed = false;
};
