#pragma once
// An album list page of the main window's tab control (template 141): the
// albums of one type (or of all types) in a sortable list, and below it the
// comment of the selected album. In the graphic style a page lists series,
// one row each. What a selection shows is its main window's to say.

#include "controls/SortListCtrl.h"
#include "platform/Dialog.h"

#include <string>
#include <vector>

class CAlbum;
class CAlbumPageOwner;
class CGestionBD;

class CQuilloryDlgList : public ui::Dialog {
 public:
  // Type filter that keeps every album.
  static constexpr int FILTER_ALL = 4;
  // Heading of the ten columns: name and default width of each.
  static constexpr const char* HEADING =
      "S\xE9rie,100;Titre,108;Tome,40;Scenariste,100;D\xE9ssinateur,100;Editeur,90;EO,50;"
      "Genre,100;Collection,100;Note,40";

  // owner: the main window the page belongs to (its window is also the
  // page's parent); graphique: the page lists series.
  CQuilloryDlgList(CAlbumPageOwner& owner, CGestionBD* gestion, bool graphique);

  bool OnInitDialog() override;
  bool PreTranslateMessage(const ui::Message& msg) override;

  // Empties the list and adds a row for each album of the type (FILTER_ALL:
  // every album), in collection order.
  void Fill(int typeFilter);
  // Empties the list and shows a row for each of these albums. The list
  // keeps its rows in the order of their series, letter case aside, albums
  // of equal series in the order given, as rows inserted one by one would
  // stand. A row is its album: the list asks for its cells when it shows
  // them, so a change of the album shows at once.
  void ShowAlbums(const std::vector<const CAlbum*>& albums);
  // The text of an album's cell in the page's columns.
  static std::string CellText(const CAlbum& album, int column);
  // Moves the comment box by (dx, dy) and makes the list dx wider and dy taller.
  void MovePage(int dx, int dy);

  // The album a row names: the first album in collection order whose series
  // and title equal the row's (exactly) and whose volume equals the row's
  // number. Null when there is none.
  CAlbum* FindRowAlbum(int row) const;
  // Its index in the collection, or -1.
  int FindRowAlbumIndex(int row) const;

  // The album commands of the page (context menu 143 and Ctrl shortcuts).
  void OnModifier();
  void OnAjouterSuite();
  void OnSupprimer();

  static constexpr const char* MSG_RESELECT = "Veuillez reselectionn\xE9" "e votre BD";
  static constexpr const char* MSG_RESELECT_DBLCLK = "Veuillez resel\xE9" "ctionner votre BD";
  static constexpr const char* MSG_DELETE_QUESTION = "Voulez vous vraiment supprimer cette BD?";
  static constexpr const char* MSG_DELETE_FAILED = "Probleme lors de la suppression du pret";
  static constexpr const char* MSG_DELETED = "BD Supprim\xE9" "e";

  CSortListCtrl& GetList() { return m_list; }
  const CSortListCtrl& GetList() const { return m_list; }
  bool IsCtrlArmed() const { return m_bCtrl; }

 private:
  void OnClickList(const ui::NotifyInfo& info);
  void OnItemChangedList(const ui::NotifyInfo& info);
  void OnRightClickList(const ui::NotifyInfo& info);
  void OnDblClickList(const ui::NotifyInfo& info);
  // Runs the entry dialog on the selected row in that mode (-2: next volume,
  // otherwise modify); false when no row is selected.
  bool RunEntryDialog(bool nextVolume, const char* noRowMessage);
  // The graphic window's keys of a series page.
  bool PreTranslateSeries(const ui::Message& msg);
  // The window shows the selection; hitRow < 0: the click was on no row.
  void ShowSelection(int hitRow);

  CSortListCtrl m_list;
  CAlbumPageOwner& m_owner;
  CGestionBD* m_pGestion;  // not owned
  // The store's generation when the rows were given: once albums have been
  // destroyed, the rows show nothing until the page is filled again.
  unsigned m_generation = 0;
  bool m_bGraphique;
  bool m_bCtrl = false;
};
