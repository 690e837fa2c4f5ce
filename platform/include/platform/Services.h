// The services of the platform that are not windows: message boxes, the
// common file dialogs, print set-up, context menus, the wait cursor, opening
// an address in the user's browser and decoding pictures. Each one goes to
// the installed backend (the wxWidgets one in the program, the headless one
// in tests, where every modal interaction is scripted).
#pragma once

#include "platform/Image.h"
#include "platform/Types.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace ui {

class Menu;
class PrinterSurface;
class Window;

// The application's name, the caption of message boxes given none.
void SetAppName(const std::string& name);
const std::string& GetAppName();

// Shows a message box; caption empty = the application's name. Returns the
// button pressed (IDOK, IDYES, IDNO, IDCANCEL).
int MessageBox(const std::string& text, const std::string& caption = std::string(),
               unsigned type = MB_OK, Window* owner = nullptr);
// The application's message box: its name as caption.
inline int AfxMessageBox(const std::string& text, unsigned type = MB_OK) {
  return MessageBox(text, std::string(), type);
}

struct FileFilter {
  std::string description;  // "Fichiers jpg (*.jpg)"
  std::string pattern;      // "*.jpg" (several: "*.jpg;*.jpeg")
};

enum : unsigned {
  OFN_PATHMUSTEXIST = 0x1,
  OFN_FILEMUSTEXIST = 0x2,
  OFN_OVERWRITEPROMPT = 0x4,
  OFN_HIDEREADONLY = 0x8,
};

struct FileDialogRequest {
  Window* owner = nullptr;
  std::vector<FileFilter> filters;
  std::string initialDir;   // folder shown first (native path)
  std::string fileName;     // file name proposed
  std::string defaultExt;   // added to a name typed without extension (save)
  std::string title;        // empty: the platform's
  unsigned flags = 0;
};

// The open-file and save-file dialogs: the chosen file's full native path, or
// nothing when the user cancels.
std::optional<std::string> GetOpenFileName(const FileDialogRequest& request);
std::optional<std::string> GetSaveFileName(const FileDialogRequest& request);
// A folder browser that also shows files: the picked file's or folder's path.
std::optional<std::string> BrowseForFile(Window* owner, const std::string& title);

// Prints a document through the platform's print dialog, where the user
// picks a printer (or printing into a PDF file) and confirms. draw then runs
// once on a surface of that printer (its resolution, its page size in device
// units) and must begin every page with StartPage before drawing on it and
// end it with EndPage; the platform begins and ends the document (named
// docName) itself. Returns false when the user cancels or nothing was printed.
bool PrintDocument(Window* owner, const std::string& docName,
                   const std::function<void(PrinterSurface&)>& draw);

// Shows a context menu (popup pos of menu) at the mouse for owner; the chosen
// command is sent to owner (SendCommand). Returns the command, 0 for none.
int TrackPopupMenu(Menu& popup, Window& owner);
Point GetCursorPos();

// The wait cursor while a long operation blocks the window.
void SetWaitCursor(bool wait);
class WaitCursor {
 public:
  WaitCursor() { SetWaitCursor(true); }
  ~WaitCursor() { SetWaitCursor(false); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

// Opens a web address (or a file) in the user's browser; false on failure.
bool OpenUrl(const std::string& url);

// Decodes a picture file's bytes (JPEG and BMP at least); null when the
// bytes are not a picture the backend can decode.
std::shared_ptr<Image> DecodeImage(const std::vector<unsigned char>& bytes);
// The same, for showing at about `fit` pixels: the picture comes at least that
// large and at most about twice as large (a JPEG is decoded at that size
// directly), with its file's size in sourceWidth and sourceHeight.
std::shared_ptr<Image> DecodeImage(const std::vector<unsigned char>& bytes, Size fit);
// The picture resampled to exactly that size (each pixel the average of the
// source pixels it covers).
std::shared_ptr<Image> ScaleImage(const Image& image, Size size);

}  // namespace ui
