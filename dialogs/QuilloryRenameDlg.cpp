#include "dialogs/QuilloryRenameDlg.h"

#include "collection/Album.h"
#include "platform/Services.h"
#include "resources/Templates.h"

CQuilloryRenameDlg::CQuilloryRenameDlg(ui::Window* parent, CGestionBD* gestion,
                                       std::string ancienNom,
                                       std::function<void(const std::string&)> renommer)
    : ui::Dialog(kDialogRename, parent),
      m_strAncienNom(std::move(ancienNom)),
      m_renommer(std::move(renommer)),
      m_pGestion(gestion) {
  MapNotify(IDC_RENAME_NOUVEAU, ui::Notification::EditChange, &CQuilloryRenameDlg::OnChangeNouveau);
}

bool CQuilloryRenameDlg::OnInitDialog() {
  // A series without a name is stored as "_": its box shows it empty.
  SetDlgItemText(IDC_RENAME_ANCIEN, m_strAncienNom == kNoValue ? std::string() : m_strAncienNom);
  // The same room as the entry dialog gives a series name.
  GetDlgItem(IDC_RENAME_NOUVEAU)->SetLimitText(field_limits::SERIE);
  // The user comes to type the new name, not to read the old one.
  GetDlgItem(IDC_RENAME_NOUVEAU)->SetFocus();
  return false;
}

void CQuilloryRenameDlg::OnChangeNouveau() {
  // A paste brings no keystrokes to refuse: the new text is refused whole.
  const std::string text = GetDlgItemText(IDC_RENAME_NOUVEAU);
  if (text.find_first_of("\"&") == std::string::npos) {
    m_strNouveau = text;
    return;
  }
  ui::AfxMessageBox(MSG_FORBIDDEN);
  SetDlgItemText(IDC_RENAME_NOUVEAU, m_strNouveau);
}

bool CQuilloryRenameDlg::PreTranslateMessage(const ui::Message& msg) {
  // A series name is written between double quotes in the database file, as
  // the entry dialog types it: the same two characters are refused.
  if (msg.kind == ui::MessageKind::Char && (msg.key == '"' || msg.key == '&')) {
    ui::AfxMessageBox(MSG_FORBIDDEN);
    return true;
  }
  return false;
}

void CQuilloryRenameDlg::OnOK() {
  const std::string nouveau = GetDlgItemText(IDC_RENAME_NOUVEAU);
  if (nouveau.empty()) return;
  // The question's two names, each in place of one "%s".
  const std::string question =
      std::string("Voulez vous vraiment renommer ") + m_strAncienNom + " en " + nouveau;
  if (ui::AfxMessageBox(question, ui::MB_YESNO) != ui::IDYES) return;
  if (m_renommer) m_renommer(nouveau);
  EndDialog(ui::IDOK);
}
