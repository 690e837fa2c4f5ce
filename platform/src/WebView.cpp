#include "platform/WebView.h"

namespace ui {

void WebView::Navigate(const std::string& url) {
  m_url = url;
  Changed(Aspect::Text);
}

}  // namespace ui
