// "Sortie BD": downloads from loopback servers (directly, through a proxy
// that checks credentials, refused, silent), the news document written from
// each, and the command's story from the main window to the news page.
#include "LoopbackServer.h"
#include "MainWindowFixture.h"
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
    "<?xml-stylesheet type=\"text/xsl\" href=\"/programme/data/quilloryNews.xsl\"?>";

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

std::string ErrorDocument(const std::string& curlText) {
  return "<?xml version=\"1.0\" encoding=\"utf-8\"?>" + kInstruction +
         "\r\n<error><type>Echec de connexion internet (Erreur " + curlText +
         "). Verifier vos parametre de connexion et votre firewall</type></error>\r\n";
}

// The page the shipped stylesheet makes of a news document.
std::string Rendered(const std::string& document) {
  TestProgramFolder folder;
  folder.WriteFile("data/quilloryNews.xsl", ShippedStylesheet());
  XslResult page = XslTransform::Apply(document, folder.File("data/quilloryNew.xml"),
                                       folder.File("data/quilloryNews.xsl"));
  EXPECT_TRUE(page.ok) << page.error;
  return page.html;
}

TEST(NewsDownload, AFeedFetchedDirectlyKeepsItsDeclarationFirstAndRendersItsItems) {
  LoopbackServer server(LoopbackServer::Mode::Serve, kFeed);
  NewsResult result = CNewsDownload::Run(Request(server.Url("/Rss/Rss.aspx?NID=37276")));
  ASSERT_EQ(result.code, 0) << result.errorText;
  EXPECT_EQ(result.body, kFeed);
  ASSERT_EQ(server.Requests().size(), 1u);
  EXPECT_EQ(server.Requests()[0].rfind("GET /Rss/Rss.aspx?NID=37276 HTTP/1.1\r\n", 0), 0u);

  const std::string document = NewsDocument::Compose(kStylesheetPath, result);
  EXPECT_EQ(document, "<?xml version=\"1.0\" encoding=\"utf-8\"?>" + kInstruction + kFeed.substr(38));
  std::string error;
  EXPECT_TRUE(XslTransform::IsWellFormed(document, &error)) << error;
  EXPECT_EQ(XslTransform::StylesheetOf(document, "/programme/data/quilloryNew.xml"), kStylesheetPath);
  const std::string page = Rendered(document);
  EXPECT_NE(page.find("Blake et Mortimer 29"), std::string::npos);
  EXPECT_NE(page.find("<b>Le Dernier Espadon</b>"), std::string::npos);
  EXPECT_NE(page.find("Nouveaut\xC3\xA9s de la semaine"), std::string::npos);
  EXPECT_NE(page.find("script-src 'unsafe-eval'"), std::string::npos);

  // A feed without a declaration gets the instruction first.
  result.body = kFeed.substr(39);
  EXPECT_EQ(NewsDocument::Compose(kStylesheetPath, result), kInstruction + kFeed.substr(39));
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
  EXPECT_EQ(document, ErrorDocument("HTTP response code said error"));
  EXPECT_TRUE(XslTransform::IsWellFormed(document));

  // Proxy off: the login flag alone sends nothing through any proxy.
  request.proxy.m_nProxy = 0;
  request.proxy.m_nProxyAuth = 1;
  request.url = proxy.Url("/direct");
  result = CNewsDownload::Run(request);
  EXPECT_EQ(result.code, 22);  // the proxy refuses a request not made to a proxy
  EXPECT_EQ(proxy.Requests()[2].rfind("GET /direct HTTP/1.1\r\n", 0), 0u);
  EXPECT_EQ(proxy.Requests()[2].find("Proxy-Authorization"), std::string::npos);
}

TEST(NewsDownload, ARefusedConnectionWritesTheErrorDocumentWithLibcurlsText) {
  NewsResult result =
      CNewsDownload::Run(Request("http://127.0.0.1:" + std::to_string(LoopbackServer::ClosedPort()) + "/"));
  EXPECT_EQ(result.code, 7);
  const std::string document = NewsDocument::Compose(kStylesheetPath, result);
  EXPECT_EQ(document, ErrorDocument("Couldn't connect to server"));
  std::string error;
  EXPECT_TRUE(XslTransform::IsWellFormed(document, &error)) << error;
  EXPECT_NE(Rendered(document).find("Echec de connexion internet (Erreur Couldn't connect to server)"),
            std::string::npos);
}

TEST(NewsDownload, AServerThatNeverAnswersEndsInTheTimeOutAndCanBeCancelled) {
  LoopbackServer silent(LoopbackServer::Mode::Silent, "");
  NewsRequest request = Request(silent.Url("/"));
  request.totalTimeoutMs = 600;
  const auto start = std::chrono::steady_clock::now();
  NewsResult result = CNewsDownload::Run(request);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(4));
  EXPECT_EQ(result.code, 28);
  EXPECT_EQ(NewsDocument::Compose(kStylesheetPath, result), ErrorDocument("Timeout was reached"));

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
            ErrorDocument("le flux recu n'est pas un document XML"));
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
  session.ExpectDialog(IDD_QUILLORY_NEWSPROGRESS, [](ui::headless::Driver& d) {
    EXPECT_EQ(d.Text(IDC_STATIC_NEWSPROGRESS), "T\xE9l\xE9" "chargement des sorties BD...");
    d.RunTimersUntilEnded(5000);
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
  EXPECT_EQ(document.rfind("<?xml version=\"1.0\" encoding=\"utf-8\"?><?xml-stylesheet type=\"text/xsl\" href=\"" +
                               folder.File("data/quilloryNews.xsl") + "\"?>", 0), 0u);
  EXPECT_TRUE(XslTransform::IsWellFormed(document));
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
