#include <gtest/gtest.h>

#include "collection/Cp1252.h"
#include "collection/DataPath.h"
#include "collection/LineScanner.h"

#include <cmath>
#include <vector>

namespace {

TEST(Cp1252, FoldsAccentedCapitalsOfTheCodePage) {
  EXPECT_TRUE(cp1252::EqualsNoCase("\xC9" "CHO", "\xE9" "cho"));       // ÉCHO écho
  EXPECT_TRUE(cp1252::EqualsNoCase("\x8A\x8C\x8E\x9F", "\x9A\x9C\x9E\xFF"));  // ŠŒŽŸ
  EXPECT_FALSE(cp1252::EqualsNoCase("\xD7", "\xF7"));  // × and ÷ are not a pair
  EXPECT_FALSE(cp1252::EqualsNoCase("abc", "abcd"));
  EXPECT_EQ(cp1252::Fold("\xC0LA Carte"), "\xE0la carte");
}

TEST(Cp1252, ContainsIgnoresCase) {
  EXPECT_TRUE(cp1252::ContainsNoCase("Les Aventures de Tintin", "TINTIN"));
  EXPECT_TRUE(cp1252::ContainsNoCase("L'\xC9t\xE9", "\xE9t\xE9"));
  EXPECT_TRUE(cp1252::ContainsNoCase("abc", ""));
  EXPECT_FALSE(cp1252::ContainsNoCase("ab", "abc"));
}

TEST(DataPath, JoinsBelowTheFolderWithThisPlatformsSeparator) {
#ifndef _WIN32
  EXPECT_EQ(DataPath("/home/me/Quillory", "data\\quillory.db"), "/home/me/Quillory/data/quillory.db");
  EXPECT_EQ(DataPath("", "data\\quillory.db"), "data/quillory.db");
  EXPECT_EQ(NativePath("images\\a.jpg"), "images/a.jpg");
#else
  EXPECT_EQ(DataPath("C:\\Quillory", "data\\quillory.db"), "C:\\Quillory\\data\\quillory.db");
#endif
}

TEST(Cp1252, ConvertsToAndFromUtf8AndRefusesWhatItCannotHold) {
  std::string all;
  for (int c = 1; c < 256; ++c) all += static_cast<char>(c);
  std::string back;
  ASSERT_TRUE(cp1252::FromUtf8(cp1252::ToUtf8(all), back));
  EXPECT_EQ(back, all);
  EXPECT_EQ(cp1252::ToUtf8("Ast\xE9rix \x80"), "Ast\xC3\xA9rix \xE2\x82\xAC");
  EXPECT_FALSE(cp1252::FromUtf8("\xE6\xBC\xAB", back));    // a CJK character
  EXPECT_FALSE(cp1252::FromUtf8("\xF0\x9F\x98\x80", back));  // beyond the plane
  EXPECT_FALSE(cp1252::FromUtf8("caf\xC3", back));          // cut short
  EXPECT_FALSE(cp1252::FromUtf8("\xC3\x28", back));         // not a continuation
  EXPECT_FALSE(cp1252::FromUtf8("\xC0\xAF", back));         // over-long slash
}

#ifndef _WIN32
TEST(DataPath, StoredPathsMeetTheFileSystemThroughOnePair) {
  // Stored: Windows-1252 with backslashes; on disk: UTF-8 with '/'.
  EXPECT_EQ(DataPath("/q", "images\\Ast\xE9rix.jpg"), "/q/images/Ast\xC3\xA9rix.jpg");
  EXPECT_EQ(DataPath("/q/", "data\\quillory.db"), "/q/data/quillory.db");

  StoredPathResult r = StoredPath("/q", "/q/images/Ast\xC3\xA9rix.jpg");
  EXPECT_EQ(r.status, StoredPathResult::STORED);
  EXPECT_EQ(r.path, "images\\Ast\xE9rix.jpg");
  EXPECT_EQ(DataPath("/q", r.path), "/q/images/Ast\xC3\xA9rix.jpg");
  EXPECT_EQ(StoredPath("/q/", "/q/a.jpg").path, "a.jpg");
  EXPECT_EQ(StoredPath("/q", "/qq/a.jpg").status, StoredPathResult::OUTSIDE_FOLDER);
  EXPECT_EQ(StoredPath("/q", "/elsewhere/a.jpg").status, StoredPathResult::OUTSIDE_FOLDER);
  EXPECT_EQ(StoredPath("/q", "/q").status, StoredPathResult::OUTSIDE_FOLDER);
  EXPECT_EQ(StoredPath("/q", "/q/images/\xE6\xBC\xAB.jpg").status, StoredPathResult::NOT_1252);
  EXPECT_EQ(StoredPath("/q", "/q/images/../../etc/passwd").status, StoredPathResult::OUTSIDE_FOLDER);
}

TEST(DataPath, AStoredPathThatLeadsOutOfTheFolderNamesNoFile) {
  // What a shared or hand-edited database may hold instead of a cover.
  for (const char* stored : {"../../data/quillory.db", "images/../../x", "..\\quillory.db",
                             "images\\..\\..\\x.jpg", "..", "/etc/passwd", "\\serveur\\x.jpg",
                             "C:\\Quillory\\images\\a.jpg", ""})
    EXPECT_EQ(DataPath("/q", stored), "") << stored;
  // Dots that are no step up stay below it.
  EXPECT_EQ(DataPath("/q", "images\\..jpg"), "/q/images/..jpg");
  EXPECT_EQ(DataPath("/q", "images\\.\\a.jpg"), "/q/images/./a.jpg");
}
#endif

struct IntegerCase {
  const char* text;
  bool converts;
  int value;
  const char* rest;
};

TEST(LineScanner, IntegersFollowTheCRules) {
  const std::vector<IntegerCase> cases = {
      {"42;", true, 42, ";"},       {"  -7 x", true, -7, " x"},  {"+5", true, 5, ""},
      {"010", true, 8, ""},         {"08", true, 0, "8"},        {"0x1A\"", true, 26, "\""},
      {"-0x10", true, -16, ""},     {"0xg", true, 0, "g"},      {"x1", false, 0, "x1"},
      {"-", false, 0, "-"},         {"", false, 0, ""},
      {"4294967297", true, 1, ""},  // keeps the low 32 bits
  };
  for (const IntegerCase& c : cases) {
    CLineScanner in(c.text);
    int value = -99;
    EXPECT_EQ(in.Integer(value), c.converts) << c.text;
    if (c.converts) {
      EXPECT_EQ(value, c.value) << c.text;
    }
    std::string rest;
    in.Text('\0', rest);
    EXPECT_EQ(rest, c.rest) << c.text;
  }
}

TEST(LineScanner, DecimalsIgnoreTheLocaleAndAcceptSignsAndExponents) {
  struct Case {
    const char* text;
    bool converts;
    double value;
  };
  for (const Case& c : std::vector<Case>{{"1700000000.000000", true, 1700000000.0},
                                         {" +1.5", true, 1.5},
                                         {"-2e3", true, -2000.0},
                                         {".25", true, 0.25},
                                         {"1e999", true, HUGE_VAL},
                                         {"--1", false, 0},
                                         {"abc", false, 0}}) {
    CLineScanner in(c.text);
    double value = -99;
    EXPECT_EQ(in.Decimal(value), c.converts) << c.text;
    if (c.converts) {
      EXPECT_EQ(value, c.value) << c.text;
    }
  }
}

TEST(LineScanner, TextNeedsAtLeastOneCharacter) {
  CLineScanner in("\"\"ab\"");
  std::string out;
  EXPECT_TRUE(in.Literal('"'));
  EXPECT_FALSE(in.Text('"', out));
  EXPECT_TRUE(in.Literal('"'));
  EXPECT_TRUE(in.Text('"', out));
  EXPECT_EQ(out, "ab");
}

TEST(ForEachLine, SplitsOnLineFeedDropsOneCarriageReturnAndCutsAtNul) {
  std::vector<std::string> lines;
  ForEachLine(std::string_view("a\r\n\nb\r\r\nc\0d\ne", 14), [&](std::string_view line) {
    lines.emplace_back(line);
    return true;
  });
  EXPECT_EQ(lines, (std::vector<std::string>{"a", "", "b\r", "c", "e"}));
}

}  // namespace
