// "Sortie BD" on the real toolkit: the feed of a loopback server downloaded
// behind the progress box and shown by the web engine through the shipped
// stylesheet.
#include "../LoopbackServer.h"
#include "AppTestSupport.h"
#include "app/QuilloryApp.h"
#include "app/QuilloryDlg.h"
#include "export/QuilloryAffNews.h"
#include "platform/wx/UiDriver.h"
#include "resources/Resource.h"

#include <gtest/gtest.h>

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

TEST(NewsGui, TheNewsDialogShowsTheFeedRenderedThroughItsStylesheet) {
  LoopbackServer server(
      LoopbackServer::Mode::Serve,
      "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<rss version=\"2.0\"><channel>"
      "<title>Sorties de la semaine</title>"
      "<item><title>Blake et Mortimer 29</title><description>&lt;i&gt;Le Dernier "
      "Espadon&lt;/i&gt;</description></item>"
      "<item><title>Thorgal 40</title><description>Tome quarante</description></item>"
      "</channel></rss>\n");
  TestProgramFolder folder;
  folder.WriteCollection({});
  std::ifstream xsl(std::string(QUILLORY_RESOURCES_DATA) + "/quilloryNews.xsl", std::ios::binary);
  folder.WriteFile("data/quilloryNews.xsl", std::string(std::istreambuf_iterator<char>(xsl), {}));
  folder.WriteFile("data/Quillory.ini",
                   "[Web]\r\nFeedUrl=" + server.Url("/Rss/Rss.aspx?NID=37276") + "\r\n");

  std::string shown;
  bool newsShown = false, newsDone = false;
  std::function<void(ui::Window&)> newsStep = [&](ui::Window& window) {
    if (window.GetTemplateId() != IDD_QUILLORY_AFFNEWS) {  // the progress box
      UiDriver::WhenShown(newsStep);
      return;
    }
    newsShown = true;
    ui::Control& view = *window.GetDlgItem(IDC_EXPLORER_NEWS);
    UiDriver::WaitUntil([&] {
      shown = UiDriver::NativeWebText(view);
      return !UiDriver::NativeWebBusy(view) && shown.find("Thorgal 40") != std::string::npos;
    }, 20000);
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
    UiDriver::WaitUntil([&] { return newsDone; }, 30000);
    UiDriver::CloseWindow(window);
  });
  CQuilloryApp app;
  app.InitInstance(folder.Path() + "/Quillory");

  EXPECT_TRUE(newsShown);
  EXPECT_TRUE(Mapped("libcurl"));
  EXPECT_NE(shown.find("Sorties BD"), std::string::npos) << shown;
  EXPECT_NE(shown.find("Blake et Mortimer 29"), std::string::npos) << shown;
  EXPECT_NE(shown.find("Le Dernier Espadon"), std::string::npos) << shown;  // its markup applied
  EXPECT_EQ(shown.find("<i>"), std::string::npos) << shown;
}

TEST(NewsGui, TheExportedPageOpensInTheWebEngineWithItsCovers) {
  TestProgramFolder folder;
  AlbumValues blake{"Blake et Mortimer", "La Marque jaune", 6};
  blake.picture = "images\\marque.bmp";
  folder.WriteCollection({blake, {"Akira", "Tetsuo", 1}});
  folder.WritePicture("images/marque.bmp");
  std::ifstream xsl(std::string(QUILLORY_RESOURCES_DATA) + "/Quillory.xsl", std::ios::binary);
  folder.WriteFile("data/Quillory.xsl", std::string(std::istreambuf_iterator<char>(xsl), {}));

  std::vector<std::string> boxes;
  std::string shown;
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
      UiDriver::CloseWindow(pageWindow);
    });
    page.DoModal();
    UiDriver::CloseWindow(window);
  });
  CQuilloryApp app;
  app.InitInstance(folder.Path() + "/Quillory");

  EXPECT_EQ(boxes, std::vector<std::string>{"Export Termin\xE9."});
  EXPECT_TRUE(folder.Exists("ExportXml/images/marque.bmp"));
  EXPECT_NE(shown.find("La Marque jaune"), std::string::npos) << shown;
  EXPECT_NE(shown.find("Pas de couverture"), std::string::npos) << shown;  // Akira has none
}

}  // namespace
