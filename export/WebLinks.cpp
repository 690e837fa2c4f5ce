#include "export/WebLinks.h"

#include "platform/Services.h"

void WebLinks::OnSiteWeb(bool graphicStyle) { ui::OpenUrl(SiteOf(graphicStyle)); }
