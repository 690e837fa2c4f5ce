// The wxWidgets backend: windows run as native top-level windows with their
// own modal loops; services use the toolkit's dialogs.
#pragma once

#include "platform/Backend.h"

#include <functional>
#include <string>

class wxDialog;

namespace ui {
namespace wxb {

class WxBackend : public Backend {
 public:
  int RunModal(Dialog& dialog) override;
  void EndModal(Dialog& dialog, int result) override;
  bool CreateChild(Dialog& child) override;
  void DestroyChild(Dialog& child) override;
  int MessageBox(Window* owner, const std::string& text, const std::string& caption,
                 unsigned type) override;
  std::optional<std::string> GetOpenFileName(const FileDialogRequest& request) override;
  std::optional<std::string> GetSaveFileName(const FileDialogRequest& request) override;
  std::optional<std::string> BrowseForFile(Window* owner, const std::string& title) override;
  bool PrintDocument(Window* owner, const std::string& docName,
                     const std::function<void(PrinterSurface&)>& draw) override;
  int TrackPopupMenu(Menu& popup, Window& owner) override;
  Point GetCursorPos() override;
  void SetWaitCursor(bool wait) override;
  bool OpenUrl(const std::string& url) override;
  std::shared_ptr<Image> DecodeImage(const std::vector<unsigned char>& bytes) override;

  // Test support: called inside the message box's modal loop once it shows.
  std::function<void(wxDialog& box, const std::string& text)> onMessageBox;
  // Test support: called inside a window's modal loop once it shows.
  std::function<void(Window& window)> onWindowShown;
  // Test support: when set, the addresses to open in the user's browser are
  // given to it instead (a test starts no browser).
  std::function<void(const std::string& url)> onOpenUrl;

  static WxBackend* Instance();
};

}  // namespace wxb
}  // namespace ui
