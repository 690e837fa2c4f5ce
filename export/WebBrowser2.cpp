#include "export/WebBrowser2.h"

#include "collection/Cp1252.h"
#include "collection/SafeFile.h"
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

bool EndsWith(const std::string& text, const char* end) {
  const std::string tail(end);
  return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

void CWebBrowser2::SubclassDlgItem(int id, ui::Window& parent) { m_view = parent.GetWebView(id); }

std::string CWebBrowser2::ErrorPage(const std::string& path, const std::string& reason,
                                    const std::string& detail) {
  std::string page =
      "<!DOCTYPE html>\n<html lang=\"fr\"><head><meta charset=\"UTF-8\">"
      "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; style-src 'unsafe-inline'\">"
      "<title>Page indisponible</title></head>"
      "<body style=\"font-family: sans-serif; margin: 24px;\">"
      "<h2>Cette page ne peut pas \xC3\xAA" "tre affich\xC3\xA9" "e</h2>"
      "<p>" + Html(cp1252::ToUtf8ForDisplay(cp1252::FromUtf8ForDisplay(path))) +
      "</p><p style=\"color: #a3301a;\">" + Html(cp1252::ToUtf8ForDisplay(reason)) + "</p>";
  if (!detail.empty())
    page += "<p style=\"color: #777;\">D\xC3\xA9tail : " + Html(cp1252::ToUtf8ForDisplay(detail)) + "</p>";
  return page + "</body></html>\n";
}

void CWebBrowser2::Navigate(const std::string& url) {
  if (!m_view) return;
  if (ui::WebView::IsWebAddress(url)) {
    m_view->Navigate(url);
    return;
  }
  const std::string path = url.rfind("file://", 0) == 0 ? url.substr(7) : url;
  std::string bytes;
  if (!ReadWholeFile(path, bytes)) {
    m_view->SetPage(ErrorPage(path, MSG_UNREADABLE), FolderUrl(path));
    return;
  }
  std::string error;
  const std::string stylesheet = XslTransform::StylesheetOf(bytes, path, &error);
  if (stylesheet.empty()) {
    // Not XML, or XML without a stylesheet: the engine shows it itself.
    if (error.empty() || !EndsWith(path, ".xml")) {
      m_view->Navigate(path);
      return;
    }
    XslResult unreadable;
    unreadable.failure = XslFailure::Document;
    unreadable.detail = error;
    ShowTransformed(path, unreadable);
    return;
  }
  XslResult page = XslTransform::Apply(bytes, path, stylesheet);
  ShowTransformed(path, page);
}

void CWebBrowser2::ShowTransformed(const std::string& path, const XslResult& page) {
  if (!m_view) return;
  if (page.ok) {
    m_view->SetPage(page.html, FolderUrl(path));
    return;
  }
  m_view->SetPage(ErrorPage(path, XslTransform::Explain(page, cp1252::FromUtf8ForDisplay(path)),
                            XslTransform::Detail(page)),
                  FolderUrl(path));
}
