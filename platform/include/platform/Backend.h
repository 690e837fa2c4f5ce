// What a backend provides: it creates the native side of windows, runs modal
// loops and answers the services. Exactly one backend is installed at a time
// (the wxWidgets one in the program, a headless session in tests).
#pragma once

#include "platform/Services.h"

#include <memory>
#include <optional>
#include <string>

namespace ui {

class Dialog;
class Menu;
class PrinterSurface;
class Window;

class Backend {
 public:
  virtual ~Backend() = default;

  // Creates and initialises the window (BuildFromTemplate, InitDialog), runs
  // it until EndDialog and returns its code.
  virtual int RunModal(Dialog& dialog) = 0;
  virtual void EndModal(Dialog& dialog, int result) = 0;
  // Creates and initialises a child dialog inside its parent.
  virtual bool CreateChild(Dialog& child) = 0;
  virtual void DestroyChild(Dialog& child) = 0;

  virtual int MessageBox(Window* owner, const std::string& text, const std::string& caption,
                         unsigned type) = 0;
  virtual std::optional<std::string> GetOpenFileName(const FileDialogRequest& request) = 0;
  virtual std::optional<std::string> GetSaveFileName(const FileDialogRequest& request) = 0;
  virtual std::optional<std::string> BrowseForFile(Window* owner, const std::string& title) = 0;
  virtual bool PrintDocument(Window* owner, const std::string& docName,
                             const std::function<void(PrinterSurface&)>& draw) = 0;
  virtual int TrackPopupMenu(Menu& popup, Window& owner) = 0;
  virtual Point GetCursorPos() = 0;
  virtual void SetWaitCursor(bool wait) = 0;
  virtual bool OpenUrl(const std::string& url) = 0;
  virtual std::shared_ptr<Image> DecodeImage(const std::vector<unsigned char>& bytes) = 0;
};

// Installs a backend (null: none); returns the one installed before.
Backend* InstallBackend(Backend* backend);
// The installed backend; without one every service fails loudly (abort).
Backend& CurrentBackend();

// Decoders that need no display: BMP (uncompressed 24/32-bit and 8-bit
// palette) and, when built with libjpeg, JPEG. Backends may use them.
std::shared_ptr<Image> DecodeBmp(const std::vector<unsigned char>& bytes);
std::shared_ptr<Image> DecodeJpeg(const std::vector<unsigned char>& bytes);
// A JPEG decoded at 1/2, 1/4 or 1/8 of its size when that still covers `fit`.
std::shared_ptr<Image> DecodeJpeg(const std::vector<unsigned char>& bytes, Size fit);

}  // namespace ui
