#include "platform/WebView.h"

#include "platform/Services.h"

#include <cctype>

namespace ui {

void WebView::Navigate(const std::string& url) {
  m_url = url;
  m_html.clear();
  m_holdsPage = false;
  Changed(Aspect::Text);
}

void WebView::SetPage(const std::string& html, const std::string& baseUrl) {
  m_url = baseUrl;
  m_html = html;
  m_holdsPage = true;
  Changed(Aspect::Text);
}

bool WebView::IsWebAddress(const std::string& url) {
  auto startsWith = [&url](const char* scheme) {
    std::size_t n = std::char_traits<char>::length(scheme);
    if (url.size() <= n) return false;
    for (std::size_t i = 0; i < n; ++i)
      if (std::tolower(static_cast<unsigned char>(url[i])) != scheme[i]) return false;
    return true;
  };
  return startsWith("http://") || startsWith("https://");
}

void WebView::FollowLink(const std::string& url) {
  if (IsWebAddress(url)) OpenUrl(url);
}

}  // namespace ui
