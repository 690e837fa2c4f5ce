#include "app/MainWindowCommands.h"

#include "app/QuilloryApp.h"
#include "app/QuilloryDlg.h"
#include "collection/DataPath.h"
#include "collection/GestionBD.h"
#include "collection/SafeFile.h"
#include "platform/Window.h"

#include <cstdio>

namespace MainWindowCommands {

std::string Format(const char* pattern, const std::string& value) {
  std::string text(pattern);
  std::size_t at = text.find("%s");
  if (at != std::string::npos) text.replace(at, 2, value);
  return text;
}

bool ImportCsv(ui::Window* owner, CGestionBD& gestion, const std::string& programFolder) {
  std::string path;
  // The dialog opens in the data folder, and gives back the full path.
  ui::FileDialogRequest request;
  request.owner = owner;
  request.filters = {{CSV_FILTER, "*.csv"}};
  request.initialDir = DataPath(programFolder, "data\\");
  request.flags = ui::OFN_PATHMUSTEXIST | ui::OFN_FILEMUSTEXIST;
  const auto chosen = ui::GetOpenFileName(request);
  if (!chosen || chosen->empty()) return false;
  path = *chosen;
  if (ui::AfxMessageBox(Format(MSG_IMPORT_QUESTION, path), ui::MB_YESNO) != ui::IDYES) return false;

  const CsvImportResult result = gestion.ImportCsv(path);
  switch (result.status) {
    case CsvImportResult::IMPORTED:
      ui::AfxMessageBox(MSG_IMPORT_DONE);
      return true;
    case CsvImportResult::BAD_LINE:
      ui::AfxMessageBox(Format(MSG_IMPORT_BAD_LINE, result.line));
      return true;
    case CsvImportResult::STORE_FULL:
      ui::AfxMessageBox(Format(MSG_IMPORT_STORE_FULL, result.line), ui::MB_OK | ui::MB_ICONSTOP);
      return true;
    case CsvImportResult::CANNOT_OPEN:
      ui::AfxMessageBox(Format(MSG_IMPORT_UNREADABLE, path), ui::MB_OK | ui::MB_ICONSTOP);
      return false;
  }
  return false;
}

bool ChangeStyle(ui::Window& window, const std::string& programFolder, int running, int chosen) {
  if (chosen == running) return false;
  if (ui::AfxMessageBox(MSG_STYLE_QUESTION, ui::MB_YESNO | ui::MB_ICONEXCLAMATION) != ui::IDYES)
    return false;
  // One digit, no line end, as the whole file.
  const char digit = chosen ? '1' : '0';
  std::FILE* file = std::fopen(DataPath(programFolder, CQuilloryApp::STYLE_FILE).c_str(), "wb");
  const bool written = file && std::fputc(digit, file) != EOF;
  if (file && std::fclose(file) != 0) {
    ui::AfxMessageBox(MSG_STYLE_FAILED);
    return false;
  }
  if (!written) {
    ui::AfxMessageBox(MSG_STYLE_FAILED);
    return false;
  }
  window.SendClose();
  return true;
}

void SaveBackup(const CGestionBD& gestion, const std::string& programFolder) {
  ui::FileDialogRequest request;
  request.filters = {{CQuilloryDlg::BACKUP_FILTER, "*.db"}};
  request.initialDir = DataPath(programFolder, "data\\");
  request.defaultExt = "db";
  request.flags = ui::OFN_PATHMUSTEXIST | ui::OFN_OVERWRITEPROMPT | ui::OFN_HIDEREADONLY;
  const auto path = ui::GetSaveFileName(request);
  if (!path) return;
  if (!gestion.SaveAs(*path))
    ui::AfxMessageBox(Format(CQuilloryDlg::MSG_BACKUP_FAILED, *path), ui::MB_OK | ui::MB_ICONSTOP);
}

bool RestoreBackup(ui::Window* owner, CGestionBD& gestion, const std::string& programFolder) {
  ui::FileDialogRequest request;
  request.owner = owner;
  request.title = "R\xE9pertoire courant";
  request.filters = {{CQuilloryDlg::BACKUP_FILTER, "*.db"}, {"Tous les fichiers (*.*)", "*.*"}};
  request.initialDir = DataPath(programFolder, "data\\");
  request.flags = ui::OFN_PATHMUSTEXIST | ui::OFN_FILEMUSTEXIST | ui::OFN_HIDEREADONLY;
  const auto picked = ui::GetOpenFileName(request);
  if (!picked || picked->empty()) return false;
  if (ui::AfxMessageBox(CQuilloryDlg::MSG_RESTORE_QUESTION, ui::MB_YESNO | ui::MB_ICONEXCLAMATION) !=
      ui::IDYES)
    return false;
  // Read first, then replace the database in one step: a failure leaves it whole.
  std::string bytes;
  if (!ReadWholeFile(*picked, bytes) ||
      !WriteFileAtomically(DataPath(programFolder, CGestionBD::DATABASE_FILE), bytes)) {
    ui::AfxMessageBox(Format(CQuilloryDlg::MSG_RESTORE_FAILED, *picked), ui::MB_OK | ui::MB_ICONSTOP);
    return false;
  }
  const int result = gestion.Load(programFolder);
  if (result == CGestionBD::LOAD_STORE_FULL)
    ui::AfxMessageBox(CQuilloryDlg::MSG_STORE_FULL, ui::MB_OK | ui::MB_ICONEXCLAMATION);
  else if (result != CGestionBD::LOAD_OK)
    ui::AfxMessageBox(CQuilloryDlg::MSG_CANNOT_OPEN);
  return true;
}

bool RunEntryDialog(ui::Window*, CGestionBD*, const std::string&, int, const std::string&,
                    const std::string&, int) {
  return false;
}

bool RunLoanList(ui::Window*, CGestionBD*) { return false; }

}  // namespace MainWindowCommands
