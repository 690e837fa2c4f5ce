#include "app/QuilloryApp.h"

#include "app/QuilloryDlg.h"
#include "app/QuilloryDlgtypeGraph.h"
#include "collection/DataPath.h"
#include "collection/SafeFile.h"
#include "platform/Profile.h"
#include "platform/Services.h"

#include <cstdlib>
#include <fstream>

#ifdef __linux__
#include <climits>
#include <unistd.h>
#endif

namespace {
// The style file is read as the Windows program read it: a short text.
constexpr std::size_t kStyleBytes = 9;
}  // namespace

std::string CQuilloryApp::ProgramFolder(const std::string& modulePath) {
  std::size_t last = modulePath.find_last_of("/\\");
  if (last == std::string::npos) return std::string();
  // A module at the root keeps the root itself as its folder.
  return last == 0 ? modulePath.substr(0, 1) : modulePath.substr(0, last);
}

int CQuilloryApp::ReadStyle(const std::string& programFolder) {
  std::ifstream file(DataPath(programFolder, STYLE_FILE), std::ios::binary);
  if (!file) return STYLE_LIST;
  char text[kStyleBytes + 1] = {};
  file.read(text, kStyleBytes);
  return std::atoi(text);
}

std::string CQuilloryApp::ModulePath() {
#ifdef __linux__
  char path[PATH_MAX];
  ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
  if (n > 0) return std::string(path, static_cast<std::size_t>(n));
#endif
  return std::string();
}

int CQuilloryApp::RemoveLeftoverTemporaries(const std::string& programFolder) {
  int removed = 0;
  for (const char* folder : {"", "data", "ExportXml", "ExportXml\\images"})
    removed += ::RemoveLeftoverTemporaries(*folder ? DataPath(programFolder, folder)
                                                   : (programFolder.empty() ? "." : programFolder));
  return removed;
}

bool CQuilloryApp::InitInstance(const std::string& modulePath) {
  ui::SetAppName("Quillory");
  const std::string folder = ProgramFolder(modulePath);
  RemoveLeftoverTemporaries(folder);
  ui::AppProfile().SetFile(DataPath(folder, "data\\Quillory.ini"));

  const int style = ReadStyle(folder);
  if (style == STYLE_LIST) {
    CQuilloryDlg dlg(nullptr, style, folder);
    dlg.DoModal();
  } else if (style == STYLE_GRAPHIC) {
    CQuilloryDlgtypeGraph dlg(nullptr, style, folder);
    dlg.DoModal();
  }
  // Any other value: no window at all.
  return false;
}
