#pragma once
// The web view of a dialog, driven like the browser control it stands for:
// Navigate shows an address or a local file. A local XML file that names an
// XSL stylesheet is transformed here (the embedded engine shows such a file
// as a blank page) and the view gets the resulting page, with the file's
// folder as base so that relative pictures load; a file that cannot be read
// or transformed gives an error page in the view.

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

  // The error page shown for a local file that cannot be shown (UTF-8).
  static std::string ErrorPage(const std::string& path, const std::string& reason);

 private:
  ui::WebView* m_view = nullptr;
};
