#include "dialogs/QuilloryAjoutBD.h"

#include "collection/Album.h"
#include "collection/GestionBD.h"
#include "platform/Button.h"
#include "platform/ComboBox.h"
#include "platform/DateTimePicker.h"
#include "platform/Services.h"
#include "resources/Templates.h"

#include <string>
#include <unordered_set>
#include <vector>

namespace {

// The text fields, in the order the keystroke filter tests them, with the
// longest text each may take.
struct TextField {
  int id;
  int limit;
};
constexpr TextField kTextFields[] = {
    {IDC_AJOUT_SERIE, field_limits::SERIE},
    {IDC_AJOUT_TITRE, field_limits::TITRE},
    {IDC_AJOUT_SCENARIO, field_limits::SCENARISTE},
    {IDC_AJOUT_DESSIN, field_limits::DESSINATEUR},
    {IDC_AJOUT_EDITEUR, field_limits::EDITEUR},
    {IDC_AJOUT_COMMENTAIRE, field_limits::COMMENTAIRE},
    {IDC_AJOUT_COLLECTION, field_limits::COLLECTION},
    // A double quote in the genre would break the database line just as well.
    {IDC_AJOUT_GENRE, field_limits::GENRE},
};

bool IsForbidden(char c) {
  return c == '"' || c == '&' || static_cast<unsigned char>(c) < 0x20;
}

// A box's text as the collection stores it: "_" for an empty text.
std::string Stored(const std::string& text) { return text.empty() ? std::string(kNoValue) : text; }

// A stored text as its box shows it: "_" is an empty box, so that what the
// user types there is not saved behind the placeholder ("_Bon \xE9tat").
std::string Shown(const std::string& stored) { return stored == kNoValue ? std::string() : stored; }

// The collection never stores an empty text; the boxes show "_" as it is.
void AddDistinct(std::vector<std::string>& list, std::unordered_set<std::string>& seen,
                 const std::string& value) {
  if (seen.insert(value).second) list.push_back(value);
}

}  // namespace

CQuilloryAjoutBD::CQuilloryAjoutBD(ui::Window* parent, CGestionBD* gestion, int mode,
                                   const std::string& titre, const std::string& serie, int tome)
    : ui::Dialog(kDialogAjoutBD, parent),
      m_pGestion(gestion),
      m_strTitre(mode == MODE_NOUVELLE_SERIE ? std::string() : titre),
      m_strSerie(mode == MODE_NOUVELLE_SERIE ? std::string() : serie),
      m_nTome(tome),
      m_nMode(mode) {
  MapNotify(IDC_AJOUT_NOTE, ui::Notification::EditChange, &CQuilloryAjoutBD::OnChangeNote);
}

void CQuilloryAjoutBD::FillDistinctValues() {
  std::vector<std::string> editeurs, collections, scenaristes, dessinateurs;
  std::unordered_set<std::string> seenEditeurs, seenCollections, seenScenaristes, seenDessinateurs;
  for (int i = 0; m_pGestion && i < m_pGestion->GetAlbumCount(); ++i) {
    const CAlbum* a = m_pGestion->GetAlbum(i);
    if (!a) continue;
    AddDistinct(editeurs, seenEditeurs, a->GetEditeur());
    if (a->GetCollection() != kNoValue)
      AddDistinct(collections, seenCollections, a->GetCollection());
    AddDistinct(scenaristes, seenScenaristes, a->GetScenariste());
    AddDistinct(dessinateurs, seenDessinateurs, a->GetDessinateur());
  }
  m_cbEditeur->AddStrings(editeurs);
  m_cbCollection->AddStrings(collections);
  m_cbScenario->AddStrings(scenaristes);
  m_cbDessin->AddStrings(dessinateurs);
}

int CQuilloryAjoutBD::FindStartAlbum() const {
  for (int i = 0; m_pGestion && i < m_pGestion->GetAlbumCount(); ++i) {
    const CAlbum* a = m_pGestion->GetAlbum(i);
    if (a && a->GetTitre() == m_strTitre && a->GetSerie() == m_strSerie &&
        (m_nTome == -1 || a->GetTome() == m_nTome))
      return i;
  }
  return -1;
}

bool CQuilloryAjoutBD::OnInitDialog() {
  m_cbDessin = GetComboBox(IDC_AJOUT_DESSIN);
  m_cbScenario = GetComboBox(IDC_AJOUT_SCENARIO);
  m_cbCollection = GetComboBox(IDC_AJOUT_COLLECTION);
  m_cbEditeur = GetComboBox(IDC_AJOUT_EDITEUR);
  m_chkSerieFinie = GetButton(IDC_AJOUT_SERIEFINIE);
  m_cbType = GetComboBox(IDC_AJOUT_TYPE);
  m_dtpAchat = GetDateTimePicker(IDC_AJOUT_DATEACHAT);
  m_chkEO = GetButton(IDC_AJOUT_EO);
  for (const TextField& field : kTextFields) GetDlgItem(field.id)->SetLimitText(field.limit);
  GetDlgItem(IDC_AJOUT_TOME)->SetLimitText(9);
  GetDlgItem(IDC_AJOUT_NOTE)->SetLimitText(2);

  FillDistinctValues();

  if (m_nMode == MODE_NOUVELLE_SERIE) {
    SetDlgItemText(IDC_AJOUT_NOTE, "5");
    m_chkEO->SetCheck(ui::BST_CHECKED);
    return true;
  }

  const int index = FindStartAlbum();
  const CAlbum* album = index >= 0 ? m_pGestion->GetAlbum(index) : nullptr;
  if (!album) {
    // The album was removed since its row was shown: nothing to start from.
    ui::AfxMessageBox(MSG_ALBUM_GONE, ui::MB_OK | ui::MB_ICONEXCLAMATION);
    EndDialog(ui::IDCANCEL);
    return true;
  }

  if (m_nMode == MODE_SUITE) {
    SetWindowText("Ajouter la suite d'une BD");
    SetDlgItemText(IDC_AJOUT_TOME, std::to_string(album->GetTome() + 1));
    SetDlgItemText(IDC_AJOUT_NOTE, "5");
    m_chkEO->SetCheck(ui::BST_CHECKED);
  } else {
    SetWindowText("Modification d'une BD");
    SetDlgItemText(IDC_AJOUT_TITRE, Shown(album->GetTitre()));
    SetDlgItemText(IDC_AJOUT_TOME, std::to_string(album->GetTome()));
    SetDlgItemText(IDC_AJOUT_COMMENTAIRE, Shown(album->GetCommentaire()));
    m_chkEO->SetCheck(album->GetEO() == 1 ? ui::BST_CHECKED : ui::BST_UNCHECKED);
    m_chkSerieFinie->SetCheck(album->GetSerieFinie() == 1 ? ui::BST_CHECKED : ui::BST_UNCHECKED);
    m_nMode = index;
    SetDlgItemText(ui::IDOK, "Modifier");
    SetDlgItemText(IDC_AJOUT_NOTE, std::to_string(album->GetNote()));
  }
  SetDlgItemText(IDC_AJOUT_SERIE, Shown(album->GetSerie()));
  m_cbScenario->SetWindowText(Shown(album->GetScenariste()));
  m_cbDessin->SetWindowText(Shown(album->GetDessinateur()));
  m_cbEditeur->SetWindowText(Shown(album->GetEditeur()));
  GetComboBox(IDC_AJOUT_GENRE)->SetWindowText(Shown(album->GetGenre()));
  m_cbCollection->SetWindowText(Shown(album->GetCollection()));
  m_cbType->SetCurSel(album->GetType());
  m_dtpAchat->SetTime(static_cast<std::time_t>(album->GetDateAchat()));
  return true;
}

bool CQuilloryAjoutBD::PreTranslateMessage(const ui::Message& msg) {
  if (msg.kind != ui::MessageKind::Char || (msg.key != '&' && msg.key != '"')) return false;
  const int id = msg.GetDlgCtrlID();
  for (const TextField& field : kTextFields) {
    if (field.id == id) {
      ui::AfxMessageBox(MSG_FORBIDDEN_CHAR);
      return true;
    }
  }
  return false;
}

void CQuilloryAjoutBD::OnChangeNote() {
  const int note = GetDlgItemInt(IDC_AJOUT_NOTE);
  if (static_cast<unsigned>(note) > 10) {
    ui::AfxMessageBox(MSG_NOTE_RANGE);
    SetDlgItemText(IDC_AJOUT_NOTE, "0");
  }
}

std::string CQuilloryAjoutBD::TooLongMessage(const CAlbum& album) {
  // Within every limit a line always fits: some field passes its own.
  field_limits::Excess excess = field_limits::FirstExcess(album);
  if (!excess.label)
    excess = {"Commentaire", static_cast<int>(album.GetCommentaire().size()),
              field_limits::COMMENTAIRE};
  std::string message = MSG_TOO_LONG;
  message.replace(message.find("%s"), 2, excess.label);
  message.replace(message.find("%i"), 2, std::to_string(excess.length));
  message.replace(message.find("%i"), 2, std::to_string(excess.limit));
  return message;
}

int CQuilloryAjoutBD::FieldWithForbiddenChar() const {
  for (const TextField& field : kTextFields)
    for (char c : GetDlgItemText(field.id))
      if (IsForbidden(c)) return field.id;
  return 0;
}

void CQuilloryAjoutBD::OnOK() {
  // Pasted text is not filtered key by key: what the database line cannot
  // carry is refused here, and the dialog keeps what was typed.
  if (const int field = FieldWithForbiddenChar()) {
    ui::AfxMessageBox(MSG_FORBIDDEN_CHAR);
    GetDlgItem(field)->SetFocus();
    return;
  }

  const double dateAchat = static_cast<double>(m_dtpAchat->GetTime());
  const std::string serie = Stored(GetDlgItemText(IDC_AJOUT_SERIE));
  const std::string titre = Stored(GetDlgItemText(IDC_AJOUT_TITRE));
  const std::string dessinateur = Stored(GetDlgItemText(IDC_AJOUT_DESSIN));
  const std::string scenariste = Stored(GetDlgItemText(IDC_AJOUT_SCENARIO));
  const std::string editeur = Stored(GetDlgItemText(IDC_AJOUT_EDITEUR));
  const std::string commentaire = Stored(GetDlgItemText(IDC_AJOUT_COMMENTAIRE));
  const std::string genre = Stored(GetDlgItemText(IDC_AJOUT_GENRE));
  const std::string collection = Stored(GetDlgItemText(IDC_AJOUT_COLLECTION));
  const int tome = GetDlgItemInt(IDC_AJOUT_TOME);
  const int note = GetDlgItemInt(IDC_AJOUT_NOTE);
  m_bEO = m_chkEO->GetCheck() == ui::BST_CHECKED ? 1 : 0;
  const int type = m_cbType->GetCurSel();
  const int serieFinie = m_chkSerieFinie->GetCheck() == ui::BST_CHECKED ? 1 : 0;

  if (m_nMode < 0) {
    const CAlbum candidate(serie.c_str(), titre.c_str(), tome, dessinateur.c_str(),
                           scenariste.c_str(), editeur.c_str(), commentaire.c_str(), m_bEO,
                           genre.c_str(), kNoValue, kNoValue, kNoValue, dateAchat, type,
                           collection.c_str(), note, serieFinie, 0, kNoValue);
    if (CGestionBD::FormatDatabaseLine(candidate).size() - 2 > CGestionBD::MAX_LINE) {
      ui::AfxMessageBox(TooLongMessage(candidate), ui::MB_OK | ui::MB_ICONEXCLAMATION);
      return;
    }
    // The same series, title and volume (as the CSV import matches them):
    // most likely typed twice. No, the default, goes back to what was typed.
    if (m_pGestion->FindAlbum(serie, titre, tome) >= 0 &&
        ui::AfxMessageBox(MSG_DUPLICATE, ui::MB_YESNO | ui::MB_ICONEXCLAMATION |
                                             ui::MB_DEFBUTTON2) != ui::IDYES)
      return;
    m_pGestion->AddAlbum(serie.c_str(), titre.c_str(), tome, dessinateur.c_str(),
                         scenariste.c_str(), editeur.c_str(), commentaire.c_str(), m_bEO == 1,
                         genre.c_str(), dateAchat, type, collection.c_str(), note, serieFinie, 0);
  } else {
    CAlbum* album = m_pGestion->GetAlbum(m_nMode);
    if (!album) {
      ui::AfxMessageBox(MSG_ALBUM_GONE, ui::MB_OK | ui::MB_ICONEXCLAMATION);
      EndDialog(ui::IDCANCEL);
      return;
    }
    CAlbum changed = *album;
    changed.SetCommentaire(commentaire);
    changed.SetDessinateur(dessinateur);
    changed.SetEditeur(editeur);
    changed.SetScenariste(scenariste);
    changed.SetTitre(titre);
    changed.SetSerie(serie);
    changed.SetTome(tome);
    changed.SetEO(m_bEO);
    changed.SetGenre(genre);
    changed.SetCollection(collection);
    changed.SetDateAchat(dateAchat);
    changed.SetType(type);
    changed.SetNote(note);
    changed.SetSerieFinie(serieFinie);
    if (CGestionBD::FormatDatabaseLine(changed).size() - 2 > CGestionBD::MAX_LINE) {
      ui::AfxMessageBox(TooLongMessage(changed), ui::MB_OK | ui::MB_ICONEXCLAMATION);
      return;
    }
    m_pGestion->DecTypeCount(album->GetType());
    m_pGestion->IncTypeCount(type);
    *album = std::move(changed);
    // The series may have changed its name or its finished flag.
    m_pGestion->RebuildSeries();
  }
  EndDialog(ui::IDOK);
}
