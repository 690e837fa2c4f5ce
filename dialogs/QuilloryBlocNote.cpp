#include "dialogs/QuilloryBlocNote.h"

#include "collection/DataPath.h"
#include "collection/SafeFile.h"
#include "platform/Services.h"
#include "resources/Templates.h"

CQuilloryBlocNote::CQuilloryBlocNote(ui::Window* parent, std::string dossier)
    : ui::Dialog(kDialogBlocNote, parent), m_szDossier(std::move(dossier)) {}

std::string CQuilloryBlocNote::ToFileBytes(const std::string& text) {
  // Text mode writes every LF as CR LF, so the box's CR LF becomes CR CR LF.
  std::string bytes;
  bytes.reserve(text.size() + text.size() / 16);
  for (char c : text) {
    if (c == '\n') bytes += '\r';
    bytes += c;
  }
  return bytes;
}

std::string CQuilloryBlocNote::FromFileBytes(const std::string& bytes) {
  // Text mode reads CR LF as LF: CR CR LF is the box's CR LF again. Every
  // byte counts, a note of one character too.
  std::string text;
  text.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
    // The box cannot hold a NUL byte, which would end its text there: the
    // text after it is kept, the byte shows as a space.
    text += bytes[i] == '\0' ? ' ' : bytes[i];
  }
  return text;
}

bool CQuilloryBlocNote::OnInitDialog() {
  std::string bytes;
  if (ReadWholeFile(DataPath(m_szDossier, FILE_NAME), bytes))
    SetDlgItemText(IDC_EDIT_BLOCNOTE, FromFileBytes(bytes));
  return true;
}

void CQuilloryBlocNote::OnOK() {
  const std::string path = DataPath(m_szDossier, FILE_NAME);
  if (!WriteFileAtomically(path, ToFileBytes(GetDlgItemText(IDC_EDIT_BLOCNOTE)))) {
    std::string message(MSG_CANNOT_WRITE);
    message.replace(message.find("%s"), 2, path);
    ui::AfxMessageBox(message, ui::MB_OK | ui::MB_ICONSTOP);
    return;
  }
  EndDialog(ui::IDOK);
}
