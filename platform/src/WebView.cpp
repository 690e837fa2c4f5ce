#include "platform/WebView.h"

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

}  // namespace ui
