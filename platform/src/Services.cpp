#include "platform/Backend.h"
#include "platform/DrawingSurface.h"
#include "platform/Menu.h"
#include "platform/Window.h"

#include <cstdio>
#include <cstdlib>

namespace ui {

namespace {

Backend* g_backend = nullptr;

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
  return CurrentBackend().GetOpenFileName(request);
}

std::optional<std::string> GetSaveFileName(const FileDialogRequest& request) {
  return CurrentBackend().GetSaveFileName(request);
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

}  // namespace ui
