#pragma once
// What the two main windows, the list style (CQuilloryDlg) and the graphic
// style (CQuilloryDlgtypeGraph), do the same way. A main window owns the
// collection for the whole run and shows it in a tab control of pages, with
// a cover picture, the search box and the loan boxes; it saves, backs up and
// restores the collection and asks before closing with unsaved changes.
//
// A command both windows carry is mapped once, in this class's constructor,
// to a handler of this class. What differs between the windows is asked of
// them through the protected hooks below.

#include "app/AlbumPageOwner.h"
#include "app/QuilloryTabCtrl.h"
#include "controls/PictureViewer.h"
#include "export/ProxySettings.h"
#include "platform/Dialog.h"

#include <memory>
#include <string>

class CAlbum;
class CGestionBD;
class CSortListCtrl;

class CQuilloryMainWindow : public ui::Dialog, public CAlbumPageOwner {
 public:
  ~CQuilloryMainWindow() override;

  bool OnInitDialog() override;
  bool PreTranslateMessage(const ui::Message& msg) override;
  void OnSize(int cx, int cy) override;
  void OnMove() override;
  void OnSysCommand(int id) override;
  // The close question; also reached by "Fermer" and by Escape.
  void OnClose() override;
  void OnOK() override { SendClose(); }
  void OnCancel() override { SendClose(); }

  // Commands of both windows.
  // The search box: the albums (or, on series pages, the series) of the
  // current tab whose texts hold the text typed; an empty box lists them all.
  void OnRecherche();
  void OnNouvelleSerie();
  void OnOkPret();
  void OnChangeImage();
  void OnListePrets();
  void OnStatPrets();
  void OnImporterCsv();
  void OnEnregistrer();
  void OnEnregistrerSous();
  void OnRestorer();
  void OnExporterCsv();
  void OnFermer() { SendClose(); }
  void OnStyleListe() { OnStyleChange(0); }
  void OnStyleGraphique() { OnStyleChange(1); }
  // "Exporter en Html", "Sortie BD", "Configuration Web".
  void OnExportHtml();
  void ExportCollectionXml();
  void OnSortieBD();
  void OnConfigurationWeb();
  void OnImprimer();
  void OnBlocNote();
  void OnStatGenerales();
  void OnStatEditeurs();
  void OnStatAchat();
  void OnSerieASuivre();
  void OnHistoriqueComics();
  void OnAlbumsManquants();
  void OnAPropos();

  // What the pages, the dialogs and the commands share with the window.
  CGestionBD* GetGestion() const { return m_pGestion.get(); }
  const std::string& GetRepertoire() const { return m_szRepertoire; }
  CQuilloryTabCtrl& GetTab() { return m_tab; }
  CPictureViewer& GetPicture() { return m_picture; }
  void ShowLoanControls(bool show);
  // The loan boxes show who has the album and since when, or nothing when it
  // is not lent.
  void ShowLoanOf(const CAlbum& album);
  void ShowPictureFrame(bool show);
  // Shows the album's picture (a path below the program folder), or the
  // placeholder when it cannot be loaded; no message either way.
  void ShowAlbumPicture(const std::string& picture);
  void ShowPlaceholderPicture();
  // Saves the collection at once; a failure is reported and leaves the
  // window marked modified, so that the close question offers to save.
  bool SaveCollection();
  void SetImageShown(bool shown) { m_bImage = shown; }
  bool IsImageShown() const { return m_bImage; }
  bool IsClosing() const override { return m_bFermeture; }
  bool IsResizing() const override { return m_bRedim; }
  bool IsModified() const { return m_bModifie; }
  void SetModified() { m_bModifie = true; }
  bool IsCtrlArmed() const { return m_bCtrl; }
  bool IsGraphique() const { return m_bGraphique; }

  // The album a row of the list the album commands act on names (see
  // GetAlbumRows); null when none.
  virtual CAlbum* FindRowAlbum(int row) const = 0;

  // The proxy settings of the news download.
  const ProxySettings& GetProxyConfig() const { return m_proxy; }
  void SetProxyConfig(const ProxySettings& proxy) { m_proxy = proxy; }
  int GetProxy() const { return m_proxy.m_nProxy; }
  int GetProxyAuth() const { return m_proxy.m_nProxyAuth; }
  const std::string& GetProxyHost() const { return m_proxy.m_strProxyHost; }
  const std::string& GetProxyPort() const { return m_proxy.m_strProxyPort; }
  const std::string& GetProxyLogin() const { return m_proxy.m_strProxyLogin; }
  const std::string& GetProxyPassword() const { return m_proxy.m_strProxyPassword; }

  // What the pages ask of the window.
  ui::Window& GetOwnerWindow() override { return *this; }
  void OnPageAlbumsChanged(bool saveNow) override;

  // Texts the windows show.
  static constexpr const char* MSG_SAVE_QUESTION = "Voulez vous sauvegarder les modifications ??";
  static constexpr const char* MSG_NO_PAGE = "Probleme software OnOkPret, contacter Mr Dorlan";
  static constexpr const char* MSG_CSV_FAILED = "Impossible d'enregistrer le fichier Quillory.csv";
  static constexpr const char* MSG_RESELECT = "Veuillez reselectionn\xE9" "e votre BD";
  static constexpr const char* MSG_PRET_OK = "Pr\xEAt Enregistr\xE9";
  static constexpr const char* MSG_PRET_FAILED = "Probleme lors de l'enregitrement du pret";
  static constexpr const char* MSG_IMAGE_NO_ROW =
      "Voulez devez selectionner une BD pour changer son image";
  static constexpr const char* MSG_IMAGE_QUESTION = "Voulez vous changer l'image ?";
  static constexpr const char* MSG_IMAGE_NAME =
      "Le nom de cette image contient des caract\xE8res que Quillory ne peut pas enregistrer.\n"
      "Renommez le fichier, puis choisissez-le de nouveau.";
  static constexpr const char* MSG_IMAGE_PATH_TOO_LONG =
      "Le chemin de cette image est trop long : rangez-la directement dans le dossier images.";
  static constexpr const char* IMAGE_FILTER = "Fichiers jpg (*.jpg)";

 protected:
  // style: the value of the style file; programFolder: the folder of the
  // executable, below which the data lives; seriesPages: the pages list
  // series, one row each, and the search looks at series only.
  CQuilloryMainWindow(const ui::DialogTemplate& dialog, ui::Window* parent, int style,
                      std::string programFolder, bool seriesPages);

  // ---- What each window does its own way ----
  // The counters of albums above the pages.
  virtual void ShowCounters() = 0;
  // "A propos": each window has its own About box.
  virtual void RunAboutBox() = 0;
  // The list whose selected row the album commands (loan, cover) act on;
  // null when there is none.
  virtual CSortListCtrl* GetAlbumRows() = 0;
  // Where Ctrl+N, Ctrl+M and Ctrl+D send the album commands (ID_PAGE_...);
  // null: nowhere.
  virtual ui::Window* GetAlbumCommandTarget() = 0;
  // Return typed anywhere in the window.
  virtual void OnReturnKey() = 0;
  // Delete typed anywhere in the window; false leaves the key to the control.
  virtual bool OnDeleteKey() { return false; }
  // A cover was asked for with no album selected: what showed of the last
  // album goes (the loan boxes already have).
  virtual void HideAlbumShown() {}
  // A loan was recorded for the selected album.
  virtual void ShowAlbumLent() {}
  // Said when the cover chosen cannot be shown.
  virtual const char* PictureNotShownMessage() const = 0;
  // The window grew by (dx, dy): what moves besides the search and loan
  // boxes. Below MinLayoutHeight nothing moves.
  virtual void LayOut(int dx, int dy) = 0;
  virtual int MinLayoutHeight() const { return 0; }
  // After a change of the collection, the pages and the counters (the
  // default) and what else the window shows of it: after any change, after a
  // new album (the last of the collection), after a restore.
  virtual void RefreshAfterChange();
  virtual void RefreshAfterNewAlbum() { RefreshAfterChange(); }
  virtual void RefreshAfterReload() { RefreshAfterChange(); }

  void MoveControl(int id, int dx, int dy);
  void CheckStyleItems(bool graphique);

  CQuilloryTabCtrl m_tab;
  CPictureViewer m_picture;
  std::unique_ptr<CGestionBD> m_pGestion;
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

 private:
  void OnStyleChange(int style);
  void OnClickTab();

  const bool m_bSeriesPages;
};
