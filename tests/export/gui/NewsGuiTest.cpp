// "Sortie BD" on the real toolkit: the feed of a loopback server downloaded
// behind the progress box and shown by the web engine through the shipped
// stylesheet.
#include "../LoopbackServer.h"
#include "AppTestSupport.h"
#include "app/QuilloryApp.h"
#include "app/QuilloryDlg.h"
#include "platform/wx/UiDriver.h"
#include "resources/Resource.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

using ui::wxb::UiDriver;

namespace {

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
    UiDriver::CloseWindow(window);
    newsDone = true;
  };
  UiDriver::WhenShown([&](ui::Window& window) {
    EXPECT_FALSE(UiDriver::WebEngineLoaded());  // not at start
    UiDriver::WhenShown(newsStep);
    UiDriver::ChooseMenu(window, ID_WEB_SORTIEBD);
    UiDriver::WaitUntil([&] { return newsDone; }, 30000);
    UiDriver::CloseWindow(window);
  });
  CQuilloryApp app;
  app.InitInstance(folder.Path() + "/Quillory");

  EXPECT_TRUE(newsShown);
  EXPECT_NE(shown.find("Sorties BD"), std::string::npos) << shown;
  EXPECT_NE(shown.find("Blake et Mortimer 29"), std::string::npos) << shown;
  EXPECT_NE(shown.find("Le Dernier Espadon"), std::string::npos) << shown;  // its markup applied
  EXPECT_EQ(shown.find("<i>"), std::string::npos) << shown;
}

}  // namespace
