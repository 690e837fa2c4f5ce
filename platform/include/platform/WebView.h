// An embedded web view that shows a page, a local file, or an HTML document
// handed to it. It shows only what the program gives it: a link the user
// clicks opens in the user's browser (http and https addresses; any other is
// ignored), never inside the view.
#pragma once

#include "platform/Control.h"

#include <string>

namespace ui {

class WebView : public Control {
 public:
  using Control::Control;

  // Loads a URL or an absolute file path; returns at once.
  void Navigate(const std::string& url);
  // Shows a whole HTML document (UTF-8 bytes, as web pages are written);
  // relative links and pictures are resolved against baseUrl (a "file://"
  // folder address ending with "/" for local pictures).
  void SetPage(const std::string& html, const std::string& baseUrl);

  // A link the user clicked in the page (its address as the page resolved it).
  void FollowLink(const std::string& url);
  static bool IsWebAddress(const std::string& url);

  // The address last navigated to, or the base of the page last set.
  std::string GetLocationURL() const { return m_url; }
  // The document last given to SetPage; empty after Navigate.
  const std::string& GetPageHtml() const { return m_html; }
  bool HoldsPage() const { return m_holdsPage; }

 private:
  std::string m_url;
  std::string m_html;
  bool m_holdsPage = false;
};

}  // namespace ui
