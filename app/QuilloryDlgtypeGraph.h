#pragma once
// The main window in the graphic style (template 149, menu 134): the series
// of the collection in a tab control on the left (one page per album type),
// the albums of the selected series in the middle and every detail of the
// selected album, with its cover, on the right. It owns the collection for
// the whole run, like the list-style window, and carries the album and
// series commands of its two lists.

#include "app/QuilloryTabCtrl.h"
#include "controls/PictureViewer.h"
#include "controls/Resizer.h"
#include "controls/SortListCtrl.h"
#include "export/ProxySettings.h"
#include "platform/Dialog.h"

#include <memory>
#include <string>

class CAlbum;
class CGestionBD;

class CQuilloryDlgtypeGraph : public ui::Dialog {
 public:
  // style: the value of the style file (1 here); programFolder: the folder
  // of the executable, below which the data lives.
  CQuilloryDlgtypeGraph(ui::Window* parent, int style, std::string programFolder);
  ~CQuilloryDlgtypeGraph() override;

  bool OnInitDialog() override;
  bool PreTranslateMessage(const ui::Message& msg) override;
  void OnSize(int cx, int cy) override;
  void OnMove() override;
  void OnSysCommand(int id) override;
  // The close question; also reached by "Fermer" and by Escape.
  void OnClose() override;
  void OnOK() override { SendClose(); }
  void OnCancel() override { SendClose(); }

  // The albums of a series, by volume, in the album list; the series becomes
  // the current one and the first album's details are shown.
  void ShowAlbumList(const std::string& serie);
  // Every field of the album of a row of the album list (none: the
  // placeholder picture and the fields as they were).
  void ShowAlbumDetails(int row);
  // A series row of a page was selected (row < 0: the click hit no row).
  void OnSelectSerie(int row);

  // Commands
  void OnRecherche();
  void OnNouvelleSerie();
  void OnAjouterSuite();
  void OnModifier();
  void OnSupprimer();
  void OnRenommerSerie();
  void OnSupprimerSerie();
  void OnImageAssociee();
  void OnChangeImage();
  void OnOkPret();
  void OnListePrets();
  void OnStatPrets();
  void OnImporterCsv();
  void OnEnregistrer();
  void OnEnregistrerSous();
  void OnRestorer();
  void OnExporterCsv();
  void OnStyleListe() { OnStyleChange(0); }
  void OnStyleGraphique() { OnStyleChange(1); }
  void OnSiteWeb();
  void OnExportHtml();
  void OnSortieBD();
  void OnConfigurationWeb();
  void OnFermer() { SendClose(); }
  void OnImprimer();
  void OnBlocNote();
  void OnStatGenerales();
  void OnStatEditeurs();
  void OnStatAchat();
  void OnSerieASuivre();
  void OnHistoriqueComics();
  void OnAlbumsManquants();
  void OnAPropos();

  // Every album of the current series takes the new name (the rename
  // dialog's confirmation); a name another series has merges the two.
  void RenommerSerie(const std::string& nouveauNom);

  // What the pages and the dialogs share with the window.
  CGestionBD* GetGestion() const { return m_pGestion.get(); }
  const std::string& GetRepertoire() const { return m_szRepertoire; }
  CQuilloryTabCtrl& GetTab() { return m_tab; }
  CSortListCtrl& GetAlbumList() { return m_listAlbums; }
  CPictureViewer& GetPicture() { return m_picture; }
  const std::string& GetSerieCourante() const { return m_strSerieCourante; }
  void ShowLoanControls(bool show);
  void SetImageShown(bool shown) { m_bImage = shown; }
  bool IsImageShown() const { return m_bImage; }
  bool IsClosing() const { return m_bFermeture; }
  bool IsResizing() const { return m_bRedim; }
  bool IsModified() const { return m_bModifie; }
  void SetModified() { m_bModifie = true; }
  bool IsCtrlArmed() const { return m_bCtrl; }
  bool IsGraphique() const { return m_bGraphique; }
  // The proxy settings of the news download.
  const ProxySettings& GetProxyConfig() const { return m_proxy; }

  // The album an album-list row names: volume and title of the row in the
  // current series, the first such album in collection order. Null when none.
  CAlbum* FindRowAlbum(int row) const;

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
  static constexpr const char* MSG_PICTURE_REQUIRED =
      "Voulez devez selectionner une BD pour changer son image";
  static constexpr const char* MSG_CHANGE_PICTURE = "Voulez vous changer l'image ?";
  static constexpr const char* MSG_PICTURE_NOT_LOADED =
      "l'image doit \xEAtre dans le repertoire \"images\" du dossier Quillory.";
  static constexpr const char* MSG_LOAN_DONE = "Pr\xEAt Enregistr\xE9";
  static constexpr const char* MSG_LOAN_FAILED = "Probleme lors de l'enregitrement du pret";

 private:
  void ShowTypeCounters();
  void MoveControl(int id, int dx, int dy);
  void GrowControl(int id, int dx, int dy);
  void ShowPlaceholderPicture();
  // The details panel with no album: labels, values, buttons and loan boxes hidden.
  void ShowNoAlbum();
  void OnSelchangeTab();
  void OnClickTab();
  void OnClickAlbum(const ui::NotifyInfo& info);
  void OnItemChangedAlbum(const ui::NotifyInfo& info);
  void OnDblClickAlbum(const ui::NotifyInfo& info);
  void OnRClickAlbum(const ui::NotifyInfo& info);
  // The series of the first row of the current page (empty when none).
  std::string FirstSerieOfPage() const;
  // After a change of the collection: pages, counters and the album list.
  void RefreshAfterChange();
  void OnStyleChange(int style);
  void CheckStyleItems(bool graphique);

  CSortListCtrl m_listAlbums;
  CQuilloryTabCtrl m_tab;
  CPictureViewer m_picture;
  std::unique_ptr<CGestionBD> m_pGestion;
  CResizer m_resizer;
  ui::Rect m_rcClient;
  ProxySettings m_proxy;
  std::string m_szRepertoire;
  bool m_bGraphique;
  bool m_bModifie = false;
  bool m_bImage = false;
  bool m_bFermeture = false;
  bool m_bRedim = false;
  bool m_bInit = false;
  bool m_bCtrl = false;
  std::string m_strSerieCourante;
};
