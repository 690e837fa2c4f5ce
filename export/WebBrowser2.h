#pragma once
// The web view of a dialog, driven like the browser control it stands for:
// Navigate shows an address or a local file. A local XML file that names an
// XSL stylesheet is transformed here (the embedded engine shows such a file
// as a blank page) and the view gets the resulting page, with the file's
// folder as base so that relative pictures load; a file that cannot be read
// or transformed gives an error page in the view.

#include "export/XslTransform.h"

#include <string>

namespace ui {
class Window;
class WebView;
}  // namespace ui

class CWebBrowser2 {
 public:
  // Attaches the wrapper to the web view control `id` of a created window.
  void SubclassDlgItem(int id, ui::Window& parent);
  ui::WebView* GetView() const { return m_view; }

  // An http(s) address goes to the view as it is; anything else is a local
  // file (a path or a file:// address).
  void Navigate(const std::string& url);
  // Shows the page already made of the local file `path` (or the error page
  // saying why it could not be made), as Navigate would have.
  void ShowTransformed(const std::string& path, const XslResult& page);

  // The error page shown for a local file that cannot be shown (UTF-8);
  // reason and detail are Windows-1252 texts, detail the library's own.
  static std::string ErrorPage(const std::string& path, const std::string& reason,
                               const std::string& detail = std::string());

  static constexpr const char* MSG_UNREADABLE = "Le fichier n'existe pas ou ne peut pas \xEAtre lu.";

 private:
  ui::WebView* m_view = nullptr;
};
