// Start-up: the program folder from the executable's path, and the main
// window chosen by the style file.
#include "AppTestSupport.h"
#include "app/QuilloryApp.h"
#include "platform/headless/Driver.h"
#include "platform/headless/Session.h"
#include "resources/Resource.h"

#include <gtest/gtest.h>

namespace {

TEST(ProgramFolder, IsThePathCutAtItsLastSeparator) {
  EXPECT_EQ(CQuilloryApp::ProgramFolder("/opt/quillory/Quillory"), "/opt/quillory");
  EXPECT_EQ(CQuilloryApp::ProgramFolder("/opt/quillory/another-name"), "/opt/quillory");
  EXPECT_EQ(CQuilloryApp::ProgramFolder("C:\\BD\\Quillory.exe"), "C:\\BD");
  EXPECT_EQ(CQuilloryApp::ProgramFolder("/Quillory"), "/");
  EXPECT_EQ(CQuilloryApp::ProgramFolder(""), "");
  EXPECT_EQ(CQuilloryApp::ProgramFolder("Quillory"), "");
}

TEST(ProgramFolder, OfTheRunningProgramHoldsIt) {
  const std::string module = CQuilloryApp::ModulePath();
  ASSERT_FALSE(module.empty());
  EXPECT_EQ(module.substr(module.rfind('/') + 1), "app_tests");
}

struct StyleCase {
  const char* content;  // nullptr: no style file
  int style;
};

class StyleFile : public ::testing::TestWithParam<StyleCase> {};

TEST_P(StyleFile, IsReadLikeAtoiOverNineBytes) {
  TestProgramFolder folder;
  if (GetParam().content) folder.WriteFile("data/quilloryType.cfg", GetParam().content);
  EXPECT_EQ(CQuilloryApp::ReadStyle(folder.Path()), GetParam().style);
}

INSTANTIATE_TEST_SUITE_P(Cases, StyleFile,
                         ::testing::Values(StyleCase{nullptr, 0}, StyleCase{"", 0},
                                           StyleCase{"0", 0}, StyleCase{"1", 1},
                                           StyleCase{"1\n", 1}, StyleCase{" 1", 1},
                                           StyleCase{"x1", 0}, StyleCase{"2", 2},
                                           StyleCase{"-1", -1},
                                           // only "000000001" of the ten bytes counts
                                           StyleCase{"0000000015", 1}));

// Runs the whole start-up on a program folder; returns what it wrote on
// standard error. A list-style window, when one opens, is closed at once.
std::string StartWithStyle(const TestProgramFolder& folder, bool expectListWindow,
                           std::string* caption = nullptr, int window = IDD_QUILLORY_DIALOG) {
  ui::headless::Session session;
  if (expectListWindow)
    session.ExpectDialog(window, [caption](ui::headless::Driver& d) {
      if (caption) *caption = d.GetWindow().GetWindowText();
      d.Close();
    });
  ::testing::internal::CaptureStderr();
  CQuilloryApp app;
  EXPECT_FALSE(app.InitInstance(folder.Path() + "/Quillory"));
  return ::testing::internal::GetCapturedStderr();
}

TEST(Startup, WithoutStyleFileOpensTheListWindowOnItsFolder) {
  TestProgramFolder folder;
  folder.WriteCollection({{"Blake et Mortimer", "Le Secret de l'Espadon", 1}});
  std::string caption;
  EXPECT_EQ(StartWithStyle(folder, true, &caption), "");
  EXPECT_EQ(caption, "Quillory : Gerer facilement vos BD");
}

TEST(Startup, StyleTextWithoutLeadingNumberOpensTheListWindow) {
  TestProgramFolder folder;
  folder.WriteFile("data/quilloryType.cfg", "x1");
  folder.WriteCollection({});
  EXPECT_EQ(StartWithStyle(folder, true), "");
}

TEST(Startup, StyleOneOpensTheGraphicWindow) {
  for (const char* content : {"1", "1\r\n", " 1"}) {
    TestProgramFolder folder;
    folder.WriteFile("data/quilloryType.cfg", content);
    folder.WriteCollection({{"Blake et Mortimer", "Le Secret de l'Espadon", 1}});
    std::string caption;
    EXPECT_EQ(StartWithStyle(folder, true, &caption, IDD_QUILLORY_GRAPH), "") << content;
    EXPECT_EQ(caption, "Quillory : G\xE9rer facilement vos BD");
  }
}

TEST(Startup, AnyOtherStyleEndsSilentlyWithoutWindow) {
  for (const char* content : {"2", "-1", "7\n"}) {
    TestProgramFolder folder;
    folder.WriteFile("data/quilloryType.cfg", content);
    EXPECT_EQ(StartWithStyle(folder, false), "") << content;
  }
}

TEST(Startup, RemovesWhatInterruptedWritesLeftAndNothingElse) {
  TestProgramFolder folder;
  folder.WriteCollection({{"Blake et Mortimer", "Le Secret de l'Espadon", 1}});
  // A program killed while writing left its temporary files beside the
  // column file, the database, the export and a copied cover.
  for (const char* leftover : {"data/quilloryConf.cfg.tmp~", "data/quillory.db.tmp~",
                               "ExportXml/Quillory.xml.tmp~", "ExportXml/images/a.jpg.tmp~",
                               "Quillory.csv.tmp~"})
    folder.WriteFile(leftover, "10 20 3");
  folder.WriteFile("data/mes notes.tmp", "la liste des achats");
  folder.WriteFile("data/dossier.tmp~/x", "");  // a folder of that name is not ours
  EXPECT_EQ(StartWithStyle(folder, true), "");
  for (const char* leftover : {"data/quilloryConf.cfg.tmp~", "data/quillory.db.tmp~",
                               "ExportXml/Quillory.xml.tmp~", "ExportXml/images/a.jpg.tmp~",
                               "Quillory.csv.tmp~"})
    EXPECT_FALSE(folder.Exists(leftover)) << leftover;
  EXPECT_EQ(folder.ReadFile("data/mes notes.tmp"), "la liste des achats");
  EXPECT_TRUE(folder.Exists("data/dossier.tmp~/x"));
}

}  // namespace
