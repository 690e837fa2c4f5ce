#include "app/MainWindowCommands.h"

#include "app/CollectionPreload.h"
#include "collection/DataPath.h"
#include "collection/GestionBD.h"
#include "collection/SafeFile.h"
#include "dialogs/ChooseFile.h"
#include "platform/Menu.h"
#include "platform/Window.h"
#include "resources/Resource.h"
#include "resources/Templates.h"

#include <cstdio>
#include <vector>

namespace MainWindowCommands {

namespace {

// A line of a data file shown in a message: short, and without control bytes.
std::string ShownLine(const std::string& line) {
  constexpr std::size_t kShown = 80;
  std::string shown;
  for (char c : line.substr(0, kShown)) shown += (static_cast<unsigned char>(c) < 0x20) ? '?' : c;
  if (line.size() > kShown) shown += "...";
  return shown;
}

// Keeps the database about to be replaced beside it, under a fresh name;
// false (and said) when it cannot be written. No database: nothing to keep.
bool KeepCopyOfDatabase(const std::string& programFolder, std::string& copyName) {
  copyName.clear();
  std::string current;
  if (!ReadWholeFile(DataPath(programFolder, CGestionBD::DATABASE_FILE), current))
    return true;  // no database yet: nothing to keep
  // A fresh name each time: an earlier copy may be the one the user needs.
  for (int n = 1;; ++n) {
    copyName = std::string(RESTORE_COPY_PREFIX) +
               (n == 1 ? "" : "-" + std::to_string(n)) + ".db";
    if (!FileExists(DataPath(programFolder, "data\\" + copyName)) || n >= 1000) break;
  }
  const std::string path = DataPath(programFolder, "data\\" + copyName);
  if (!WriteFileAtomically(path, current)) {
    ui::AfxMessageBox(Format(MSG_RESTORE_NO_COPY, path), ui::MB_OK | ui::MB_ICONSTOP);
    return false;
  }
  return true;
}

// The size of a file in megabytes, for a message.
std::string Megabytes(std::uint64_t bytes) { return std::to_string((bytes + (1 << 20) - 1) >> 20); }

std::string TooLargeMessage(const std::string& path, std::uint64_t bytes) {
  return Format(MSG_FILE_TOO_LARGE,
                {path, Megabytes(bytes), Megabytes(CGestionBD::MAX_FILE_BYTES)});
}

}  // namespace

std::string Format(const char* pattern, std::initializer_list<std::string> values) {
  std::string text(pattern);
  std::size_t from = 0;
  for (const std::string& value : values) {
    std::size_t at = text.find('%', from);
    while (at != std::string::npos && at + 1 < text.size() && text[at + 1] != 's' &&
           text[at + 1] != 'i')
      at = text.find('%', at + 1);
    if (at == std::string::npos || at + 1 >= text.size()) break;
    text.replace(at, 2, value);
    from = at + value.size();
  }
  return text;
}

std::string Format(const char* pattern, const std::string& value) { return Format(pattern, {value}); }

bool ImportCsv(ui::Window* owner, CGestionBD& gestion, const std::string& programFolder) {
  std::string path;
  if (!ChooseFile(owner, programFolder, path, {CSV_FILTER, "*.csv"}, "data\\")) return false;
  if (ui::AfxMessageBox(Format(MSG_IMPORT_QUESTION, path), ui::MB_YESNO) != ui::IDYES) return false;

  const CsvImportResult result = gestion.ImportCsv(path);
  const std::string cut =
      result.textsCut > 0 ? Format(MSG_IMPORT_TEXTS_CUT, std::to_string(result.textsCut)) : "";
  switch (result.status) {
    case CsvImportResult::IMPORTED:
      ui::AfxMessageBox(MSG_IMPORT_DONE + cut);
      return true;
    case CsvImportResult::BAD_LINE:
      ui::AfxMessageBox(Format(MSG_IMPORT_BAD_LINE, ShownLine(result.line)) +
                        Format(MSG_IMPORT_NOT_READ, std::to_string(result.notRead)) + cut);
      return true;
    case CsvImportResult::CANNOT_OPEN:
      ui::AfxMessageBox(Format(MSG_IMPORT_UNREADABLE, path), ui::MB_OK | ui::MB_ICONSTOP);
      return false;
    case CsvImportResult::NOT_A_FILE:
      ui::AfxMessageBox(Format(MSG_NOT_A_FILE, path), ui::MB_OK | ui::MB_ICONSTOP);
      return false;
    case CsvImportResult::TOO_LARGE:
      ui::AfxMessageBox(TooLargeMessage(path, result.fileBytes), ui::MB_OK | ui::MB_ICONSTOP);
      return false;
  }
  return false;
}

bool ChangeStyle(ui::Window& window, const std::string& programFolder, int running, int chosen) {
  if (chosen == running) return false;
  if (ui::AfxMessageBox(MSG_STYLE_QUESTION, ui::MB_YESNO | ui::MB_ICONEXCLAMATION) != ui::IDYES)
    return false;
  // One digit, no line end, as the whole file, replaced in one step.
  const char digit = chosen ? '1' : '0';
  if (!WriteFileAtomically(DataPath(programFolder, STYLE_FILE),
                           std::string_view(&digit, 1))) {
    ui::AfxMessageBox(MSG_STYLE_FAILED);
    return false;
  }
  window.SendClose();
  return true;
}

void SaveBackup(const CGestionBD& gestion, const std::string& programFolder) {
  ui::FileDialogRequest request;
  request.filters = {{BACKUP_FILTER, "*.db"}};
  request.initialDir = DataPath(programFolder, "data\\");
  request.defaultExt = "db";
  request.flags = ui::OFN_PATHMUSTEXIST | ui::OFN_OVERWRITEPROMPT | ui::OFN_HIDEREADONLY;
  const auto path = ui::GetSaveFileName(request);
  if (!path) return;
  if (!gestion.SaveAs(*path))
    ui::AfxMessageBox(Format(MSG_BACKUP_FAILED, *path), ui::MB_OK | ui::MB_ICONSTOP);
}

bool RestoreBackup(ui::Window* owner, CGestionBD& gestion, const std::string& programFolder,
                   const std::function<void()>& refresh) {
  ui::FileDialogRequest request;
  request.owner = owner;
  request.title = "R\xE9pertoire courant";
  request.filters = {{BACKUP_FILTER, "*.db"}, {"Tous les fichiers (*.*)", "*.*"}};
  request.initialDir = DataPath(programFolder, "data\\");
  request.flags = ui::OFN_PATHMUSTEXIST | ui::OFN_FILEMUSTEXIST | ui::OFN_HIDEREADONLY;
  const auto picked = ui::GetOpenFileName(request);
  if (!picked || picked->empty()) return false;

  // Read and check the file first: a file that is no collection (a picture
  // picked by mistake) must not become the database.
  std::string bytes;
  switch (ReadDataFile(*picked, bytes, CGestionBD::MAX_FILE_BYTES)) {
    case ReadStatus::OK: break;
    case ReadStatus::CANNOT_OPEN:
      ui::AfxMessageBox(Format(MSG_RESTORE_FAILED, *picked), ui::MB_OK | ui::MB_ICONSTOP);
      return false;
    case ReadStatus::NOT_A_FILE:
      ui::AfxMessageBox(Format(MSG_NOT_A_FILE, *picked), ui::MB_OK | ui::MB_ICONSTOP);
      return false;
    case ReadStatus::TOO_LARGE:
      ui::AfxMessageBox(TooLargeMessage(*picked, FileSize(*picked)), ui::MB_OK | ui::MB_ICONSTOP);
      return false;
  }
  const DatabaseSummary summary = CGestionBD::Inspect(bytes);
  if (summary.albums == 0) {
    ui::AfxMessageBox(Format(MSG_RESTORE_NOT_A_DATABASE, *picked), ui::MB_OK | ui::MB_ICONSTOP);
    return false;
  }
  if (ui::AfxMessageBox(MSG_RESTORE_QUESTION, ui::MB_YESNO | ui::MB_ICONEXCLAMATION) != ui::IDYES)
    return false;
  if (summary.unreadable > 0 &&
      ui::AfxMessageBox(Format(MSG_RESTORE_UNREADABLE,
                               {*picked, std::to_string(summary.albums),
                                std::to_string(summary.unreadable),
                                ShownLine(summary.firstUnreadable)}),
                        ui::MB_YESNO | ui::MB_ICONEXCLAMATION) != ui::IDYES)
    return false;

  // The database being replaced stays beside it, so a wrong restore can be undone.
  std::string copyName;
  if (!KeepCopyOfDatabase(programFolder, copyName)) return false;
  if (!WriteFileAtomically(DataPath(programFolder, CGestionBD::DATABASE_FILE), bytes)) {
    ui::AfxMessageBox(Format(MSG_RESTORE_FAILED, *picked), ui::MB_OK | ui::MB_ICONSTOP);
    return false;
  }
  LoadCollection(gestion, programFolder);
  if (refresh) refresh();
  std::string done = MSG_RESTORE_DONE;
  if (!copyName.empty()) done = Format(MSG_RESTORE_KEPT, "data\\" + copyName) + "\n" + done;
  ui::AfxMessageBox(done, ui::MB_OK | ui::MB_ICONEXCLAMATION);
  return true;
}

void AddAboutItemAndIcon(ui::Window& window) {
  // On GTK the window menu is the window manager's and shows no item of the
  // program's: there the About box is one click on "A propos".
  if (ui::Menu* sysMenu = window.GetSystemMenu()) {
    const std::string about = LoadResourceString(IDS_ABOUTBOX);
    if (!about.empty()) {
      sysMenu->AppendSeparator();
      sysMenu->AppendMenu(about, IDM_ABOUTBOX);
    }
  }
  window.SetIcon(&ApplicationIcon());
}

namespace {

// What a load leaves to say: the file could not be opened, or some of its
// lines cannot be read.
void ReportLoad(const CGestionBD& gestion, int result) {
  if (result != CGestionBD::LOAD_OK) {
    ui::AfxMessageBox(MSG_CANNOT_OPEN);
    return;
  }
  const std::vector<std::string>& unread = gestion.GetUnreadLines();
  if (!unread.empty())
    ui::AfxMessageBox(
        Format(MSG_UNREAD_LINES, {std::to_string(unread.size()), ShownLine(unread[0])}),
        ui::MB_OK | ui::MB_ICONEXCLAMATION);
}

}  // namespace

void LoadCollection(CGestionBD& gestion, const std::string& programFolder) {
  ReportLoad(gestion, gestion.Load(programFolder));
}

std::unique_ptr<CGestionBD> OpenCollection(const std::string& programFolder) {
  int result = CGestionBD::LOAD_OK;
  std::unique_ptr<CGestionBD> gestion = CollectionPreload::Take(programFolder, result);
  if (!gestion) {
    gestion = std::make_unique<CGestionBD>();
    result = gestion->Load(programFolder);
  }
  ReportLoad(*gestion, result);
  return gestion;
}


}  // namespace MainWindowCommands
