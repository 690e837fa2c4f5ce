#include "export/WebLinks.h"

#include "platform/Services.h"

#include <string>

void WebLinks::OnSiteWeb(bool graphicStyle) {
  const std::string url = SiteOf(graphicStyle);
  if (ui::OpenUrl(url)) return;
  std::string message = MSG_NO_BROWSER;
  message.replace(message.find("%s"), 2, url);
  ui::AfxMessageBox(message, ui::MB_OK | ui::MB_ICONEXCLAMATION);
}
