// Services without windows: profile settings, drawing with tab stops and
// picture decoding.
#include "platform/Backend.h"
#include "platform/Profile.h"
#include "platform/RecordingSurface.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string TempPath(const std::string& name) {
  return ::testing::TempDir() + "quillory_platform_" + std::to_string(getpid()) + "_" + name;
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(Profile, EntriesSurviveInACrLfFileAndNamesIgnoreCase) {
  std::string path = TempPath("profile.ini");
  std::remove(path.c_str());
  {
    ui::Profile profile;
    profile.SetFile(path);
    EXPECT_TRUE(profile.GetProfileBinary("ListCtrls", "1001").empty());
    EXPECT_EQ(profile.GetProfileString("OpenFileName", "Path", "none"), "none");
    EXPECT_TRUE(profile.WriteProfileBinary("ListCtrls", "1001", {0x02, 0x00, 0x00, 0x00, 0x64, 0xFF}));
    EXPECT_TRUE(profile.WriteProfileString("OpenFileName", "Path", "C:\\Quillory\\images\\"));
    EXPECT_TRUE(profile.WriteProfileInt("Settings", "Count", -12));
    EXPECT_TRUE(profile.WriteProfileString("OpenFileName", "path", "D:\\s\xe9rie\\"));  // same entry
  }
  EXPECT_EQ(ReadAll(path),
            "[ListCtrls]\r\n1001=0200000064FF\r\n"
            "[OpenFileName]\r\nPath=D:\\s\xe9rie\\\r\n"
            "[Settings]\r\nCount=-12\r\n");
  ui::Profile again;
  again.SetFile(path);
  EXPECT_EQ(again.GetProfileBinary("listctrls", "1001"),
            (std::vector<unsigned char>{0x02, 0x00, 0x00, 0x00, 0x64, 0xFF}));
  EXPECT_EQ(again.GetProfileString("OpenFileName", "Path"), "D:\\s\xe9rie\\");
  EXPECT_EQ(again.GetProfileInt("Settings", "Count", 0), -12);
  EXPECT_EQ(again.GetProfileInt("Settings", "Missing", 7), 7);
  std::remove(path.c_str());
}

TEST(Profile, AHandEditedFileKeepsItsCommentsAndWhatStandsBeforeTheFirstSection) {
  std::string path = TempPath("edited.ini");
  const std::string edited =
      "; Quillory, r\xE9glages\r\n"
      "Version=3\r\n"
      "\r\n"
      "[Web]\r\n"
      "# le flux de test\r\n"
      "FeedUrl=http://127.0.0.1:8080/Rss\r\n"
      "\r\n"
      "[OpenFileName]\n"  // a line end written by another editor
      "Path=/home/moi/images/\r\n"
      "; fin";
  {
    std::ofstream out(path, std::ios::binary);
    out << edited;
  }
  ui::Profile profile;
  profile.SetFile(path);
  EXPECT_EQ(profile.GetProfileString("Web", "FeedUrl"), "http://127.0.0.1:8080/Rss");
  EXPECT_EQ(profile.GetProfileString("", "Version", "none"), "none");
  EXPECT_TRUE(profile.WriteProfileString("openfilename", "path", "/home/moi/BD/"));
  EXPECT_TRUE(profile.WriteProfileInt("Web", "Delai", 30));
  EXPECT_TRUE(profile.WriteProfileBinary("ListCtrls", "1001", {0x01}));
  EXPECT_EQ(ReadAll(path),
            "; Quillory, r\xE9glages\r\nVersion=3\r\n\r\n"
            "[Web]\r\n# le flux de test\r\nFeedUrl=http://127.0.0.1:8080/Rss\r\nDelai=30\r\n\r\n"
            "[OpenFileName]\r\nPath=/home/moi/BD/\r\n; fin\r\n"
            "[ListCtrls]\r\n1001=01\r\n");
  std::remove(path.c_str());
}

TEST(Profile, TheSettingsFileIsReplacedInOneStepNeverRewrittenInPlace) {
  std::string path = TempPath("atomic.ini");
  {
    ui::Profile profile;
    profile.SetFile(path);
    ASSERT_TRUE(profile.WriteProfileString("OpenFileName", "Path", "C:\\Quillory\\images\\"));
  }
  const std::string before = ReadAll(path);
  // Where the new file is written first: blocked, so the write cannot
  // complete; the old file must stay whole.
  const std::string temporary = path + ".tmp~";
  ASSERT_EQ(::mkdir(temporary.c_str(), 0700), 0);
  ui::Profile profile;
  profile.SetFile(path);
  EXPECT_FALSE(profile.WriteProfileInt("Settings", "Count", 3));
  EXPECT_EQ(ReadAll(path), before);
  ::rmdir(temporary.c_str());
  EXPECT_TRUE(profile.WriteProfileInt("Settings", "Count", 3));
  EXPECT_EQ(ReadAll(path), before + "[Settings]\r\nCount=3\r\n");
  std::remove(path.c_str());
}

TEST(Profile, DamagedEntriesReadAsMissingAndAnUnwritableFileIsReported) {
  std::string path = TempPath("damaged.ini");
  {
    std::ofstream out(path, std::ios::binary);
    out << "garbage line\n[ListCtrls]\n1001=0G\n1002=ABC\nnot an entry\n1003=0a0B\n";
  }
  ui::Profile profile;
  profile.SetFile(path);
  EXPECT_TRUE(profile.GetProfileBinary("ListCtrls", "1001").empty());
  EXPECT_TRUE(profile.GetProfileBinary("ListCtrls", "1002").empty());
  EXPECT_EQ(profile.GetProfileBinary("ListCtrls", "1003"), (std::vector<unsigned char>{0x0A, 0x0B}));
  std::remove(path.c_str());

  ui::Profile nowhere;
  nowhere.SetFile(TempPath("no/such/folder/profile.ini"));
  EXPECT_FALSE(nowhere.WriteProfileString("a", "b", "c"));
  EXPECT_EQ(nowhere.GetProfileString("a", "b"), "c");  // kept for the run
}

TEST(DrawingSurface, TabbedTextAdvancesToTheNextStopFromTheOrigin) {
  ui::RecordingSurface dc(96, ui::Size{800, 600}, false);
  ui::FontSpec font;
  font.height = 10;  // recording metrics: 5 pixels a character
  dc.SelectFont(font);
  std::vector<int> stops{0, 30, 60, 90};
  ui::Size size = dc.TabbedTextOut(100, 7, "\t\t 1 - Titre : \t c", stops, 100);
  std::vector<ui::DrawOp> texts = dc.Ops(ui::DrawOp::Text);
  ASSERT_EQ(texts.size(), 2u);
  // Two tabs: 0 is not past the pen, 30 is; then 60.
  EXPECT_EQ(texts[0].x, 160);
  EXPECT_EQ(texts[0].text, " 1 - Titre : ");
  EXPECT_EQ(texts[0].y, 7);
  // 160 + 13 * 5 = 225 lies past every stop: the tab becomes one space.
  EXPECT_EQ(texts[1].x, 230);
  EXPECT_EQ(size.cx, 230 + 2 * 5 - 100);
  EXPECT_EQ(size.cy, 10);

  ui::RecordingSurface every(96, ui::Size{800, 600}, false);
  every.SelectFont(font);
  every.TabbedTextOut(0, 0, "a\tb", {40}, 0);  // one stop: every 40
  EXPECT_EQ(every.Ops(ui::DrawOp::Text)[1].x, 40);
}

std::vector<unsigned char> Bmp24(int width, int height, bool topDown) {
  int stride = (width * 3 + 3) / 4 * 4;
  int dataSize = stride * height;
  std::vector<unsigned char> b(54 + dataSize, 0);
  auto put32 = [&](int at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = (v >> (8 * i)) & 0xFF;
  };
  b[0] = 'B'; b[1] = 'M';
  put32(2, std::uint32_t(b.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, std::uint32_t(width));
  put32(22, std::uint32_t(topDown ? -height : height));
  b[26] = 1;
  b[28] = 24;
  // Pixel (x, y) in image rows (top first) is blue x*40, green y*40, red 200.
  for (int y = 0; y < height; ++y) {
    int fileRow = topDown ? y : height - 1 - y;
    for (int x = 0; x < width; ++x) {
      unsigned char* p = &b[54 + fileRow * stride + x * 3];
      p[0] = static_cast<unsigned char>(x * 40);
      p[1] = static_cast<unsigned char>(y * 40);
      p[2] = 200;
    }
  }
  return b;
}

TEST(ImageDecoding, BmpRowsComeOutTopFirstWhateverTheirOrderInTheFile) {
  for (bool topDown : {false, true}) {
    auto image = ui::DecodeBmp(Bmp24(3, 2, topDown));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width, 3);
    EXPECT_EQ(image->height, 2);
    EXPECT_EQ(image->At(2, 1), 0xFFC82850u);  // red 200, green 40, blue 80
    EXPECT_EQ(image->At(0, 0), 0xFFC80000u);
  }
}

TEST(ImageDecoding, DamagedOrForeignBytesGiveNoPicture) {
  std::vector<unsigned char> bmp = Bmp24(4, 4, false);
  std::vector<unsigned char> truncated(bmp.begin(), bmp.end() - 5);
  EXPECT_FALSE(ui::DecodeBmp(truncated));
  std::vector<unsigned char> huge = bmp;
  huge[18] = 0xFF; huge[19] = 0xFF; huge[20] = 0xFF; huge[21] = 0x0F;  // absurd width
  EXPECT_FALSE(ui::DecodeBmp(huge));
  std::vector<unsigned char> text{'h', 'e', 'l', 'l', 'o'};
  EXPECT_FALSE(ui::DecodeBmp(text));
  EXPECT_FALSE(ui::DecodeJpeg(text));
  std::vector<unsigned char> fakeJpeg{0xFF, 0xD8, 0xFF, 0xE0, 0, 0, 1, 2, 3};
  EXPECT_FALSE(ui::DecodeJpeg(fakeJpeg));
}

}  // namespace

namespace {

TEST(Profile, AValueCannotBreakTheFileIntoLines) {
  std::string path = TempPath("lines.ini");
  std::remove(path.c_str());
  ui::Profile profile;
  profile.SetFile(path);
  profile.WriteProfileString("S", "E", "one\r\n[Injected]\r\nX=1");
  ui::Profile again;
  again.SetFile(path);
  EXPECT_EQ(again.GetProfileString("S", "E"), "one[Injected]X=1");
  EXPECT_EQ(again.GetProfileString("Injected", "X", "none"), "none");
  std::remove(path.c_str());
}

TEST(DrawingSurface, WithoutStopsTabsAdvanceEightCharacterWidths) {
  ui::RecordingSurface dc(96, ui::Size{800, 600}, false);
  ui::FontSpec font;
  font.height = 10;
  dc.SelectFont(font);
  dc.TabbedTextOut(0, 0, "ab\tc", {}, 0);
  EXPECT_EQ(dc.Ops(ui::DrawOp::Text)[1].x, 40);  // 8 x 5 pixels
}

}  // namespace
