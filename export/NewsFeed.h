#pragma once
// "Sortie BD" and "Configuration Web", as any main window runs them: the
// news feed downloaded behind a progress box, written as the news document
// and shown in the news dialog; the proxy settings edited and stored.

#include "export/ProxySettings.h"

#include <functional>
#include <string>

namespace ui {
class Window;
}

class NewsFeed {
 public:
  // The retailer's feed; the profile entry "FeedUrl" of section "Web"
  // replaces it (another feed, or a test server).
  static constexpr const char* FEED_URL = "http://sorties.quillory.example/Rss/Rss.aspx?NID=37276";
  static constexpr const char* PROFILE_SECTION = "Web";
  static constexpr const char* PROFILE_FEED_URL = "FeedUrl";
  static constexpr long CONNECT_TIMEOUT_MS = 15000;
  static constexpr long TOTAL_TIMEOUT_MS = 60000;

  static constexpr const char* MSG_CANNOT_CREATE =
      "Probleme de creation de fichier Xml. Contectez le createur.";

  static std::string FeedUrl();

  // Downloads the feed, writes data\quilloryNew.xml and shows it. Nothing
  // changes when the user cancels the download.
  static void OnSortieBD(ui::Window& owner, const ProxySettings& proxy,
                         const std::string& programFolder);

  // Runs "Configuration Web"; OK calls setProxyConfig with the new settings
  // and writes the proxy file.
  static void OnConfigurationWeb(ui::Window& owner, const ProxySettings& current,
                                 const std::string& programFolder,
                                 std::function<void(const ProxySettings&)> setProxyConfig);
};
