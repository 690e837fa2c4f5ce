#pragma once
// "Sortie BD" (template 146): the news document shown in the web view,
// through the stylesheet it names. No buttons: the close box or Escape
// closes it. The web engine is loaded when this dialog first opens.

#include "export/WebBrowser2.h"
#include "platform/Dialog.h"

#include <optional>
#include <string>

class CQuilloryAffNews : public ui::Dialog {
 public:
  // file: the path to show, or none.
  CQuilloryAffNews(ui::Window* parent, std::optional<std::string> file);

  bool OnInitDialog() override;
  CWebBrowser2& GetBrowser() { return m_browser; }

 private:
  CWebBrowser2 m_browser;
  std::optional<std::string> m_pszFile;
};
