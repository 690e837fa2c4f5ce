#pragma once
// "Sortie BD" (template 146): the news document shown in the web view,
// through the stylesheet it names. No buttons: the close box or Escape
// closes it. The web engine is loaded when this dialog first opens.

#include "export/WebBrowser2.h"
#include "export/XslTransform.h"
#include "platform/Dialog.h"

#include <optional>
#include <string>

class CQuilloryAffNews : public ui::Dialog {
 public:
  // file: the path to show, or none. page: the page already made of it (the
  // news are transformed away from the window's thread), else the file is
  // read and transformed when the dialog opens.
  CQuilloryAffNews(ui::Window* parent, std::optional<std::string> file,
                   std::optional<XslResult> page = std::nullopt);

  bool OnInitDialog() override;
  CWebBrowser2& GetBrowser() { return m_browser; }

 private:
  CWebBrowser2 m_browser;
  std::optional<std::string> m_pszFile;
  std::optional<XslResult> m_page;
};
