// Writing a tree to a file, checked byte for byte.
#include "ScratchFiles.h"

#include <tessaly/VantorelTessaly.h>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

using CElementPart = VantorelTessaly::CElementPart;
using CElement = VantorelTessaly::CElement;

namespace {

const std::string kHeader = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?> \r\n"
                            "<?xml-stylesheet type=\"text/xsl\" href=\"s.xsl\"?>";

class Writing : public ::testing::Test
{
protected:
    Writing()
    {
        m_doc.SetFile(m_file);
        m_doc.SetXMLVersion("1.0");
        m_doc.SetXSLEncoding("ISO-8859-1");
        m_doc.SetXSLLink("s.xsl");
    }

    // Writes the document and gives the file's bytes.
    std::string Written()
    {
        EXPECT_TRUE(m_doc.Write());
        EXPECT_TRUE(m_doc.GetMessages().empty());
        return ReadBytes(m_file);
    }

    CElementPart* Root() { return m_doc.Root(); }

    ScratchDir m_dir;
    std::string m_file = m_dir.File("out.xml");
    VantorelTessaly m_doc;
};

} // namespace

TEST_F(Writing, NewDocumentWritesEmptySettingsAndAnEmptyRoot)
{
    VantorelTessaly doc;
    doc.SetFile(m_file);
    ASSERT_TRUE(doc.Write());
    EXPECT_EQ(ReadBytes(m_file), "<?xml version=\"\" encoding=\"\"?> \r\n"
                                 "<?xml-stylesheet type=\"text/xsl\" href=\"\"?>\r\n"
                                 "<?root?/>");
}

TEST_F(Writing, OneNodePerLineIndentedOneSpacePerLevel)
{
    m_doc.CreateRoot("R");
    m_doc.AddElement(Root(), "A", "x");
    m_doc.AddElement(Root(), "B");
    EXPECT_EQ(Written(), kHeader + "\r\n<R>\r\n <A>x</A>\r\n <B/>\r\n</R>");
}

TEST_F(Writing, ACollectionExportIsWrittenExactly)
{
    VantorelTessaly doc;
    doc.CreateRoot("Quillory");
    CElement* album = doc.AddElement(doc.Root(), "BD");
    doc.AddElement(album, "Titre", "Le Sceptre d'Ottokar");
    doc.AddElement(album, "Serie", "Tintin");
    doc.AddElement(album, "Comment", "   ");
    doc.AddElement(album, "Picture", "images/cover.jpg");
    doc.AddElement(doc.Root(), "NbEuro", 1);
    doc.AddElement(doc.Root(), "NbManga", 0);
    doc.AddElement(doc.Root(), "NbComic", 0);
    doc.SetXSLLink("Quillory.xsl");
    doc.SetXSLEncoding("ISO-8859-1");
    doc.SetXMLVersion("1.0");
    doc.SetFile(m_file);
    ASSERT_TRUE(doc.Write());
    EXPECT_EQ(ReadBytes(m_file),
              "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?> \r\n"
              "<?xml-stylesheet type=\"text/xsl\" href=\"Quillory.xsl\"?>\r\n"
              "<Quillory>\r\n"
              " <BD>\r\n"
              "  <Titre>Le Sceptre d'Ottokar</Titre>\r\n"
              "  <Serie>Tintin</Serie>\r\n"
              "  <Comment>-</Comment>\r\n"
              "  <Picture>images/cover.jpg</Picture>\r\n"
              " </BD>\r\n"
              " <NbEuro>1</NbEuro>\r\n"
              " <NbManga>0</NbManga>\r\n"
              " <NbComic>0</NbComic>\r\n"
              "</Quillory>");
}

TEST_F(Writing, OpenTagsAreWrittenWithoutClosingWhenEmpty)
{
    m_doc.CreateRoot("R");
    m_doc.AddElement(Root(), "br");
    m_doc.AddElement(Root(), "BR");
    m_doc.AddElement(Root(), "img");
    CElement* withChild = m_doc.AddElement(Root(), "br");
    m_doc.AddText(withChild, "t");
    EXPECT_EQ(Written(), kHeader + "\r\n<R>\r\n <br>\r\n <BR>\r\n <img/>\r\n <br>t</br>\r\n</R>");

    m_doc.AddOpenTag("IMG");
    EXPECT_EQ(Written(), kHeader + "\r\n<R>\r\n <br>\r\n <BR>\r\n <img>\r\n <br>t</br>\r\n</R>");

    m_doc.ClearSymbols();
    EXPECT_EQ(Written(), kHeader + "\r\n<R>\r\n <br/>\r\n <BR/>\r\n <img/>\r\n <br>t</br>\r\n</R>");
}

TEST_F(Writing, OnlyASingleChildStaysOnTheElementsLine)
{
    m_doc.CreateRoot("R");
    CElement* two = m_doc.AddElement(Root(), "two");
    m_doc.AddText(two, "first");
    m_doc.AddText(two, "second");
    CElement* nested = m_doc.AddElement(Root(), "nested");
    m_doc.AddElement(nested, "inner", "v");
    CElement* commented = m_doc.AddElement(Root(), "commented");
    m_doc.AddComment(commented, "c");
    EXPECT_EQ(Written(), kHeader + "\r\n<R>"
                                   "\r\n <two>\r\n  first\r\n  second\r\n </two>"
                                   "\r\n <nested>\r\n  <inner>v</inner></nested>"
                                   "\r\n <commented>\r\n  <!--c--></commented>"
                                   "\r\n</R>");
}

TEST_F(Writing, WhiteSpaceTextsDoNotReachTheFile)
{
    m_doc.CreateRoot("R");
    CElement* blank = m_doc.AddElement(Root(), "blank");
    m_doc.AddText(blank, " \t\r\n  ");
    m_doc.AddText(Root(), "\n  ");
    CElement* kept = m_doc.AddElement(Root(), "kept");
    m_doc.AddText(kept, "\v");
    EXPECT_EQ(Written(), kHeader + "\r\n<R>\r\n <blank></blank>\r\n <kept>\v</kept>\r\n</R>");
}

TEST_F(Writing, TextsAreWrittenAsStoredWithTextModeLineBreaks)
{
    m_doc.CreateRoot("R");
    m_doc.AddElement(Root(), "a", "x < y && z");
    m_doc.AddComment(Root(), " a -- b ");
    m_doc.AddElement(Root(), "multi", "one\ntwo\r\nthree\tfour");
    EXPECT_EQ(Written(), kHeader + "\r\n<R>"
                                   "\r\n <a>x < y && z</a>"
                                   "\r\n <!-- a -- b -->"
                                   "\r\n <multi>one\r\ntwo\r\r\nthree\tfour</multi>"
                                   "\r\n</R>");
}

TEST_F(Writing, AttributesFollowTheNameInKeyOrder)
{
    m_doc.CreateRoot("R");
    CElement* element = m_doc.AddElement(Root(), "e");
    auto& attributes = *m_doc.GetElementAttrMap(element);
    attributes["z"] = "last";
    attributes["a"] = "x&\"y";
    attributes["m"] = "";
    EXPECT_EQ(Written(), kHeader + "\r\n<R>\r\n <e a=\"x&\"y\" m=\"\" z=\"last\"/></R>");
}

TEST_F(Writing, ClosingTagUsesTheFirstWordOfTheName)
{
    m_doc.CreateRoot("R");
    m_doc.AddElement(Root(), "A b=\"1\"", "x");
    m_doc.AddElement(Root(), " \tC\td ", "y");  // trimmed by the name-and-value form
    CElement* spaced = m_doc.AddElement(Root(), " D e ");
    m_doc.AddText(spaced, "z");
    CElement* blank = m_doc.AddElement(Root(), "  ");
    m_doc.AddText(blank, "w");
    const std::string longName(300, 'n');
    m_doc.AddElement(Root(), longName, "v");
    EXPECT_EQ(Written(), kHeader + "\r\n<R>"
                                   "\r\n <A b=\"1\">x</A>"
                                   "\r\n <C\td>y</C>"
                                   "\r\n < D e >z</D>"
                                   "\r\n <  >w</  >"
                                   "\r\n <" + longName + ">v</" + longName + ">"
                                   "\r\n</R>");
}

TEST_F(Writing, SameDocumentGivesTheSameBytesTwice)
{
    m_doc.CreateRoot("R");
    for (int i = 0; i < 20; ++i) {
        CElement* e = m_doc.AddElement(Root(), "e");
        (*m_doc.GetElementAttrMap(e))["k" + std::to_string(i % 7)] = std::to_string(i);
        m_doc.AddElement(e, "v", i);
    }
    const std::string first = Written();
    EXPECT_EQ(Written(), first);
}

TEST_F(Writing, UnopenableFileIsReportedAndTheNextWriteClearsTheMessage)
{
    const std::string bad = m_dir.File("missing/out.xml");
    m_doc.SetFile(bad);
    EXPECT_FALSE(m_doc.Write());
    EXPECT_EQ(m_doc.GetMessages(), std::vector<std::string>{"Error: cannot open '" + bad + "' for writing."});

    m_doc.SetFile(m_file);
    EXPECT_TRUE(m_doc.Write());
    EXPECT_TRUE(m_doc.GetMessages().empty());
}

TEST_F(Writing, AFullDiskIsNotReportedAsSuccess)
{
    if (!std::filesystem::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full here";
    m_doc.SetFile("/dev/full");
    EXPECT_FALSE(m_doc.Write());
    EXPECT_EQ(m_doc.GetMessages(), std::vector<std::string>{"Error: cannot write '/dev/full'."});
}

TEST_F(Writing, TheFileIsReplacedWholeNeverRewrittenInPlace)
{
    // A program killed while writing in place leaves the file empty or cut;
    // replaced in one step, the old file stays whole until the new one is.
    // A second name of the old file shows which happened.
    WriteBytes(m_file, "previous");
    ASSERT_EQ(::chmod(m_file.c_str(), 0640), 0);
    const std::string second = m_dir.File("second-name.xml");
    ASSERT_EQ(::link(m_file.c_str(), second.c_str()), 0);
    m_doc.CreateRoot("R");
    EXPECT_EQ(Written(), kHeader + "\r\n<R/>");
    EXPECT_EQ(ReadBytes(second), "previous");
    struct stat info;
    ASSERT_EQ(::stat(m_file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_FALSE(std::filesystem::exists(m_file + ".tmp~"));

    // A file marked read-only is not replaced.
    ASSERT_EQ(::chmod(m_file.c_str(), 0444), 0);
    m_doc.CreateRoot("S");
    EXPECT_FALSE(m_doc.Write());
    EXPECT_EQ(m_doc.GetMessages(), std::vector<std::string>{"Error: cannot open '" + m_file + "' for writing."});
    EXPECT_EQ(ReadBytes(m_file), kHeader + "\r\n<R/>");
}

TEST_F(Writing, NoRootMeansNoFileTouched)
{
    // A closing tag of the reader's own root leaves the document without one.
    const std::string source = m_dir.File("in.xml");
    WriteBytes(source, "<a/></?root?>");
    m_doc.SetFile(source);
    ASSERT_TRUE(m_doc.Read());

    WriteBytes(m_file, "previous");
    m_doc.SetFile(m_file);
    EXPECT_FALSE(m_doc.Write());
    EXPECT_EQ(m_doc.GetMessages(), std::vector<std::string>{"Error: NULL tree."});
    EXPECT_EQ(ReadBytes(m_file), "previous");

    // Asking for the root makes a new one.
    EXPECT_EQ(m_doc.Root()->Text(), "?root?");
    EXPECT_TRUE(m_doc.Write());
}

TEST_F(Writing, ADeepTreeIsIndentedLevelByLevel)
{
    const int depth = 3000;
    CElementPart* parent = Root();
    for (int level = 0; level < depth; ++level)
        parent = m_doc.AddElement(parent, "d");
    const std::string bytes = Written();
    // Each level: line break, indent, "<d>"; then "</d>" for every level but
    // the deepest, which is empty; the root closes with "</?root?>".
    std::size_t expected = kHeader.size() + 2 + std::string("<?root?>").size() +
                           std::string("</?root?>").size();
    for (std::size_t level = 1; level <= static_cast<std::size_t>(depth); ++level)
        expected += 2 + level + 3;
    expected += 1 + 4 * static_cast<std::size_t>(depth - 1);
    EXPECT_EQ(bytes.size(), expected);
    EXPECT_EQ(bytes.substr(bytes.size() - 13), "</d></?root?>");
}
