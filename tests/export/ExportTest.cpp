// "Exporter en Html": the document's bytes, the copies beside it and the
// transformed page, for small collections that hold every odd case.
#include "AppTestSupport.h"
#include "collection/Cp1252.h"
#include "collection/GestionBD.h"
#include "export/CollectionExport.h"
#include "export/XslTransform.h"
#include "platform/headless/Session.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

using namespace std::string_literals;

struct Album {
  std::string serie, titre, commentaire, picture;
  int type;
};

class ExportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder.WriteFile("data/Quillory.xsl", ReadSource("Quillory.xsl"));
  }
  static std::string ReadSource(const std::string& name) {
    std::ifstream in(std::string(QUILLORY_RESOURCES_DATA) + "/" + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  void Add(const Album& a) {
    gestion.AddAlbum(a.serie.c_str(), a.titre.c_str(), 3, "Vance", "Van Hamme", "Dargaud",
                     a.commentaire.c_str(), false, "Aventure", 0.0, a.type, "_", 7, 0, 0);
    gestion.GetAlbum(gestion.GetAlbumCount() - 1)->SetPicture(a.picture);
  }
  CollectionExport::Result Export(bool withPage = true) {
    return CollectionExport::ExportCollectionXml(gestion, folder.Path(), withPage);
  }

  TestProgramFolder folder;
  CGestionBD gestion;
};

const std::string kHead =
    "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?> \r\n"
    "<?xml-stylesheet type=\"text/xsl\" href=\"Quillory.xsl\"?>\r\n<Quillory>";

TEST_F(ExportTest, AnEmptyCollectionGivesTheThreeCountsAtZero) {
  ASSERT_TRUE(Export().problem.empty());
  EXPECT_EQ(folder.ReadFile("ExportXml/Quillory.xml"),
            kHead + "\r\n <NbEuro>0</NbEuro>\r\n <NbManga>0</NbManga>\r\n <NbComic>0</NbComic>\r\n</Quillory>");
  EXPECT_EQ(folder.ReadFile("ExportXml/Quillory.xsl"), ReadSource("Quillory.xsl"));
  EXPECT_TRUE(std::filesystem::is_directory(folder.File("ExportXml/images")));
  EXPECT_NE(folder.ReadFile("ExportXml/Quillory.html").find("aucun album"), std::string::npos);
}

TEST_F(ExportTest, AlbumsAreWrittenByTypeWithTheirPicturesCopiedAndCounted) {
  folder.WritePicture("images/cover.jpg");
  folder.WriteFile("loose.jpg", "loose picture");
  Add({"Blake et Mortimer", "Le Secret de l'Espadon", "Premier tome", "images\\cover.jpg", 0});
  Add({"Spider-Man", "Kraven", "  ", "loose.jpg", 1});
  Add({"Akira", "Tetsuo", "_", "_", 2});
  Add({"Thorgal", "La Magicienne trahie", "Type inconnu", "_", -1});
  Add({"XIII", "Le Jour du Soleil noir", "Type trois", "_", 3});
  Add({"Watchmen", "Minuit moins douze", "Comic deux", "images\\absent.jpg", 1});
  ASSERT_TRUE(Export().problem.empty());

  EXPECT_EQ(folder.ReadFile("ExportXml/Quillory.xml"),
            kHead +
                "\r\n <BD>\r\n  <Titre>Le Secret de l'Espadon</Titre>\r\n  <Serie>Blake et Mortimer</Serie>"
                "\r\n  <Comment>Premier tome</Comment>\r\n  <Picture>images/cover.jpg</Picture>\r\n </BD>"
                "\r\n <Comic>\r\n  <Titre>Kraven</Titre>\r\n  <Serie>Spider-Man</Serie>"
                "\r\n  <Comment>-</Comment>\r\n  <Picture>images/loose.jpg</Picture>\r\n </Comic>"
                "\r\n <Manga>\r\n  <Titre>Tetsuo</Titre>\r\n  <Serie>Akira</Serie>"
                "\r\n  <Comment>_</Comment>\r\n  <Picture>_</Picture>\r\n </Manga>"
                "\r\n <BD>\r\n  <Titre>La Magicienne trahie</Titre>\r\n  <Serie>Thorgal</Serie>"
                "\r\n  <Comment>Type inconnu</Comment>\r\n  <Picture>_</Picture>\r\n </BD>"
                "\r\n <BD>\r\n  <Titre>Le Jour du Soleil noir</Titre>\r\n  <Serie>XIII</Serie>"
                "\r\n  <Comment>Type trois</Comment>\r\n  <Picture>_</Picture>\r\n </BD>"
                "\r\n <Comic>\r\n  <Titre>Minuit moins douze</Titre>\r\n  <Serie>Watchmen</Serie>"
                "\r\n  <Comment>Comic deux</Comment>\r\n  <Picture>images/absent.jpg</Picture>\r\n </Comic>"
                "\r\n <NbEuro>3</NbEuro>\r\n <NbManga>1</NbManga>\r\n <NbComic>2</NbComic>\r\n</Quillory>");
  EXPECT_EQ(folder.ReadFile("ExportXml/images/cover.jpg"), folder.ReadFile("images/cover.jpg"));
  EXPECT_EQ(folder.ReadFile("ExportXml/images/loose.jpg"), "loose picture");
  EXPECT_FALSE(folder.Exists("ExportXml/images/absent.jpg"));
  EXPECT_FALSE(folder.Exists("ExportXml/images/_"));

  // The page: every album, its cover beside it, the counts.
  const std::string page = folder.ReadFile("ExportXml/Quillory.html");
  for (const char* title : {"Le Secret de l'Espadon", "Kraven", "Tetsuo", "La Magicienne trahie",
                            "Le Jour du Soleil noir", "Minuit moins douze"})
    EXPECT_NE(page.find(title), std::string::npos) << title;
  EXPECT_NE(page.find("src=\"images/cover.jpg\""), std::string::npos);
  EXPECT_NE(page.find("BD euro : <b>3</b>"), std::string::npos);
  EXPECT_NE(page.find("Mangas : <b>1</b>"), std::string::npos);
  EXPECT_NE(page.find("Comics : <b>2</b>"), std::string::npos);
}

TEST_F(ExportTest, MarkupInTheAlbumsIsEscapedAndTheAccentsReachThePageAsUtf8) {
  Add({"Tintin & Milou", "<Objectif> Lune", "Caf\xE9 \x80 5 > 3", "_", 0});
  ASSERT_TRUE(Export().problem.empty());
  const std::string xml = folder.ReadFile("ExportXml/Quillory.xml");
  EXPECT_NE(xml.find("<Titre>&lt;Objectif&gt; Lune</Titre>"), std::string::npos);
  EXPECT_NE(xml.find("<Serie>Tintin &amp; Milou</Serie>"), std::string::npos);
  EXPECT_NE(xml.find("<Comment>Caf\xE9 \x80 5 &gt; 3</Comment>"), std::string::npos);
  std::string error;
  EXPECT_TRUE(XslTransform::IsWellFormed(xml, &error)) << error;
  const std::string page = folder.ReadFile("ExportXml/Quillory.html");
  EXPECT_NE(page.find("Tintin &amp; Milou"), std::string::npos);
  EXPECT_NE(page.find("Caf\xC3\xA9 \xE2\x82\xAC 5 &gt; 3"), std::string::npos);  // é and €
  EXPECT_NE(page.find("charset=UTF-8"), std::string::npos);
}

TEST_F(ExportTest, AnAccentedCoverIsCopiedUnderItsFileSystemNameAndFoundByThePage) {
  folder.WriteFile("images/Ast\xC3\xA9rix.jpg", "couverture");  // UTF-8 on disk
  Add({"Ast\xE9rix", "Le Tour de Gaule", "_", "images\\Ast\xE9rix.jpg", 0});
  ASSERT_TRUE(Export().problem.empty());
  EXPECT_NE(folder.ReadFile("ExportXml/Quillory.xml").find("<Picture>images/Ast\xE9rix.jpg</Picture>"),
            std::string::npos);
  EXPECT_EQ(folder.ReadFile("ExportXml/images/Ast\xC3\xA9rix.jpg"), "couverture");
  EXPECT_NE(folder.ReadFile("ExportXml/Quillory.html").find("src=\"images/Ast%C3%A9rix.jpg\""),
            std::string::npos);
}

TEST_F(ExportTest, TheStylesheetCopyIsKeptOnceThePictureFolderExists) {
  ASSERT_TRUE(Export().problem.empty());
  folder.WriteFile("data/Quillory.xsl", "changed");
  ASSERT_TRUE(Export().problem.empty());
  EXPECT_EQ(folder.ReadFile("ExportXml/Quillory.xsl"), ReadSource("Quillory.xsl"));
}

TEST_F(ExportTest, WhatCouldNotBeWrittenIsSaidInFrenchWithTheLibrarysTextAsDetail) {
  folder.WriteFile("ExportXml", "a file where the folder should be");
  Add({"Blake", "Le Secret", "_", "_", 0});
  CollectionExport::Result failed = Export();
  EXPECT_FALSE(failed.documentWritten);
  EXPECT_EQ(failed.problem,
            "L'export n'a pas pu \xEAtre \xE9" "crit : ExportXml\\Quillory.xml ne peut pas \xEAtre "
            "cr\xE9\xE9. V\xE9rifiez que le dossier ExportXml n'est pas en lecture seule et que le "
            "disque n'est pas plein.\nD\xE9tail : Error: cannot open '" +
                folder.File("ExportXml/Quillory.xml") + "' for writing.");

  folder.Remove("ExportXml");
  folder.Remove("data/Quillory.xsl");
  CollectionExport::Result noPage = Export();
  EXPECT_TRUE(noPage.documentWritten);
  EXPECT_FALSE(noPage.pageWritten);
  EXPECT_EQ(noPage.problem,
            "Quillory.xml a \xE9t\xE9 \xE9" "crit, mais la page Quillory.html n'a pas pu \xEAtre "
            "cr\xE9\xE9" "e :\nLa feuille de style data\\Quillory.xsl est introuvable ou illisible : "
            "r\xE9installez Quillory pour la retrouver.");

  folder.WriteFile("ExportXml/Quillory.xsl", "<pas-une-feuille/>");
  EXPECT_EQ(Export().problem.find("La feuille de style ExportXml\\Quillory.xsl n'est pas une feuille "
                                  "XSL valide : corrigez-la ou remplacez-la par celle de Quillory."),
            "Quillory.xml a \xE9t\xE9 \xE9" "crit, mais la page Quillory.html n'a pas pu \xEAtre "
            "cr\xE9\xE9" "e :\n"s.size());
}

TEST_F(ExportTest, EveryBytesTextReachesThePageAndOddCoverNamesKeepTheirAddress) {
  // "Ártico" read from UTF-8 as Windows-1252 holds 0x81; the other undefined
  // bytes follow, then characters that must stay right after them.
  Add({"\xC3\x81rtico \x8D\x8F\x90\x9D", "Tome \x80 \x9C" "uvre \x92", "_", "_", 0});
  for (const char* name : {"a#1.jpg", "b?2.jpg", "c%3.jpg", "d e.jpg", "f\"g'h.jpg", "\xC9t\xE9.jpg"}) {
    folder.WriteFile(std::string("images/") + cp1252::ToUtf8(name), "couverture");
    Add({"Couvertures", name, "_", std::string("images\\") + name, 1});
  }
  ASSERT_TRUE(Export().problem.empty());
  const std::string page = folder.ReadFile("ExportXml/Quillory.html");
  const std::string replacement = "\xEF\xBF\xBD";
  EXPECT_NE(page.find("\xC3\x83" + replacement + "rtico " + replacement + replacement + replacement +
                      replacement),
            std::string::npos);
  EXPECT_NE(page.find("Tome \xE2\x82\xAC \xC5\x93uvre \xE2\x80\x99"), std::string::npos);
  for (const char* src : {"images/a%231.jpg", "images/b%3F2.jpg", "images/c%253.jpg",
                          "images/d%20e.jpg", "images/f%22g'h.jpg", "images/%C3%89t%C3%A9.jpg"})
    EXPECT_NE(page.find(std::string("src=\"") + src + "\""), std::string::npos) << src;
}

TEST_F(ExportTest, ACoverThatLeadsOutOfTheProgramFolderIsLeftOutAndNothingOutsideIsTouched) {
  // The program in prog/Quillory: two folders up from its ExportXml/images
  // is its own folder, two folders up from the program is the test folder.
  const std::string program = folder.File("prog/Quillory");
  folder.WriteFile("prog/Quillory/data/quillory.db", "la collection");
  folder.WriteFile("prog/Quillory/data/Quillory.xsl", ReadSource("Quillory.xsl"));
  folder.WritePicture("prog/Quillory/images/cover.jpg");
  folder.WriteFile("data/quillory.db", "un autre fichier");
  // What a shared, hand-edited or restored database may hold as covers.
  Add({"Thorgal", "Aaricia", "_", "../../data/quillory.db", 0});
  Add({"Thorgal", "Alinoe", "_", "images/../../data/quillory.db", 0});
  Add({"Thorgal", "Le Pays Qa", "_", folder.File("data/quillory.db"), 0});
  Add({"Thorgal", "Les Archers", "_", "images\\cover.jpg", 0});

  ui::headless::Session session;
  session.ExpectMessageBox(
      "Export Termin\xE9.\n\n3 couverture(s) laiss\xE9" "e(s) de c\xF4t\xE9 : leur chemin m\xE8ne hors du "
      "dossier de Quillory. Les BD sont dans la page, sans leur image.");
  CollectionExport::OnExportHtml(gestion, program);

  EXPECT_EQ(folder.ReadFile("prog/Quillory/data/quillory.db"), "la collection");
  EXPECT_EQ(folder.ReadFile("data/quillory.db"), "un autre fichier");
  const std::string xml = folder.ReadFile("prog/Quillory/ExportXml/Quillory.xml");
  for (const char* titre : {"Aaricia", "Alinoe", "Le Pays Qa"})
    EXPECT_NE(xml.find(std::string("<Titre>") + titre + "</Titre>\r\n  <Serie>Thorgal</Serie>"
                       "\r\n  <Comment>_</Comment>\r\n  <Picture>_</Picture>"),
              std::string::npos)
        << titre;
  EXPECT_NE(xml.find("<Picture>images/cover.jpg</Picture>"), std::string::npos);
  std::vector<std::string> copied;
  for (const auto& entry : std::filesystem::directory_iterator(program + "/ExportXml/images"))
    copied.push_back(entry.path().filename().string());
  EXPECT_EQ(copied, std::vector<std::string>{"cover.jpg"});
}

TEST_F(ExportTest, TheCommandSaysExportTermineOrWhatFailed) {
  ui::headless::Session session;
  session.ExpectMessageBox("Export Termin\xE9.");
  CollectionExport::OnExportHtml(gestion, folder.Path());
  EXPECT_TRUE(folder.Exists("ExportXml/Quillory.html"));

  folder.Remove("ExportXml");
  folder.WriteFile("ExportXml", "not a folder");
  session.ExpectMessageBox(
      "L'export n'a pas pu \xEAtre \xE9" "crit : ExportXml\\Quillory.xml ne peut pas \xEAtre "
      "cr\xE9\xE9. V\xE9rifiez que le dossier ExportXml n'est pas en lecture seule et que le "
      "disque n'est pas plein.\nD\xE9tail : Error: cannot open '" +
      folder.File("ExportXml/Quillory.xml") + "' for writing.");
  CollectionExport::OnExportHtml(gestion, folder.Path());
}

}  // namespace
