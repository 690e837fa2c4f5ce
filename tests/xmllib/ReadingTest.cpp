// Reading a file into a tree: layout kept as text nodes, tolerance and errors.
#include "ScratchFiles.h"

#include <tessaly/VantorelTessaly.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using CElementPart = VantorelTessaly::CElementPart;
using CElement = VantorelTessaly::CElement;
using Messages = std::vector<std::string>;

namespace {

class Reading : public ::testing::Test
{
protected:
    // Reads the given bytes as the document's file.
    bool ReadText(const std::string& bytes)
    {
        WriteBytes(m_file, bytes);
        m_doc.SetFile(m_file);
        return m_doc.Read();
    }

    CElement* Top() { return static_cast<CElement*>(m_doc.Root()); }

    static CElement* AsElement(CElementPart* part)
    {
        EXPECT_NE(part, nullptr);
        EXPECT_EQ(part->Kind(), VantorelTessaly::PART_ELEMENT);
        return static_cast<CElement*>(part);
    }

    // "e:name", "t:text" or "c:comment" for every child, in order.
    static std::vector<std::string> Children(const CElement* element)
    {
        std::vector<std::string> children;
        for (std::size_t i = 0; i < element->ChildCount(); ++i) {
            const CElementPart* child = element->Child(i);
            EXPECT_EQ(child->Parent(), element);
            const char* kind = child->Kind() == VantorelTessaly::PART_ELEMENT ? "e:"
                               : child->Kind() == VantorelTessaly::PART_TEXT  ? "t:"
                                                                               : "c:";
            children.push_back(kind + child->Text());
        }
        return children;
    }

    ScratchDir m_dir;
    std::string m_file = m_dir.File("in.xml");
    VantorelTessaly m_doc;
};

using Strings = std::vector<std::string>;

} // namespace

TEST_F(Reading, TheWritersOwnFileReadsBackWithItsEmptyElements)
{
    VantorelTessaly written;
    written.CreateRoot("R");
    written.AddElement(written.Root(), "A", "x");
    written.AddElement(written.Root(), "B");
    written.SetXMLVersion("1.0");
    written.SetXSLEncoding("ISO-8859-1");
    written.SetXSLLink("s.xsl");
    written.SetFile(m_file);
    ASSERT_TRUE(written.Write());

    m_doc.SetFile(m_file);
    ASSERT_TRUE(m_doc.Read());
    EXPECT_TRUE(m_doc.GetMessages().empty());
    EXPECT_EQ(Top()->Text(), "?root?");
    EXPECT_EQ(Children(Top()), (Strings{"t: \n", "t:\n", "e:R"}));
    CElement* r = AsElement(Top()->Child(2));
    EXPECT_EQ(Children(r), (Strings{"t:\n ", "e:A", "t:\n ", "e:B", "t:\n"}));
    EXPECT_EQ(Children(AsElement(r->Child(1))), (Strings{"t:x"}));
    EXPECT_FALSE(m_doc.HasChildren(AsElement(r->Child(3))));
}

TEST_F(Reading, TextAfterTheLastTagIsDroppedWithAWarning)
{
    EXPECT_TRUE(ReadText("<?xml version=\"1.0\"?> \r\n<R>\r\n <A>x</A>\r\n <B/>\r\n</R>\r\n"));
    EXPECT_EQ(m_doc.GetMessages(), Messages{"Warning at line 5: There's some text before EOF, ignoring."});
    EXPECT_EQ(Children(Top()), (Strings{"t: \n", "e:R"}));
}

TEST_F(Reading, OpenTagsCloseThemselves)
{
    EXPECT_TRUE(ReadText("<p>a<br>b<BR>c<Br x=\"1\">d</p>"));
    EXPECT_TRUE(m_doc.GetMessages().empty());
    CElement* p = AsElement(Top()->Child(0));
    EXPECT_EQ(Children(p), (Strings{"t:a", "e:br", "t:b", "e:BR", "t:c", "e:Br", "t:d"}));
    EXPECT_EQ(AsElement(p->Child(5))->Attributes().at("x"), "1");
}

TEST_F(Reading, EmptyElementsInTheirThreeForms)
{
    EXPECT_TRUE(ReadText("<r><a/><b /><c k=\"v\"/><d\n/></r>"));
    EXPECT_TRUE(m_doc.GetMessages().empty());
    CElement* r = AsElement(Top()->Child(0));
    EXPECT_EQ(Children(r), (Strings{"e:a", "e:b", "e:c", "e:d"}));
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_FALSE(m_doc.HasChildren(AsElement(r->Child(i))));
    EXPECT_EQ(AsElement(r->Child(2))->Attributes().at("k"), "v");
    EXPECT_EQ(m_doc.Root(), Top());
}

TEST_F(Reading, AttributeValuesKeepEverythingButEscapedQuotes)
{
    EXPECT_TRUE(ReadText("<a t=\"say \\\"hi\\\"\" u=\"&amp;\" w=\"a\\b\" k=\"1\" k=\"2\"\n  sp =\"x y\"></a>"));
    EXPECT_TRUE(m_doc.GetMessages().empty());
    const auto& attributes = AsElement(Top()->Child(0))->Attributes();
    EXPECT_EQ(attributes.at("t"), "say \"hi\"");
    EXPECT_EQ(attributes.at("u"), "&amp;");
    EXPECT_EQ(attributes.at("w"), "a\\b");
    EXPECT_EQ(attributes.at("k"), "2");
    EXPECT_EQ(attributes.at("sp"), "x y");
    EXPECT_EQ(attributes.size(), 5u);
}

TEST_F(Reading, NothingIsDecoded)
{
    EXPECT_TRUE(ReadText("<a>&lt;&amp;&#65;</a><!--&gt;-->"));
    EXPECT_EQ(Children(Top()), (Strings{"e:a", "c:&gt;"}));
    EXPECT_EQ(Children(AsElement(Top()->Child(0))), (Strings{"t:&lt;&amp;&#65;"}));
}

TEST_F(Reading, ClosingTagsMatchExactlyAfterTrimming)
{
    EXPECT_TRUE(ReadText("<a>x</a >"));
    EXPECT_TRUE(m_doc.GetMessages().empty());
    EXPECT_TRUE(ReadText("<a>x</ \ta\n>"));
    EXPECT_TRUE(m_doc.GetMessages().empty());

    EXPECT_FALSE(ReadText("<a>x</A>"));
    EXPECT_EQ(m_doc.GetMessages(), Messages{"Error at line 1: Closing tag differs from open tag."});
}

TEST_F(Reading, LineNumbersCountTextsCommentsAndStartTags)
{
    // Counted: line feeds in texts, comments and start tags. Not counted:
    // those in processing instructions and closing tags.
    EXPECT_FALSE(ReadText("<?x\n\n?>\n<a\nb=\"1\"\n>\n<!--\n-->\n</a\n>\n</b>"));
    EXPECT_EQ(m_doc.GetMessages(), Messages{"Error at line 8: Closing tag differs from open tag."});

    std::string eleven(11, '\n');
    EXPECT_FALSE(ReadText("<a>" + eleven + "</b>"));
    EXPECT_EQ(m_doc.GetMessages(), Messages{"Error at line 12: Closing tag differs from open tag."});
}

TEST_F(Reading, CarriageReturnsOnlyGoWithALineFeed)
{
    EXPECT_TRUE(ReadText("<a>x\r\ny\rz\r\r\n</a>"));
    EXPECT_EQ(Children(AsElement(Top()->Child(0))), (Strings{"t:x\ny\rz\r\n"}));
}

TEST_F(Reading, TheTextEndsAtAZeroByte)
{
    EXPECT_TRUE(ReadText(std::string("<a>x</a>") + '\0' + "<b>trailing"));
    EXPECT_TRUE(m_doc.GetMessages().empty());
    EXPECT_EQ(Children(Top()), (Strings{"e:a"}));
}

TEST_F(Reading, UnclosedElementsLeaveTheRootAtTheInnermost)
{
    EXPECT_TRUE(ReadText("<a><b>text"));
    EXPECT_EQ(m_doc.GetMessages(), Messages{"Warning at line 1: There's some text before EOF, ignoring."});
    CElementPart* b = m_doc.Root();
    EXPECT_EQ(b->Text(), "b");
    ASSERT_NE(b->Parent(), nullptr);
    EXPECT_EQ(b->Parent()->Text(), "a");
    EXPECT_EQ(b->Parent()->Parent()->Text(), "?root?");
    EXPECT_EQ(b->Parent()->Parent()->Parent(), nullptr);

    // Writing then starts at that element.
    const std::string out = m_dir.File("out.xml");
    m_doc.SetFile(out);
    ASSERT_TRUE(m_doc.Write());
    EXPECT_EQ(ReadBytes(out), "<?xml version=\"\" encoding=\"\"?> \r\n"
                              "<?xml-stylesheet type=\"text/xsl\" href=\"\"?>\r\n<b/>");
}

TEST_F(Reading, ReadingReplacesTheTreeButKeepsTheSettings)
{
    m_doc.CreateRoot("Old");
    m_doc.AddElement(m_doc.Root(), "child", "x");
    m_doc.SetXMLVersion("1.0");
    EXPECT_TRUE(ReadText("<?xml version=\"2.0\" encoding=\"UTF-8\"?><new/>"));
    EXPECT_EQ(Top()->Text(), "?root?");
    EXPECT_EQ(Children(Top()), (Strings{"e:new"}));

    const std::string out = m_dir.File("out.xml");
    m_doc.SetFile(out);
    ASSERT_TRUE(m_doc.Write());
    EXPECT_EQ(ReadBytes(out).substr(0, 32), "<?xml version=\"1.0\" encoding=\"\"?");
}

TEST_F(Reading, MissingFileLeavesOneMessageAndAnEmptyRoot)
{
    m_doc.AddElement(m_doc.Root(), "stale");
    m_doc.SetFile(m_dir.File("absent.xml"));
    EXPECT_FALSE(m_doc.Read());
    EXPECT_EQ(m_doc.GetMessages(), Messages{"Error: File not found."});
    EXPECT_EQ(Top()->Text(), "?root?");
    EXPECT_FALSE(m_doc.HasChildren(Top()));

    // A folder cannot be read either.
    m_doc.SetFile(m_dir.File(""));
    EXPECT_FALSE(m_doc.Read());
    EXPECT_EQ(m_doc.GetMessages(), Messages{"Error: File not found."});
}

TEST_F(Reading, EveryErrorStopsTheParseWithItsMessage)
{
    struct Case
    {
        const char* input;
        const char* message;
    };
    const Case cases[] = {
        {"<a>x<", "Error at line 1: Tag started buf EOF found."},
        {"<a><!-- open", "Error at line 1: Comment tag unclosed."},
        {"<a><!-->", "Error at line 1: Comment tag unclosed."},
        {"<?xml version=\"1.0\"", "Error at line 1: Tag <? unclosed."},
        {"<?>", "Error at line 1: Tag <? unclosed."},
        {"<a></a", "Error at line 1: Tag unclosed."},
        {"</?root?></a>", "Error at line 1: Closing tag when no tag???."},
        {"</a>", "Error at line 1: Closing tag differs from open tag."},
        {"<a", "Error at line 1: Unspected EOF."},
        {"<a>< \n ", "Error at line 2: Unspected EOF."},
        {"<a ", "Error at line 1: Unspected EOF."},
        {"<a b=\"x", "Error at line 1: Unspected EOF."},
        {"<a b=\"x\\\"", "Error at line 1: Unspected EOF."},
        {"<a b>", "Error at line 1: Unspected value form."},
        {"<a b='x'>", "Error at line 1: Unspected value form."},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(ReadText(c.input)) << c.input;
        EXPECT_EQ(m_doc.GetMessages(), Messages{c.message}) << c.input;
    }
}

TEST_F(Reading, AnErrorKeepsThePartialTree)
{
    EXPECT_FALSE(ReadText("<a><b>x</b><c>y</d>"));
    CElementPart* c = m_doc.Root();
    EXPECT_EQ(c->Text(), "c");
    CElement* a = AsElement(c->Parent());
    EXPECT_EQ(Children(a), (Strings{"e:b", "e:c"}));
}

TEST_F(Reading, AfterTheReadersRootIsClosedTextsAreIgnoredAndElementsGoUnderIt)
{
    EXPECT_TRUE(ReadText("<a/></?root?>stray<!--note--><b>x</b>"));
    EXPECT_EQ(m_doc.GetMessages(),
              (Messages{"Warning at line 1: No tag active but text found, must be at the start, ignoring.",
                        "Warning at line 1: No tag active but text found, ignoring."}));
    EXPECT_EQ(Top()->Text(), "?root?");
    EXPECT_EQ(Children(Top()), (Strings{"e:a", "e:b"}));
}

TEST_F(Reading, MarkupOutsideTheSubsetIsTakenForStartTags)
{
    EXPECT_FALSE(ReadText("<r><![CDATA[x]]></r>"));
    EXPECT_EQ(m_doc.GetMessages(), Messages{"Error at line 1: Closing tag differs from open tag."});
    EXPECT_EQ(m_doc.Root()->Text(), "![CDATA[x]]");

    EXPECT_FALSE(ReadText("<!DOCTYPE r><r/>"));
    EXPECT_EQ(m_doc.GetMessages(), Messages{"Error at line 1: Unspected value form."});
}

TEST_F(Reading, AVeryDeepFileIsReadAndFreed)
{
    const int depth = 200000;
    std::string bytes;
    for (int i = 0; i < depth; ++i)
        bytes += "<d>";
    bytes += "x";
    for (int i = 0; i < depth; ++i)
        bytes += "</d>";
    EXPECT_TRUE(ReadText(bytes));
    EXPECT_TRUE(m_doc.GetMessages().empty());
    EXPECT_EQ(m_doc.Root(), Top());

    // Left open, then replaced by the next read.
    EXPECT_TRUE(ReadText(bytes.substr(0, 3 * depth)));
    EXPECT_EQ(m_doc.Root()->Text(), "d");
    EXPECT_TRUE(ReadText("<a/>"));
    EXPECT_EQ(Children(Top()), (Strings{"e:a"}));
}
