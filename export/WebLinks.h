#pragma once
// "Site de Quillory ": the program's web site (list-style window) or the
// collectors' forum (graphic-style window), opened in the user's browser.

class WebLinks {
 public:
  static constexpr const char* SITE_URL = "http://www.quillory.example/";
  static constexpr const char* FORUM_URL =
      "http://forum.quillory.example/forums_BD/index.php?app=ccs";

  // %s: the address.
  static constexpr const char* MSG_NO_BROWSER =
      "Quillory n'a pas pu ouvrir la page %s : aucun navigateur Internet n'a pu \xEAtre lanc\xE9.";

  static const char* SiteOf(bool graphicStyle) { return graphicStyle ? FORUM_URL : SITE_URL; }
  // Asks the platform to open the window's address in the user's browser,
  // and says so when no browser could be started.
  static void OnSiteWeb(bool graphicStyle);
};
