#pragma once
// The main window in the graphic style (template 149, menu 134): the series
// of the collection in a tab control on the left (one page per album type),
// the albums of the selected series in the middle and every detail of the
// selected album, with its cover, on the right. It carries the album and
// series commands of its two lists; what it shares with the list style is
// CQuilloryMainWindow's.

#include "app/QuilloryMainWindow.h"
#include "controls/SortListCtrl.h"

#include <string>

class CQuilloryDlgtypeGraph : public CQuilloryMainWindow {
 public:
  // style: the value of the style file (1 here); programFolder: the folder
  // of the executable, below which the data lives.
  CQuilloryDlgtypeGraph(ui::Window* parent, int style, std::string programFolder);
  ~CQuilloryDlgtypeGraph() override;

  bool OnInitDialog() override;

  // The albums of a series, by volume, in the album list; the series becomes
  // the current one and the first album's details are shown.
  void ShowAlbumList(const std::string& serie);
  // Every field of the album of a row of the album list (none: the
  // placeholder picture and the fields as they were).
  void ShowAlbumDetails(int row);
  // A series row of a page was selected (row < 0: the click hit no row).
  void OnSelectSerie(int row);
  void OnPageSelection(CQuilloryDlgList&, int row) override { OnSelectSerie(row); }

  // Commands of this window only.
  void OnAjouterSuite();
  void OnModifier();
  void OnSupprimer();
  void OnRenommerSerie();
  void OnSupprimerSerie();
  void OnImageAssociee();
  void OnSiteWeb();

  // Every album of the current series takes the new name (the rename
  // dialog's confirmation); a name another series has merges the two.
  void RenommerSerie(const std::string& nouveauNom);

  CSortListCtrl& GetAlbumList() { return m_listAlbums; }
  const std::string& GetSerieCourante() const { return m_strSerieCourante; }

  // The album an album-list row names: volume and title of the row in the
  // current series, the first such album in collection order. Null when none.
  CAlbum* FindRowAlbum(int row) const override;

  // The smallest client height at which the resize layout still moves controls.
  static constexpr int MIN_LAYOUT_HEIGHT = 417;

  // Texts the window shows.
  static constexpr const char* MSG_NO_ALBUM = "Veuillez reselectionn\xE9" "e votre BD";
  static constexpr const char* MSG_NO_SERIE = "Veuillez reselectionn\xE9" "e votre Serie";
  static constexpr const char* MSG_DELETE_QUESTION = "Voulez vous vraiment supprimer cette BD?";
  static constexpr const char* MSG_DELETED = "BD Supprim\xE9" "e";
  static constexpr const char* MSG_DELETE_FAILED = "Probleme lors de la suppression du pret";
  static constexpr const char* MSG_DELETE_SERIE_QUESTION =
      "Voulez vous vraiment supprimer la serie : %s ?";
  static constexpr const char* MSG_SERIE_DELETED = "Serie Supprim\xE9" "e";
  static constexpr const char* MSG_SERIE_DELETE_FAILED =
      "Probleme lors de la suppression de la s\xE9rie";
  static constexpr const char* MSG_BAD_SLOT =
      "Probleme de BD, Veuillez reselectionn\xE9" "e votre BD et contacter l'auteur";
  static constexpr const char* MSG_PICTURE_NOT_LOADED =
      "l'image doit \xEAtre dans le repertoire \"images\" du dossier Quillory.";

 protected:
  void ShowCounters() override { ShowTypeCounters(); }
  void RunAboutBox() override;
  CSortListCtrl* GetAlbumRows() override { return &m_listAlbums; }
  ui::Window* GetAlbumCommandTarget() override { return this; }
  void OnReturnKey() override;
  bool OnDeleteKey() override;
  void ShowAlbumLent() override;
  const char* PictureNotShownMessage() const override { return MSG_PICTURE_NOT_LOADED; }
  void LayOut(int dx, int dy) override;
  int MinLayoutHeight() const override { return MIN_LAYOUT_HEIGHT; }
  // Pages, counters and the album list of the current series.
  void RefreshAfterChange() override;
  // The new album's series becomes the current one.
  void RefreshAfterNewAlbum() override;
  // The album list of the first series of the page.
  void RefreshAfterReload() override;

 private:
  void ShowTypeCounters();
  void GrowControl(int id, int dx, int dy);
  // The details panel with no album: labels, values, buttons and loan boxes hidden.
  void ShowNoAlbum();
  void OnSelchangeTab();
  void OnClickAlbum(const ui::NotifyInfo& info);
  void OnItemChangedAlbum(const ui::NotifyInfo& info);
  void OnDblClickAlbum(const ui::NotifyInfo& info);
  void OnRClickAlbum(const ui::NotifyInfo& info);
  // The series of the first row of the current page (empty when none).
  std::string FirstSerieOfPage() const;

  CSortListCtrl m_listAlbums;
  std::string m_strSerieCourante;
};
