#include "platform/Backend.h"
#include "platform/DrawingSurface.h"
#include "platform/Menu.h"
#include "platform/Window.h"

#include <cstdio>
#include <cstdlib>

#include <sys/stat.h>

namespace ui {

namespace {

Backend* g_backend = nullptr;

constexpr const char* kOpenTitle = "Ouvrir";
constexpr const char* kSaveTitle = "Enregistrer sous";
constexpr const char* kOverwriteQuestion = " existe d\xE9j\xE0.\nVoulez-vous le remplacer ?";
constexpr const char* kOverwriteCaption = "Confirmer l'enregistrement";

bool FileExists(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0;
}

std::string& AppName() {
  static std::string name;
  return name;
}

}  // namespace

Backend* InstallBackend(Backend* backend) {
  Backend* previous = g_backend;
  g_backend = backend;
  return previous;
}

Backend& CurrentBackend() {
  if (!g_backend) {
    std::fputs("Quillory: a window service was used with no backend installed\n", stderr);
    std::abort();
  }
  return *g_backend;
}

void SetAppName(const std::string& name) { AppName() = name; }
const std::string& GetAppName() { return AppName(); }

int MessageBox(const std::string& text, const std::string& caption, unsigned type, Window* owner) {
  return CurrentBackend().MessageBox(owner, text, caption.empty() ? GetAppName() : caption, type);
}

std::optional<std::string> GetOpenFileName(const FileDialogRequest& request) {
  FileDialogRequest shown = request;
  if (shown.title.empty()) shown.title = kOpenTitle;
  return CurrentBackend().GetOpenFileName(shown);
}

std::optional<std::string> GetSaveFileName(const FileDialogRequest& request) {
  FileDialogRequest shown = request;
  if (shown.title.empty()) shown.title = kSaveTitle;
  for (;;) {
    std::optional<std::string> path = CurrentBackend().GetSaveFileName(shown);
    if (!path || path->empty()) return std::nullopt;
    // The default extension goes on before the overwrite question, so the
    // question is about the file that will really be written.
    const std::size_t slash = path->find_last_of("/\\");
    const std::string name = slash == std::string::npos ? *path : path->substr(slash + 1);
    if (!request.defaultExt.empty() && name.find('.') == std::string::npos)
      *path += "." + request.defaultExt;
    if ((request.flags & OFN_OVERWRITEPROMPT) && FileExists(*path)) {
      const std::string shownName = path->substr(slash == std::string::npos ? 0 : slash + 1);
      if (MessageBox(shownName + kOverwriteQuestion, kOverwriteCaption,
                     MB_YESNO | MB_ICONEXCLAMATION, request.owner) != IDYES) {
        shown.fileName = shownName;  // back to the dialog, as the platform does
        continue;
      }
    }
    return path;
  }
}

std::optional<std::string> BrowseForFile(Window* owner, const std::string& title) {
  return CurrentBackend().BrowseForFile(owner, title);
}

bool PrintDocument(Window* owner, const std::string& docName,
                   const std::function<void(PrinterSurface&)>& draw) {
  return CurrentBackend().PrintDocument(owner, docName, draw);
}

int TrackPopupMenu(Menu& popup, Window& owner) {
  int command = CurrentBackend().TrackPopupMenu(popup, owner);
  if (command != 0) owner.SendCommand(command);
  return command;
}

Point GetCursorPos() { return CurrentBackend().GetCursorPos(); }

void SetWaitCursor(bool wait) { CurrentBackend().SetWaitCursor(wait); }

bool OpenUrl(const std::string& url) { return CurrentBackend().OpenUrl(url); }

std::shared_ptr<Image> DecodeImage(const std::vector<unsigned char>& bytes) {
  return CurrentBackend().DecodeImage(bytes);
}

std::shared_ptr<Image> DecodeImage(const std::vector<unsigned char>& bytes, Size fit) {
  if (fit.cx <= 0 || fit.cy <= 0) return DecodeImage(bytes);
  std::shared_ptr<Image> image = DecodeJpeg(bytes, fit);
  if (!image) image = DecodeImage(bytes);
  // Other formats, or a JPEG still far larger: kept at the size shown.
  if (image && image->width > 2 * fit.cx && image->height > 2 * fit.cy) image = ScaleImage(*image, fit);
  return image;
}

}  // namespace ui
