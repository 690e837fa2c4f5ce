#include "app/QuilloryApp.h"

#include "app/MainWindowCommands.h"
#include "app/QuilloryDlg.h"
#include "app/QuilloryDlgtypeGraph.h"
#include "collection/DataPath.h"
#include "collection/SafeFile.h"
#include "platform/Profile.h"
#include "platform/Services.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#ifdef __linux__
#include <climits>
#include <pwd.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {
// The style file is read as the Windows program read it: a short text.
constexpr std::size_t kStyleBytes = 9;

bool IsFolder(const std::string& path) {
  std::error_code error;
  return fs::is_directory(path, error);
}

bool CanWrite(const std::string& folder) {
#ifdef __linux__
  return access(folder.c_str(), W_OK | X_OK) == 0;
#else
  return true;
#endif
}

std::string HomeFolder() {
  if (const char* home = std::getenv("HOME"); home && *home) return home;
#ifdef __linux__
  if (const passwd* user = getpwuid(getuid()); user && user->pw_dir) return user->pw_dir;
#endif
  return std::string();
}
}  // namespace

std::string CQuilloryApp::ProgramFolder(const std::string& modulePath) {
  std::size_t last = modulePath.find_last_of("/\\");
  if (last == std::string::npos) return std::string();
  // A module at the root keeps the root itself as its folder.
  return last == 0 ? modulePath.substr(0, 1) : modulePath.substr(0, last);
}

std::string CQuilloryApp::ChooseProgramFolder(const std::string& executableFolder) {
  if (!executableFolder.empty() && IsFolder(executableFolder + "/data") &&
      CanWrite(executableFolder) && CanWrite(executableFolder + "/data"))
    return executableFolder;
  const std::string user = UserDataFolder();
  if (!user.empty() && LayOutUserFolder(user, SharedDataFolder(executableFolder))) return user;
  std::fprintf(stderr, "Quillory: %s cannot be made; the data stays in %s\n",
               user.empty() ? "the user's data folder" : user.c_str(), executableFolder.c_str());
  return executableFolder;
}

std::string CQuilloryApp::UserDataFolder() {
  std::string base;
  // A relative XDG_DATA_HOME is to be ignored, like an empty one.
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && xdg[0] == '/') {
    base = xdg;
  } else {
    const std::string home = HomeFolder();
    if (home.empty()) return std::string();
    base = home + "/.local/share";
  }
  while (base.size() > 1 && base.back() == '/') base.pop_back();
  return base + "/quillory";
}

std::string CQuilloryApp::SharedDataFolder(const std::string& executableFolder) {
  const std::string installed =
      fs::path(executableFolder + "/../share/quillory").lexically_normal().string();
  return IsFolder(installed) ? installed : executableFolder + "/data";
}

bool CQuilloryApp::LayOutUserFolder(const std::string& folder, const std::string& sharedData) {
  std::error_code error;
  const std::string data = folder + "/data";
  const bool firstStart = !IsFolder(data);
  if (firstStart && !IsFolder(folder)) {
    fs::create_directories(folder, error);
    // It will hold the proxy's password: the user's own.
    fs::permissions(folder, fs::perms::owner_all, error);
  }
  for (const char* sub : {"/data", "/images", "/ExportXml"}) fs::create_directory(folder + sub, error);
  if (!IsFolder(data)) return false;

  for (const char* shipped : {"Quillory.xsl", "quilloryNews.xsl", "AddPicture.bmp"}) {
    std::error_code copyError;  // a file that cannot be copied is only missed
    fs::copy_file(sharedData + "/" + shipped, data + "/" + shipped, fs::copy_options::skip_existing,
                  copyError);
  }
  const std::string collection = DataPath(folder, "data\\quillory.db");
  if (firstStart && !fs::exists(collection, error)) std::ofstream(collection, std::ios::binary);
  return true;
}

int CQuilloryApp::ReadStyle(const std::string& programFolder) {
  std::ifstream file(DataPath(programFolder, MainWindowCommands::STYLE_FILE), std::ios::binary);
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
  const std::string folder = ChooseProgramFolder(ProgramFolder(modulePath));
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
