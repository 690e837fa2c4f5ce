#include "export/WebBrowser2.h"

#include "collection/SafeFile.h"
#include "export/XslTransform.h"
#include "platform/WebView.h"
#include "platform/Window.h"

namespace {

std::string FolderUrl(const std::string& path) {
  std::size_t slash = path.find_last_of('/');
  return "file://" + (slash == std::string::npos ? std::string("./") : path.substr(0, slash + 1));
}

// Text for an HTML page: markup characters as entities.
std::string Html(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

bool IsWebAddress(const std::string& url) {
  return url.rfind("http://", 0) == 0 || url.rfind("https://", 0) == 0;
}

}  // namespace

void CWebBrowser2::SubclassDlgItem(int id, ui::Window& parent) { m_view = parent.GetWebView(id); }

std::string CWebBrowser2::ErrorPage(const std::string& path, const std::string& reason) {
  return "<!DOCTYPE html>\n<html lang=\"fr\"><head><meta charset=\"UTF-8\">"
         "<title>Page indisponible</title></head>"
         "<body style=\"font-family: sans-serif; margin: 24px;\">"
         "<h2>Cette page ne peut pas \xC3\xAA" "tre affich\xC3\xA9" "e</h2>"
         "<p>" + Html(path) + "</p><p style=\"color: #a3301a;\">" + Html(reason) +
         "</p></body></html>\n";
}

void CWebBrowser2::Navigate(const std::string& url) {
  if (!m_view) return;
  if (IsWebAddress(url)) {
    m_view->Navigate(url);
    return;
  }
  const std::string path = url.rfind("file://", 0) == 0 ? url.substr(7) : url;
  std::string bytes;
  if (!ReadWholeFile(path, bytes)) {
    m_view->SetPage(ErrorPage(path, "Le fichier n'existe pas ou ne peut pas \xC3\xAA" "tre lu."),
                    FolderUrl(path));
    return;
  }
  std::string error;
  const std::string stylesheet = XslTransform::StylesheetOf(bytes, path, &error);
  if (stylesheet.empty()) {
    // Not XML, or XML without a stylesheet: the engine shows it itself.
    if (error.empty() || path.size() < 4 || path.compare(path.size() - 4, 4, ".xml") != 0) {
      m_view->Navigate(path);
      return;
    }
    m_view->SetPage(ErrorPage(path, error), FolderUrl(path));
    return;
  }
  XslResult page = XslTransform::Apply(bytes, path, stylesheet);
  m_view->SetPage(page.ok ? page.html : ErrorPage(path, page.error), FolderUrl(path));
}
