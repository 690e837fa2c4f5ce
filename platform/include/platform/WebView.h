// An embedded web view that shows a page or a local file.
#pragma once

#include "platform/Control.h"

#include <string>

namespace ui {

class WebView : public Control {
 public:
  using Control::Control;

  // Loads a URL or an absolute file path; returns at once.
  void Navigate(const std::string& url);
  std::string GetLocationURL() const { return m_url; }

 private:
  std::string m_url;
};

}  // namespace ui
