// "Sortie BD" on the real toolkit: a hostile feed from a loopback server that
// logs every request, downloaded behind the progress box and shown by the web
// engine through the shipped stylesheet; a page that tries to leave the view;
// the exported page with its covers.
#include "../LoopbackServer.h"
#include "AppTestSupport.h"
#include "app/QuilloryApp.h"
#include "app/QuilloryDlg.h"
#include "collection/Cp1252.h"
#include "export/QuilloryAffNews.h"
#include "platform/wx/UiDriver.h"
#include "resources/Resource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>

using ui::wxb::UiDriver;

namespace {

// Whether a shared library whose file name holds `name` is mapped in this process.
bool Mapped(const std::string& name) {
  std::ifstream maps("/proc/self/maps");
  std::string line;
  while (std::getline(maps, line))
    if (line.find(name) != std::string::npos) return true;
  return false;
}

std::string Shipped(const std::string& name) {
  std::ifstream in(std::string(QUILLORY_RESOURCES_DATA) + "/" + name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<std::string> Sorted(std::vector<std::string> texts) {
  std::sort(texts.begin(), texts.end());
  return texts;
}

// Lets the page do whatever it would do next (a refresh, a late request).
void Settle() { UiDriver::WaitUntil([] { return false; }, 1500); }

// Everything a page may try, in a feed's descriptions, links and pictures.
std::string HostileFeed(const std::string& u) {
  return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<rss version=\"2.0\"><channel>"
         "<title>Sorties de la semaine</title>"
         "<item><title>Blake et Mortimer 29</title><link>" + u + "/lien</link>"
         "<enclosure url=\"" + u + "/couverture.bmp\" type=\"image/bmp\"/>"
         "<description>&lt;p&gt;&lt;i&gt;Le Dernier Espadon&lt;/i&gt;&lt;img src=\"" + u +
         "/image.bmp\" onerror=\"new Image().src='" + u + "/onerror'\"&gt;&lt;/p&gt;"
         "&lt;iframe src=\"" + u + "/cadre\"&gt;&lt;/iframe&gt;"
         "&lt;meta http-equiv=\"refresh\" content=\"0;url=" + u + "/rafraichi\"&gt;"
         "&lt;link rel=\"stylesheet\" href=\"" + u + "/style.css\"&gt;"
         "&lt;style&gt;@import url(" + u + "/import.css);&lt;/style&gt;"
         "&lt;script src=\"" + u + "/script.js\"&gt;&lt;/script&gt;&lt;object data=\"" + u +
         "/objet\"&gt;&lt;/object&gt;&lt;img src=\"file:///etc/hostname\"&gt;"
         "&lt;p style=\"background: url(" + u + "/fond)\"&gt;Au verso&lt;/p&gt;"
         "&lt;form action=\"" + u + "/formulaire\"&gt;&lt;input type=\"image\" src=\"" + u +
         "/bouton\"&gt;&lt;/form&gt;</description></item>"
         "<item><title>Thorgal 40</title><link>javascript:new Image().src='" + u +
         "/javascript'</link><enclosure url=\"file:///etc/hostname\" type=\"image/jpeg\"/>"
         "<description><![CDATA[<svg><image href=\"" + u + "/svg\"/></svg><video poster=\"" + u +
         "/video\"></video>Tome quarante]]></description></item>"
         "</channel></rss>\n";
}

TEST(NewsGui, AHostileFeedShowsItsTextLinksAndPicturesAndNothingElse) {
  LoopbackServer server(LoopbackServer::Mode::Serve, "");
  const std::string u = server.Url("");
  TestProgramFolder folder;
  folder.WriteCollection({});
  folder.WritePicture("couverture.bmp");
  const std::string picture = folder.ReadFile("couverture.bmp");
  server.Route("/Rss/Rss.aspx?NID=37276", HostileFeed(u));
  LoopbackServer::Reply bmp;
  bmp.body = picture;
  bmp.contentType = "image/bmp";
  server.Route("/couverture.bmp", bmp);
  server.Route("/image.bmp", bmp);
  folder.WriteFile("data/quilloryNews.xsl", Shipped("quilloryNews.xsl"));
  folder.WriteFile("data/Quillory.ini", "[Web]\r\nFeedUrl=" + u + "/Rss/Rss.aspx?NID=37276\r\n");
  std::vector<std::string> browser;
  UiDriver::RecordBrowser(&browser);

  std::string shown, where, pictures, requestedBeforeClick;
  bool clicked = false, newsDone = false;
  std::function<void(ui::Window&)> newsStep = [&](ui::Window& window) {
    if (window.GetTemplateId() != IDD_QUILLORY_AFFNEWS) {  // the progress box
      UiDriver::WhenShown(newsStep);
      return;
    }
    ui::Control& view = *window.GetDlgItem(IDC_EXPLORER_NEWS);
    UiDriver::WaitUntil([&] {
      shown = UiDriver::NativeWebText(view);
      return !UiDriver::NativeWebBusy(view) && shown.find("Tome quarante") != std::string::npos &&
             server.Targets().size() >= 3;
    }, 20000);
    Settle();
    requestedBeforeClick = testing::PrintToString(Sorted(server.Targets()));
    pictures = UiDriver::NativeWebScript(
        view, "Array.from(document.images).filter(i => i.naturalWidth > 0).length + ''");
    // The user clicks the title: the browser opens it, the view stays.
    clicked = UiDriver::ClickWebLink(view, u + "/lien");
    UiDriver::WaitUntil([&] { return !browser.empty(); }, 5000);
    Settle();
    where = UiDriver::NativeWebScript(view, "location.href");
    shown = UiDriver::NativeWebText(view);
    UiDriver::Key(ui::VK_ESCAPE);  // the dialog has no button: Escape closes it
    newsDone = true;
  };
  UiDriver::WhenShown([&](ui::Window& window) {
    // Nothing of the web is loaded with the main window.
    EXPECT_FALSE(UiDriver::WebEngineLoaded());
    EXPECT_FALSE(Mapped("libwebkit2gtk"));
    EXPECT_FALSE(Mapped("libQuilloryWebTools"));
    EXPECT_FALSE(Mapped("libcurl"));
    UiDriver::WhenShown(newsStep);
    UiDriver::ChooseMenu(window, ID_WEB_SORTIEBD);
    UiDriver::WaitUntil([&] { return newsDone; }, 60000);
    UiDriver::CloseWindow(window);
  });
  CQuilloryApp app;
  app.InitInstance(folder.Path() + "/Quillory");
  UiDriver::RecordBrowser(nullptr);

  EXPECT_TRUE(Mapped("libcurl"));
  ASSERT_TRUE(newsDone);
  // The feed and its two web pictures, nothing else, before and after the click.
  const std::vector<std::string> expected{"/Rss/Rss.aspx?NID=37276", "/couverture.bmp", "/image.bmp"};
  EXPECT_EQ(requestedBeforeClick, testing::PrintToString(expected));
  EXPECT_EQ(Sorted(server.Targets()), expected);
  EXPECT_EQ(pictures, "2");
  EXPECT_TRUE(clicked);
  EXPECT_EQ(browser, std::vector<std::string>{u + "/lien"});
  EXPECT_EQ(where, "file://" + folder.File("data/"));
  for (const char* text : {"Sorties BD", "Blake et Mortimer 29", "Le Dernier Espadon", "Au verso",
                           "Thorgal 40", "Tome quarante"})
    EXPECT_NE(shown.find(text), std::string::npos) << text << " in " << shown;
  EXPECT_EQ(shown.find("<i>"), std::string::npos) << shown;
}

TEST(NewsGui, APageCannotLeaveTheViewRunScriptsOrOpenWindows) {
  LoopbackServer server(LoopbackServer::Mode::Serve, "");
  const std::string u = server.Url("");
  TestProgramFolder folder;
  folder.WriteCollection({});
  // A page of its own, without the news page's policy: the view still holds it.
  folder.WriteFile("page.html",
                   "<html><head><meta http-equiv=\"refresh\" content=\"0;url=" + u + "/rafraichi\">"
                   "</head><body><p>Bonjour</p><iframe src=\"" + u + "/cadre\"></iframe>"
                   "<script src=\"" + u + "/script.js\"></script><script>new Image().src = '" + u +
                   "/script'; window.open('" + u + "/fenetre');</script><object data=\"" + u +
                   "/objet\"></object><embed src=\"" + u + "/embed\">"
                   "<p><a href=\"" + u + "/ailleurs\" target=\"_blank\">Ailleurs</a></p>"
                   "<p><a href=\"file:///etc/hostname\">Fichier</a></p></body></html>");
  std::vector<std::string> browser;
  UiDriver::RecordBrowser(&browser);
  std::string shown, where;
  bool clicked = false, clickedFile = false;
  UiDriver::WhenShown([&](ui::Window& window) {
    CQuilloryAffNews page(&window, folder.File("page.html"));
    UiDriver::WhenShown([&](ui::Window& pageWindow) {
      ui::Control& view = *pageWindow.GetDlgItem(IDC_EXPLORER_NEWS);
      UiDriver::WaitUntil([&] {
        shown = UiDriver::NativeWebText(view);
        return !UiDriver::NativeWebBusy(view) && shown.find("Fichier") != std::string::npos;
      }, 20000);
      Settle();
      clicked = UiDriver::ClickWebLink(view, u + "/ailleurs");
      clickedFile = UiDriver::ClickWebLink(view, "file:///etc/hostname");
      UiDriver::WaitUntil([&] { return !browser.empty(); }, 5000);
      Settle();
      where = UiDriver::NativeWebScript(view, "location.href");
      UiDriver::CloseWindow(pageWindow);
    });
    page.DoModal();
    UiDriver::CloseWindow(window);
  });
  CQuilloryApp app;
  app.InitInstance(folder.Path() + "/Quillory");
  UiDriver::RecordBrowser(nullptr);

  EXPECT_EQ(server.Targets(), std::vector<std::string>{});
  EXPECT_TRUE(clicked);
  EXPECT_TRUE(clickedFile);
  EXPECT_EQ(browser, std::vector<std::string>{u + "/ailleurs"});  // never a local file
  EXPECT_EQ(where, "file://" + folder.File("page.html"));
}

TEST(NewsGui, TheExportedPageOpensInTheWebEngineWithAllItsCovers) {
  TestProgramFolder folder;
  AlbumValues blake{"Blake et Mortimer", "La Marque jaune", 6};
  blake.picture = "images\\marque.bmp";
  std::vector<AlbumValues> albums{blake, {"Akira", "Tetsuo", 1}};
  folder.WritePicture("images/marque.bmp");
  // Covers whose names hold what an address gives a meaning to.
  for (const char* name : {"n\xB0#1.bmp", "quoi?.bmp", "100%.bmp", "deux mots.bmp", "l'\xE9t\xE9.bmp"}) {
    AlbumValues album{"Couvertures", name, 2};
    album.picture = std::string("images\\") + name;
    albums.push_back(album);
    folder.WritePicture("images/" + cp1252::ToUtf8(name));
  }
  folder.WriteCollection(albums);
  folder.WriteFile("data/Quillory.xsl", Shipped("Quillory.xsl"));

  std::vector<std::string> boxes;
  std::string shown, covers;
  UiDriver::WhenShown([&](ui::Window& window) {
    UiDriver::AnswerMessageBoxes({ui::IDOK}, &boxes);
    UiDriver::ChooseMenu(window, ID_EXPORTER_HTML);
    UiDriver::WaitUntil([&] { return !boxes.empty(); }, 10000);
    // The page a user opens, shown by the same engine as the news.
    CQuilloryAffNews page(&window, folder.File("ExportXml/Quillory.html"));
    UiDriver::WhenShown([&](ui::Window& pageWindow) {
      ui::Control& view = *pageWindow.GetDlgItem(IDC_EXPLORER_NEWS);
      UiDriver::WaitUntil([&] {
        shown = UiDriver::NativeWebText(view);
        return !UiDriver::NativeWebBusy(view) && shown.find("Tetsuo") != std::string::npos;
      }, 20000);
      UiDriver::WaitUntil([&] {
        covers = UiDriver::NativeWebScript(
            view, "Array.from(document.images).map(i => i.naturalWidth > 0 ? 'vue' : "
                  "decodeURIComponent(i.src)).join(' ')");
        return covers == "vue vue vue vue vue vue";
      }, 5000);
      UiDriver::CloseWindow(pageWindow);
    });
    page.DoModal();
    UiDriver::CloseWindow(window);
  });
  CQuilloryApp app;
  app.InitInstance(folder.Path() + "/Quillory");

  EXPECT_EQ(boxes, std::vector<std::string>{"Export Termin\xE9."});
  EXPECT_EQ(covers, "vue vue vue vue vue vue");
  EXPECT_NE(shown.find("La Marque jaune"), std::string::npos) << shown;
  EXPECT_NE(shown.find("Pas de couverture"), std::string::npos) << shown;  // Akira has none
}

}  // namespace
