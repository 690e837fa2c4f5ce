#pragma once
// One page of the comics release dialog (child template 157): the comics
// (albums of type Comic) dated in one year, under the twelve month names,
// and the cover picture of the comic clicked.

#include "controls/PictureViewer.h"
#include "controls/SortListCtrl.h"
#include "platform/Dialog.h"

#include <string>

class CGestionBD;
class CQuilloryTabCtrlSimple;

class CQuilloryListSimple : public ui::Dialog {
 public:
  CQuilloryListSimple(CQuilloryTabCtrlSimple* tab, CGestionBD* gestion, std::string dossier);
  bool OnInitDialog() override;

  // Every month heading (once the collection holds a comic) followed by that
  // month's comics of the year, in table order.
  void Fill(int year);
  CSortListCtrl& GetList() { return m_listComics; }
  CPictureViewer& GetPicture() { return m_picture; }

  static constexpr const char* HEADINGS = "Mois,80;S\xE9rie,100;Titre,108;Tome,40;Commentaire,250";
  static const char* const kMonths[12];

 private:
  void OnClickList(const ui::NotifyInfo& info);
  void OnItemChanged(const ui::NotifyInfo& info);
  void ShowSelectedCover();

  CPictureViewer m_picture;
  CSortListCtrl m_listComics;
  [[maybe_unused]] CQuilloryTabCtrlSimple* m_pTab;  // the tab control holding the page, not owned
  CGestionBD* m_pGestion;          // not owned
  std::string m_strDossier;
};
