#pragma once
// The main window in the list style (template 102, menu 134): it owns the
// collection for the whole run and shows it in a tab control of four album
// list pages, with the total counter, the cover picture of the selected
// album, the search box and the loan entry controls. It saves, backs up and
// restores the collection and asks before closing with unsaved changes.

#include "app/QuilloryTabCtrl.h"
#include "controls/PictureViewer.h"
#include "controls/Resizer.h"
#include "export/ProxySettings.h"
#include "platform/Dialog.h"

#include <memory>
#include <string>

class CAlbum;
class CGestionBD;

class CQuilloryDlg : public ui::Dialog {
 public:
  // style: the value of the style file (0 here); programFolder: the folder
  // of the executable, below which the data lives.
  CQuilloryDlg(ui::Window* parent, int style, std::string programFolder);
  ~CQuilloryDlg() override;

  bool OnInitDialog() override;
  bool PreTranslateMessage(const ui::Message& msg) override;
  void OnSize(int cx, int cy) override;
  void OnMove() override;
  void OnSysCommand(int id) override;
  // The close question; also reached by "Fermer" and by Escape.
  void OnClose() override;
  void OnOK() override { SendClose(); }
  void OnCancel() override { SendClose(); }

  // Commands
  void OnRecherche();
  void OnEnregistrer();
  void OnEnregistrerSous();
  void OnRestorer();
  void OnExporterCsv();
  void OnFermer() { SendClose(); }
  void OnImporterCsv();
  void OnConfigListes();
  void OnStyleListe() { OnStyleChange(0); }
  void OnStyleGraphique() { OnStyleChange(1); }
  void OnNouvelleSerie();
  void OnOkPret();
  void OnChangeImage();
  void OnListePrets();
  void OnStatPrets();
  // "Exporter en Html", "Sortie BD", "Configuration Web", "Site de Quillory ".
  void OnExportHtml();
  void ExportCollectionXml();
  void OnSortieBD();
  void OnConfigurationWeb();
  void OnSiteWeb();
  void OnImprimer();
  void OnBlocNote();
  void OnStatGenerales();
  void OnStatEditeurs();
  void OnStatAchat();
  void OnSerieASuivre();
  void OnHistoriqueComics();
  void OnAlbumsManquants();
  void OnAPropos();

  // What the pages and the commands share with the window.
  CGestionBD* GetGestion() const { return m_pGestion.get(); }
  const std::string& GetRepertoire() const { return m_szRepertoire; }
  CQuilloryTabCtrl& GetTab() { return m_tab; }
  CPictureViewer& GetPicture() { return m_picture; }
  void ShowLoanControls(bool show);
  // The loan boxes show who has the album and since when, or nothing when it
  // is not lent.
  void ShowLoanOf(const CAlbum& album);
  void ShowAlbumCount();
  // Saves the collection at once; a failure is reported and leaves the
  // window marked modified, so that the close question offers to save.
  bool SaveCollection();
  void ShowPictureFrame(bool show);
  // Shows the album's picture (a path below the program folder), or the
  // placeholder when it cannot be loaded; no message either way.
  void ShowAlbumPicture(const std::string& picture);
  void ShowPlaceholderPicture();
  void SetImageShown(bool shown) { m_bImage = shown; }
  bool IsImageShown() const { return m_bImage; }
  bool IsClosing() const { return m_bFermeture; }
  bool IsResizing() const { return m_bRedim; }
  bool IsModified() const { return m_bModifie; }
  void SetModified() { m_bModifie = true; }
  bool IsCtrlArmed() const { return m_bCtrl; }
  bool IsGraphique() const { return m_bGraphique; }

  // The proxy settings of the news download.
  void SetProxyConfig(int proxy, int proxyAuth, const std::string& host, const std::string& port,
                      const std::string& login, const std::string& password);
  int GetProxy() const { return m_nProxy; }
  int GetProxyAuth() const { return m_nProxyAuth; }
  const std::string& GetProxyHost() const { return m_strProxyHost; }
  const std::string& GetProxyPort() const { return m_strProxyPort; }
  const std::string& GetProxyLogin() const { return m_strProxyLogin; }
  const std::string& GetProxyPassword() const { return m_strProxyPassword; }
  ProxySettings GetProxyConfig() const;

  // The smallest client area, in dialog units (the template is 709 by 401).
  static constexpr int MIN_WIDTH_DLU = 560;
  static constexpr int MIN_HEIGHT_DLU = 300;

  // Texts the window shows.
  static constexpr const char* MSG_CANNOT_OPEN = "Impossible d'ouvrir le fichier de base des BD";
  static constexpr const char* MSG_SAVE_QUESTION = "Voulez vous sauvegarder les modifications ??";
  static constexpr const char* MSG_NO_PAGE = "Probleme software OnOkPret, contacter Mr Dorlan";
  static constexpr const char* MSG_RESTORE_QUESTION =
      "Voulez vous vraiment restorer votre base de donn\xE9" "e ?\n"
      " Si oui Quillory va devoir se fermer pour se reinitialiser.";
  static constexpr const char* MSG_RESTORE_DONE = "Cliquer sur OK pour fermer Quillory";
  // Lines of the database that give no album because they cannot be read:
  // %i their count, %s the first of them.
  static constexpr const char* MSG_UNREAD_LINES =
      "%i ligne(s) du fichier de base des BD ne sont pas affich\xE9" "es (illisibles).\n"
      "Elles sont conserv\xE9" "es telles quelles dans le fichier \xE0 chaque "
      "enregistrement.\nPremi\xE8re de ces lignes : %s";
  static constexpr const char* MSG_RESTORE_NOT_A_DATABASE =
      "Le fichier %s ne contient aucune BD lisible : ce n'est pas une sauvegarde de Quillory.\n"
      "La base des BD n'a pas \xE9t\xE9 modifi\xE9" "e.";
  static constexpr const char* MSG_RESTORE_UNREADABLE =
      "Le fichier %s contient %i BD et %i ligne(s) illisible(s), dont la premi\xE8re est :\n%s\n"
      "Ces lignes seront gard\xE9" "es dans la base, mais aucune BD n'en sera tir\xE9" "e.\n"
      "Restorer quand m\xEAme ?";
  static constexpr const char* MSG_RESTORE_KEPT =
      "L'ancienne base des BD est conserv\xE9" "e dans le fichier %s.";
  static constexpr const char* MSG_RESTORE_NO_COPY =
      "Impossible de conserver une copie de la base actuelle (%s) : la restauration est annul\xE9" "e.";
  // The copy of the database kept before a restore, in data\ beside it.
  static constexpr const char* RESTORE_COPY_PREFIX = "quillory-avant-restauration";
  static constexpr const char* MSG_BACKUP_FAILED = "Impossible d'enregistrer la sauvegarde : %s";
  static constexpr const char* MSG_RESTORE_FAILED =
      "Impossible de restorer la sauvegarde : %s\nLa base des BD n'a pas \xE9t\xE9 modifi\xE9" "e.";
  static constexpr const char* MSG_CSV_FAILED = "Impossible d'enregistrer le fichier Quillory.csv";
  static constexpr const char* BACKUP_FILTER = "Fichier de sauvegarde (*.db)";
  static constexpr const char* MSG_RESELECT = "Veuillez reselectionn\xE9" "e votre BD";
  static constexpr const char* MSG_PRET_OK = "Pr\xEAt Enregistr\xE9";
  static constexpr const char* MSG_PRET_FAILED = "Probleme lors de l'enregitrement du pret";
  static constexpr const char* MSG_IMAGE_NO_ROW =
      "Voulez devez selectionner une BD pour changer son image";
  static constexpr const char* MSG_IMAGE_QUESTION = "Voulez vous changer l'image ?";
  static constexpr const char* MSG_IMAGE_FAILED =
      "l'image doit \xEAtre dans le repertoire de Quillory et de preferences dans images.";
  static constexpr const char* MSG_IMAGE_NAME =
      "Le nom de cette image contient des caract\xE8res que Quillory ne peut pas enregistrer.\n"
      "Renommez le fichier, puis choisissez-le de nouveau.";
  static constexpr const char* MSG_IMAGE_PATH_TOO_LONG =
      "Le chemin de cette image est trop long : rangez-la directement dans le dossier images.";
  static constexpr const char* IMAGE_FILTER = "Fichiers jpg (*.jpg)";

 private:
  // The current database's copy before a restore: its file name, empty
  // when there was no database; false (after saying so) when it could not
  // be written.
  void MoveControl(int id, int dx, int dy);
  void OnSelchangeTab();
  void OnClickTab();
  void OnStyleChange(int style);

  CQuilloryTabCtrl m_tab;
  CPictureViewer m_picture;
  std::unique_ptr<CGestionBD> m_pGestion;
  CResizer m_resizer;
  ui::Rect m_rcClient;
  int m_nProxy = 0;
  int m_nProxyAuth = 0;
  std::string m_strProxyHost;
  std::string m_strProxyPort;
  std::string m_strProxyLogin;
  std::string m_strProxyPassword;
  std::string m_szRepertoire;
  bool m_bGraphique;
  bool m_bModifie = false;
  bool m_bImage = false;
  bool m_bFermeture = false;
  bool m_bRedim = false;
  bool m_bInit = false;
  bool m_bCtrl = false;
};
