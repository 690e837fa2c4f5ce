// "Sortie BD": downloads from loopback servers (directly, through a proxy
// that checks credentials, refused, silent), the news document written from
// each, and the command's story from the main window to the news page.
#include "LoopbackServer.h"
#include "MainWindowFixture.h"
#include "collection/Cp1252.h"
#include "export/NewsDownload.h"
#include "export/NewsFeed.h"
#include "export/NewsProgress.h"
#include "export/QuilloryAffNews.h"
#include "export/WebLinks.h"
#include "export/XslTransform.h"
#include "platform/Profile.h"
#include "platform/WebView.h"
#include "resources/Resource.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <iterator>

namespace {

const std::string kFeed =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
    "<rss version=\"2.0\"><channel><title>Nouveaut\xC3\xA9s de la semaine</title>\n"
    "<item><title>Blake et Mortimer 29</title><link>http://127.0.0.1/blake</link>"
    "<description>&lt;b&gt;Le Dernier Espadon&lt;/b&gt;</description></item>\n"
    "<item><title>Thorgal 40</title><description>Tome quarante</description></item>\n"
    "</channel></rss>\n";

const std::string kStylesheetPath = "/programme/data/quilloryNews.xsl";
const std::string kInstruction =
    "<?xml-stylesheet type=\"text/xsl\" href=\"file:///programme/data/quilloryNews.xsl\"?>";
// Where users unpack programs, accents included.
const std::string kAccented = "T\xC3\xA9l\xC3\xA9" "chargements/Quillory/";

std::string ShippedStylesheet() {
  std::ifstream in(std::string(QUILLORY_RESOURCES_DATA) + "/quilloryNews.xsl", std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

NewsRequest Request(const std::string& url) {
  NewsRequest r;
  r.url = url;
  r.connectTimeoutMs = 3000;
  r.totalTimeoutMs = 5000;
  return r;
}

// A request that also makes the document and its page, in a program folder.
NewsRequest RequestWithPage(const TestProgramFolder& folder, const std::string& url) {
  folder.WriteFile(kAccented + "data/quilloryNews.xsl", ShippedStylesheet());
  NewsRequest r = Request(url);
  r.documentPath = folder.File(kAccented + "data/quilloryNew.xml");
  r.stylesheetPath = folder.File(kAccented + "data/quilloryNews.xsl");
  return r;
}

// message: Windows-1252, as the program holds it.
std::string ErrorDocument(const std::string& message, const std::string& detail) {
  return "<?xml version=\"1.0\" encoding=\"utf-8\"?>" + kInstruction + "\r\n<error><type>" +
         cp1252::ToUtf8(message) + "</type><detail>" + detail + "</detail></error>\r\n";
}

std::string Connection(const std::string& what) {
  return "Echec de connexion internet (Erreur " + what +
         "). Verifier vos parametre de connexion et votre firewall";
}

// The page the shipped stylesheet makes of a news document.
std::string Rendered(const std::string& document) {
  TestProgramFolder folder;
  folder.WriteFile("data/quilloryNews.xsl", ShippedStylesheet());
  XslResult page = XslTransform::Apply(document, folder.File("data/quilloryNew.xml"),
                                       folder.File("data/quilloryNews.xsl"));
  EXPECT_TRUE(page.ok) << page.detail;
  return page.html;
}

TEST(NewsDownload, AFeedIsRewrittenInUtf8WithItsStylesheetAndItsPageIsMadeByTheWorker) {
  LoopbackServer server(LoopbackServer::Mode::Serve, kFeed);
  TestProgramFolder folder;
  NewsResult result =
      CNewsDownload::Run(RequestWithPage(folder, server.Url("/Rss/Rss.aspx?NID=37276")));
  ASSERT_EQ(result.code, 0) << result.errorText;
  EXPECT_EQ(result.body, kFeed);
  EXPECT_EQ(server.Targets(), std::vector<std::string>{"/Rss/Rss.aspx?NID=37276"});

  EXPECT_EQ(result.document.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<?xml-stylesheet "
                                  "type=\"text/xsl\" href=\"file://" + folder.Path() +
                                      "/T%C3%A9l%C3%A9chargements/Quillory/data/quilloryNews.xsl\"?>\n<rss",
                                  0),
            0u)
      << result.document;
  EXPECT_EQ(XslTransform::StylesheetOf(result.document, "/ailleurs/quilloryNew.xml"),
            folder.File(kAccented + "data/quilloryNews.xsl"));
  ASSERT_TRUE(result.page.ok) << result.page.detail;
  const std::string& page = result.page.html;
  EXPECT_NE(page.find("Blake et Mortimer 29"), std::string::npos);
  EXPECT_NE(page.find("<b>Le Dernier Espadon</b>"), std::string::npos);
  EXPECT_NE(page.find("Nouveaut\xC3\xA9s de la semaine"), std::string::npos);
  EXPECT_NE(page.find("default-src 'none'; img-src http: https:"), std::string::npos);
}

TEST(NewsDownload, AFeedInAnyEncodingIsShown) {
  TestProgramFolder folder;
  const std::string latin1 =
      "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><rss><channel><title>Nouveaut\xE9s</title>"
      "<item><title>Ast\xE9rix 40</title></item></channel></rss>";
  std::string utf16 = "\xFF\xFE";  // little-endian, with its byte order mark
  for (char c : std::string("<?xml version=\"1.0\" encoding=\"UTF-16\"?><rss><channel>"
                            "<item><title>Spirou 42</title></item></channel></rss>")) {
    utf16 += c;
    utf16 += '\0';
  }
  const std::string windows1252 =
      "<?xml version=\"1.0\" encoding=\"windows-1252\"?><rss><channel>"
      "<item><title>Prix \x80 \x9C" "uvre</title></item></channel></rss>";
  LoopbackServer server(LoopbackServer::Mode::Serve, "");
  server.Route("/latin1", latin1);
  server.Route("/utf16", utf16);
  server.Route("/cp1252", windows1252);
  for (const auto& [target, shown] : std::vector<std::pair<std::string, std::string>>{
           {"/latin1", "Ast\xC3\xA9rix 40"}, {"/utf16", "Spirou 42"},
           {"/cp1252", "Prix \xE2\x82\xAC \xC5\x93uvre"}}) {
    NewsResult result = CNewsDownload::Run(RequestWithPage(folder, server.Url(target)));
    ASSERT_TRUE(result.page.ok) << target << ": " << result.page.detail;
    EXPECT_NE(result.page.html.find(shown), std::string::npos) << target << ": " << result.page.html;
  }
}

TEST(NewsDownload, ARedirectIsAFailureAndItsBodyIsNotShown) {
  LoopbackServer server(LoopbackServer::Mode::Serve, "");
  LoopbackServer::Reply moved;
  moved.body = kFeed;
  moved.status = "301 Moved Permanently";
  moved.headers = "Location: http://ailleurs.example/pub\r\n";
  server.Route("/Rss/Rss.aspx?NID=37276", moved);
  TestProgramFolder folder;
  NewsResult result =
      CNewsDownload::Run(RequestWithPage(folder, server.Url("/Rss/Rss.aspx?NID=37276")));
  EXPECT_EQ(server.Targets().size(), 1u);  // not followed
  EXPECT_EQ(result.httpStatus, 301);
  EXPECT_EQ(NewsDocument::Compose(kStylesheetPath, result),
            ErrorDocument(NewsDocument::MSG_REDIRECT, "HTTP 301, Location : http://ailleurs.example/pub"));
  ASSERT_TRUE(result.page.ok) << result.page.detail;
  EXPECT_EQ(result.page.html.find("Thorgal"), std::string::npos);
  EXPECT_NE(result.page.html.find("renvoie vers une autre adresse, que Quillory ne suit pas"),
            std::string::npos);
  EXPECT_NE(result.page.html.find("D\xC3\xA9tail : HTTP 301, Location : http://ailleurs.example/pub"),
            std::string::npos);
}

TEST(NewsDownload, AFeedTooLargeOrSwollenByItsEntitiesIsNotRead) {
  // 5 MiB, announced or not: the download stops at 4 MiB.
  LoopbackServer::Reply huge;
  huge.body = std::string(1024 * 1024, 'x');
  huge.repeat = 5;
  // 70 kB naming one entity of 16 kB 4000 times: 64 MB once expanded.
  std::string swollen = "<?xml version=\"1.0\"?><!DOCTYPE rss [<!ENTITY e \"" +
                        std::string(16 * 1024, 'y') + "\">]><rss><channel><item><description>";
  for (int i = 0; i < 4000; ++i) swollen += "&e;";
  swollen += "</description></item></channel></rss>";
  std::string laughs = "<?xml version=\"1.0\"?><!DOCTYPE rss [<!ENTITY l0 \"ha\">";
  for (int i = 1; i < 10; ++i) {
    laughs += "<!ENTITY l" + std::to_string(i) + " \"";
    for (int k = 0; k < 10; ++k) laughs += "&l" + std::to_string(i - 1) + ";";
    laughs += "\">";
  }
  laughs += "]><rss><channel><title>&l9;</title></channel></rss>";
  LoopbackServer server(LoopbackServer::Mode::Serve, "");
  server.Route("/annonce", huge);
  LoopbackServer::Reply stream = huge;
  stream.withLength = false;
  server.Route("/flot", stream);
  server.Route("/entites", swollen);
  server.Route("/rires", laughs);

  TestProgramFolder folder;
  for (const char* target : {"/annonce", "/flot"}) {
    NewsResult result = CNewsDownload::Run(RequestWithPage(folder, server.Url(target)));
    EXPECT_TRUE(result.tooLarge) << target;
    EXPECT_TRUE(result.body.empty()) << target;
    EXPECT_NE(result.document.find(cp1252::ToUtf8(
                  "<type>Le flux des sorties BD d\xE9passe 4 Mo : le t\xE9l\xE9" "chargement a \xE9t\xE9 arr\xEAt\xE9.")),
              std::string::npos)
        << target << ": " << result.document;
  }
  // Refused by the bound, and the classic attack by the parser itself.
  for (const auto& [target, message] : std::vector<std::pair<std::string, std::string>>{
           {"/entites", "<type>Le flux re\xE7u d\xE9" "finit des entit\xE9s qui le feraient d\xE9passer 1 Mo"},
           {"/rires", "<type>Le flux re\xE7u n'est pas un document XML lisible"}}) {
    NewsResult result = CNewsDownload::Run(RequestWithPage(folder, server.Url(target)));
    EXPECT_EQ(result.code, 0);
    EXPECT_NE(result.document.find(cp1252::ToUtf8(message)), std::string::npos)
        << target << ": " << result.document;
    ASSERT_TRUE(result.page.ok) << target << ": " << result.page.detail;
    EXPECT_LT(result.page.html.size(), 10000u) << target;
  }
}

TEST(NewsDownload, ThroughAProxyTheCredentialsAreSentOnlyWhenAsked) {
  LoopbackServer proxy(LoopbackServer::Mode::Proxy, kFeed, "lecteur:s3cret");
  NewsRequest request = Request("http://sorties.quillory.example/Rss/Rss.aspx?NID=37276");
  request.proxy.m_nProxy = 1;
  request.proxy.m_nProxyAuth = 1;
  request.proxy.m_strProxyHost = "127.0.0.1";
  request.proxy.m_strProxyPort = std::to_string(proxy.Port());
  request.proxy.m_strProxyLogin = "lecteur";
  request.proxy.m_strProxyPassword = "s3cret";
  NewsResult result = CNewsDownload::Run(request);
  ASSERT_EQ(result.code, 0) << result.errorText;
  EXPECT_EQ(result.body, kFeed);
  EXPECT_EQ(proxy.Requests()[0].rfind(
                "GET http://sorties.quillory.example/Rss/Rss.aspx?NID=37276 HTTP/1.1\r\n", 0), 0u);

  // Proxy on, login off: no credentials, the proxy refuses, the error is shown.
  request.proxy.m_nProxyAuth = 0;
  result = CNewsDownload::Run(request);
  EXPECT_EQ(result.code, 22);
  EXPECT_EQ(proxy.Requests()[1].find("Proxy-Authorization"), std::string::npos);
  const std::string document = NewsDocument::Compose(kStylesheetPath, result);
  EXPECT_EQ(document, ErrorDocument(Connection("407 : le proxy refuse le login ou le mot de passe"),
                                    "HTTP response code said error"));
  EXPECT_TRUE(XslTransform::IsWellFormed(document));

  // Proxy off: the login flag alone sends nothing through any proxy.
  request.proxy.m_nProxy = 0;
  request.proxy.m_nProxyAuth = 1;
  request.url = proxy.Url("/direct");
  result = CNewsDownload::Run(request);
  EXPECT_EQ(result.code, 22);  // the proxy refuses a request not made to a proxy
  EXPECT_EQ(proxy.Requests()[2].rfind("GET /direct HTTP/1.1\r\n", 0), 0u);
  EXPECT_EQ(proxy.Requests()[2].find("Proxy-Authorization"), std::string::npos);
  EXPECT_NE(NewsDocument::Compose(kStylesheetPath, result)
                .find("<type>Le serveur des sorties BD a r\xC3\xA9pondu par l'erreur 400 :"),
            std::string::npos);
}

TEST(NewsDownload, ARefusedConnectionIsExplainedInFrenchWithLibcurlsTextAsDetail) {
  NewsResult result =
      CNewsDownload::Run(Request("http://127.0.0.1:" + std::to_string(LoopbackServer::ClosedPort()) + "/"));
  EXPECT_EQ(result.code, 7);
  const std::string document = NewsDocument::Compose(kStylesheetPath, result);
  EXPECT_EQ(document, ErrorDocument(Connection("7 : la connexion est refus\xE9" "e"),
                                    "Couldn't connect to server"));
  const std::string page = Rendered(document);
  EXPECT_NE(page.find("Echec de connexion internet (Erreur 7 : la connexion est refus\xC3\xA9" "e)"),
            std::string::npos);
  EXPECT_NE(page.find("D\xC3\xA9tail : Couldn't connect to server"), std::string::npos);
}

TEST(NewsDownload, AServerThatNeverAnswersEndsInTheTimeOutAndCanBeCancelled) {
  LoopbackServer silent(LoopbackServer::Mode::Silent, "");
  NewsRequest request = Request(silent.Url("/"));
  request.totalTimeoutMs = 600;
  const auto start = std::chrono::steady_clock::now();
  NewsResult result = CNewsDownload::Run(request);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(4));
  EXPECT_EQ(result.code, 28);
  EXPECT_EQ(NewsDocument::Compose(kStylesheetPath, result),
            ErrorDocument(Connection("28 : le serveur ne r\xE9pond pas"), "Timeout was reached"));

  request.totalTimeoutMs = 60000;
  CNewsDownload download;
  download.Start(request);
  download.Cancel();
  EXPECT_TRUE(download.Result().cancelled);
}

TEST(NewsDownload, AnythingButXmlBecomesTheErrorDocument) {
  LoopbackServer server(LoopbackServer::Mode::Serve, "<html><p>Maintenance & travaux</html>");
  NewsResult result = CNewsDownload::Run(Request(server.Url("/")));
  ASSERT_EQ(result.code, 0);
  EXPECT_EQ(NewsDocument::Compose(kStylesheetPath, result),
            ErrorDocument("Le flux re\xE7u n'est pas un document XML lisible : les sorties ne peuvent "
                          "pas \xEAtre affich\xE9" "es. R\xE9" "essayez plus tard.",
                          "feed.xml:1: parser error : xmlParseEntityRef: no name"));
}

// ---- The command from the main window ----

class SortieBDTest : public MainWindowTest {
 protected:
  void SetUp() override {
    folder.WriteCollection({});
    folder.WriteFile("data/quilloryNews.xsl", ShippedStylesheet());
    ui::AppProfile().SetFile(folder.File("data/Quillory.ini"));
  }
  void TearDown() override { ui::AppProfile().SetFile(folder.File("data/none.ini")); }
};

TEST_F(SortieBDTest, TheFeedIsDownloadedBehindTheProgressBoxAndShownThroughTheStylesheet) {
  LoopbackServer server(LoopbackServer::Mode::Serve, kFeed);
  ui::AppProfile().WriteProfileString("Web", "FeedUrl", server.Url("/Rss/Rss.aspx?NID=37276"));
  Open();
  std::string html, base;
  session.ExpectDialog(IDD_QUILLORY_NEWSPROGRESS, [&](ui::headless::Driver& d) {
    EXPECT_EQ(d.Text(IDC_STATIC_NEWSPROGRESS), "T\xE9l\xE9" "chargement des sorties BD...");
    d.RunTimersUntilEnded(5000);
    // The page was made behind the box: the window's thread needs no stylesheet now.
    folder.Remove("data/quilloryNews.xsl");
  });
  session.ExpectDialog(IDD_QUILLORY_AFFNEWS, [&](ui::headless::Driver& d) {
    ui::WebView& view = *d.GetWindow().GetWebView(IDC_EXPLORER_NEWS);
    html = view.GetPageHtml();
    base = view.GetLocationURL();
    d.PressKey(ui::VK_ESCAPE);
  });
  Window().Menu(ID_WEB_SORTIEBD);
  EXPECT_NE(html.find("Thorgal 40"), std::string::npos) << html;
  EXPECT_EQ(base, "file://" + folder.File("data/"));
  const std::string document = folder.ReadFile("data/quilloryNew.xml");
  EXPECT_EQ(document.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<?xml-stylesheet type=\"text/xsl\" "
                           "href=\"file://" + folder.File("data/quilloryNews.xsl") + "\"?>", 0), 0u);
  EXPECT_TRUE(XslTransform::IsWellFormed(document));
  EXPECT_EQ(html, Rendered(document));  // the page the file gives
}

TEST_F(SortieBDTest, CancellingKeepsTheLastNewsAndAnUnwritableDocumentIsReported) {
  LoopbackServer silent(LoopbackServer::Mode::Silent, "");
  ui::AppProfile().WriteProfileString("Web", "FeedUrl", silent.Url("/"));
  folder.WriteFile("data/quilloryNew.xml", "les anciennes nouvelles");
  Open();
  session.ExpectDialog(IDD_QUILLORY_NEWSPROGRESS,
                       [](ui::headless::Driver& d) { d.Click(ui::IDCANCEL); });
  Window().Menu(ID_WEB_SORTIEBD);
  EXPECT_EQ(folder.ReadFile("data/quilloryNew.xml"), "les anciennes nouvelles");

  folder.Remove("data/quilloryNew.xml");
  folder.WriteFile("data/quilloryNew.xml/bloque", "a folder where the document should be");
  session.ExpectMessageBox("Probleme de creation de fichier Xml. Contectez le createur.");
  Window().Menu(ID_WEB_SORTIEBD);
}

TEST_F(SortieBDTest, ANewsFileThatCannotBeReadShowsAnErrorPageInTheView) {
  Open();
  CQuilloryAffNews news(dlg.get(), folder.File("data/absent.xml"));
  std::string html;
  session.ExpectDialog(IDD_QUILLORY_AFFNEWS, [&](ui::headless::Driver& d) {
    html = d.GetWindow().GetWebView(IDC_EXPLORER_NEWS)->GetPageHtml();
    d.Close();
  });
  news.DoModal();
  EXPECT_NE(html.find("Cette page ne peut pas \xC3\xAAtre affich\xC3\xA9" "e"), std::string::npos);
  EXPECT_NE(html.find(folder.File("data/absent.xml")), std::string::npos);
}

TEST_F(SortieBDTest, TheSiteCommandOpensTheProgramsSiteInTheBrowser) {
  Open();
  Window().Menu(ID_WEB_SITE);
  EXPECT_EQ(session.OpenedUrls(), std::vector<std::string>{WebLinks::SITE_URL});
  EXPECT_STRNE(WebLinks::SiteOf(true), WebLinks::SiteOf(false));
  EXPECT_NE(std::string(WebLinks::SiteOf(true)).find("/forums_BD/index.php?app=ccs"), std::string::npos);
}

}  // namespace
