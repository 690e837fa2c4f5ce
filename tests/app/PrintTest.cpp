// "Imprimer": the list drawn on a recording printer, page by page.
#include "GraphWindowFixture.h"
#include "MainWindowFixture.h"
#include "app/ImpressionListe.h"
#include "collection/GestionBD.h"
#include "platform/RecordingSurface.h"
#include "resources/Resource.h"

#include <set>

namespace {

using testing::ElementsAre;

// The texts of each page, in drawing order, with their places.
struct PrintedPage {
  std::vector<std::string> texts;
  std::vector<int> xs, ys;
};

std::vector<PrintedPage> Pages(const ui::RecordingSurface& printer) {
  std::vector<PrintedPage> pages;
  for (const ui::DrawOp& op : printer.Ops()) {
    if (op.kind == ui::DrawOp::StartPage) pages.emplace_back();
    if (op.kind == ui::DrawOp::Text && !pages.empty()) {
      pages.back().texts.push_back(op.text);
      pages.back().xs.push_back(op.x);
      pages.back().ys.push_back(op.y);
    }
  }
  return pages;
}

TEST_F(MainWindowTest, PrintShowsEachSeriesOnceWithItsAlbumsOnTheTabStops) {
  AlbumValues marque{"Blake et Mortimer", "La Marque jaune", 6};
  marque.commentaire = "Edition originale";
  AlbumValues akira{"Akira", "Tetsuo", 2};
  akira.type = 2;
  folder.WriteCollection({marque, akira, {"Blake et Mortimer", "S.O.S. Meteores", 8}});
  Open();
  session.ExpectPrint().Printer(300, ui::Size{2480, 3508});
  Window().Menu(ID_GESTION_IMPRIMER);

  ASSERT_EQ(session.Printers().size(), 1u);
  const ui::RecordingSurface& printer = *session.Printers()[0];
  EXPECT_EQ(printer.Ops().front().text, "Ma liste de BD");
  const auto pages = Pages(printer);
  ASSERT_EQ(pages.size(), 1u);
  // The general tab lists Blake et Mortimer on two rows: printed once.
  EXPECT_THAT(pages[0].texts,
              ElementsAre("Liste des BD de ma bibliotheque", "--------------------------------------",
                          "Akira", " 2 - Tetsuo : ", " _", "Blake et Mortimer",
                          " 6 - La Marque jaune : ", " Edition originale", " 8 - S.O.S. Meteores : ",
                          " _"));
  // 14 points at 300 dpi, 1 cm margins, tab stops every 0.75 cm.
  const int h = 300 * 14 / 72, margin = int(300 / 2.54), tab = int(300 * 0.75 / 2.54);
  auto fonts = printer.Ops(ui::DrawOp::Font);
  ASSERT_FALSE(fonts.empty());
  EXPECT_EQ(fonts[0].font.height, h);
  EXPECT_TRUE(fonts[0].font.roman);
  EXPECT_EQ(pages[0].xs[0], margin);
  EXPECT_EQ(pages[0].ys[0], margin + 6);
  EXPECT_EQ(pages[0].ys[1], margin + 6 + h);
  EXPECT_EQ(pages[0].ys[2], margin + 6 + 3 * h);  // after a blank line
  EXPECT_EQ(pages[0].xs[3], margin + 2 * tab);     // "\t\t": the second stop
  EXPECT_EQ(pages[0].ys[5], margin + 6 + 7 * h);   // two blank lines between series
}

TEST_F(MainWindowTest, PrintOfAnEmptyTabHasTheTitleOnlyAndACancelPrintsNothing) {
  folder.WriteCollection({{"Blake et Mortimer", "La Marque jaune", 6}});
  Open();
  Window().SelectTab(IDC_TAB, 3);  // no manga
  session.ExpectPrint().Cancel();
  Window().Menu(ID_GESTION_IMPRIMER);
  EXPECT_TRUE(session.Printers().empty());
  session.ExpectPrint();
  Window().Menu(ID_GESTION_IMPRIMER);
  ASSERT_EQ(session.Printers().size(), 1u);
  EXPECT_THAT(session.Printers()[0]->Texts(),
              ElementsAre("Liste des BD de ma bibliotheque", "--------------------------------------"));
  EXPECT_EQ(session.Printers()[0]->PageCount(), 1);
}

TEST(Print, ALongListBreaksIntoFullPagesThatNeverBeginWithABlankLine) {
  CGestionBD gestion;
  for (int tome = 1; tome <= 60; ++tome)
    gestion.AddAlbum("Spirou", ("Album " + std::to_string(tome)).c_str(), tome, "Franquin", "Franquin",
                     "Dupuis", "_", true, "Humour", 0, 0, "_", 5, 0, 0);
  ui::headless::Session session;
  // A small page: 96 dpi, 18-unit lines, 25 lines a page.
  session.ExpectPrint().Printer(96, ui::Size{400, 600});
  EXPECT_TRUE(CImpressionListe::Print(nullptr, gestion, {"Spirou", "Fantome", "Spirou"}));
  ASSERT_EQ(session.Printers().size(), 1u);
  const auto pages = Pages(*session.Printers()[0]);
  ASSERT_EQ(pages.size(), 3u);

  const int h = 18, top = int(96 / 2.54) + 6, perPage = (563 - 37 + 1 - 6 - (h + 30) - h) / h;
  ASSERT_EQ(perPage, 25);
  std::vector<std::string> albums;
  for (const PrintedPage& page : pages) {
    EXPECT_EQ(page.ys.front(), top);  // every page starts on its first line
    for (std::size_t i = 0; i < page.ys.size(); ++i) {
      EXPECT_LE(page.ys[i], top + (perPage - 1) * h);
      if (page.texts[i].rfind(" ", 0) == 0 && page.texts[i] != " _") albums.push_back(page.texts[i]);
    }
  }
  EXPECT_EQ(pages[0].texts[0], "Liste des BD de ma bibliotheque");
  EXPECT_EQ(pages[0].texts[2], "Spirou");
  // 2 + blank + series = 4 slots, so page 1 holds 21 albums, page 2 25.
  EXPECT_EQ(std::set<int>(pages[1].ys.begin(), pages[1].ys.end()).size(), 25u);
  ASSERT_EQ(albums.size(), 60u);
  EXPECT_EQ(albums[0], " 1 - Album 1 : ");
  EXPECT_EQ(albums[59], " 60 - Album 60 : ");
  EXPECT_EQ(pages[0].texts.back(), " _");
  // A series without albums in the collection: its name and nothing under it.
  EXPECT_EQ(pages[2].texts.back(), "Fantome");
}

}  // namespace


namespace {

TEST_F(GraphWindowTest, PrintListsEachSeriesOfThePageWithItsAlbumsAndTheAboutBoxSaysVersionSix) {
  AlbumValues tetsuo{"Akira", "Tetsuo", 2};
  tetsuo.type = 2;
  tetsuo.commentaire = "Grand format";
  folder.WriteCollection({{"Thorgal", "La Magicienne trahie", 1}, tetsuo, {"Thorgal", "Alinoe", 8}});
  Open();
  EXPECT_TRUE(dlg->GetIcon());
  session.ExpectPrint().Printer(300, ui::Size{2480, 3508});
  Window().Menu(ID_GESTION_IMPRIMER);
  ASSERT_EQ(session.Printers().size(), 1u);
  EXPECT_THAT(session.Printers()[0]->Texts(),
              ElementsAre("Liste des BD de ma bibliotheque", "--------------------------------------",
                          "Akira", " 2 - Tetsuo : ", " Grand format", "Thorgal",
                          " 1 - La Magicienne trahie : ", " _", " 8 - Alinoe : ", " _"));

  session.ExpectDialog(IDD_ABOUTBOX2, [](ui::headless::Driver& d) {
    EXPECT_EQ(d.Text(IDC_ABOUT_VERSION), "Quillory Version 6.0");
    d.Click(ui::IDOK);
  });
  Window().Menu(ID_APROPOS);
  session.ExpectDialog(IDD_ABOUTBOX2, [](ui::headless::Driver& d) { d.Click(ui::IDOK); });
  dlg->SendSysCommand(IDM_ABOUTBOX);
  session.ExpectDialog(IDD_STAT_ACHAT, [](ui::headless::Driver& d) { d.Click(ui::IDOK); });
  Window().Menu(ID_STAT_ACHAT);
}

}  // namespace
