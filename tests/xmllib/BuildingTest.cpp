// Building a tree: nodes, values, settings, symbols.
#include <tessaly/VantorelTessaly.h>

#include <gtest/gtest.h>

#include <clocale>
#include <memory>
#include <string>

using CElementPart = VantorelTessaly::CElementPart;
using CElement = VantorelTessaly::CElement;

namespace {

// The data of an element made by the name-and-value AddElement.
std::string OnlyText(const CElement* element)
{
    EXPECT_EQ(element->ChildCount(), 1u);
    const CElementPart* child = element->Child(0);
    EXPECT_EQ(child->Kind(), VantorelTessaly::PART_TEXT);
    return child->Text();
}

} // namespace

TEST(Building, NewDocumentHasAnEmptyRootElementNamedRoot)
{
    VantorelTessaly doc;
    CElementPart* root = doc.Root();
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->Text(), "?root?");
    EXPECT_TRUE(doc.IsElement(root));
    EXPECT_EQ(root->Parent(), nullptr);
    EXPECT_FALSE(doc.HasChildren(static_cast<CElement*>(root)));
    EXPECT_EQ(doc.Root(), root);
    EXPECT_TRUE(doc.GetMessages().empty());
    EXPECT_EQ(doc.GetFile(), "");
}

TEST(Building, CreateRootRenamesTheRootAndKeepsItsChildren)
{
    VantorelTessaly doc;
    doc.CreateRoot("A");
    CElement* child = doc.AddElement(doc.Root(), "child");
    doc.CreateRoot("B");
    std::string name;
    doc.GetText(doc.Root(), name);
    EXPECT_EQ(name, "B");
    ASSERT_EQ(doc.GetNodeNbChildren(static_cast<CElement*>(doc.Root())), 1);
    EXPECT_EQ(static_cast<CElement*>(doc.Root())->Child(0), child);
    EXPECT_EQ(child->Parent(), doc.Root());
}

TEST(Building, NameAndValueAreTrimmedAndTheValueBecomesTheOnlyText)
{
    VantorelTessaly doc;
    CElement* element = doc.AddElement(doc.Root(), " \t Titre  \r\n", "  x \v\f");
    ASSERT_NE(element, nullptr);
    EXPECT_EQ(element->Text(), "Titre");
    EXPECT_EQ(OnlyText(element), "x");
    EXPECT_EQ(element->Parent(), doc.Root());
}

TEST(Building, EmptyAndQuotedEmptyValuesBecomeAHyphen)
{
    VantorelTessaly doc;
    for (const char* value : {"", "   ", "\"\"", "\" \"", " \t\"\" \n", "\n\" \"\t"})
        EXPECT_EQ(OnlyText(doc.AddElement(doc.Root(), "v", value)), "-") << '[' << value << ']';
    // Only the whole texts count.
    EXPECT_EQ(OnlyText(doc.AddElement(doc.Root(), "v", "\"x\"")), "\"x\"");
    EXPECT_EQ(OnlyText(doc.AddElement(doc.Root(), "v", "\"  \"")), "\"  \"");
    EXPECT_EQ(OnlyText(doc.AddElement(doc.Root(), "v", "_")), "_");
}

TEST(Building, NumbersAreFormattedWithTwoDecimalsWhateverTheLocale)
{
    VantorelTessaly doc;
    EXPECT_EQ(OnlyText(doc.AddElement(doc.Root(), "n", 7)), "7");
    EXPECT_EQ(OnlyText(doc.AddElement(doc.Root(), "n", -12)), "-12");
    EXPECT_EQ(OnlyText(doc.AddElement(doc.Root(), "n", 3.14159)), "3.14");
    EXPECT_EQ(OnlyText(doc.AddElement(doc.Root(), "n", 2.5f)), "2.50");
    EXPECT_EQ(OnlyText(doc.AddElement(doc.Root(), "n", 1e6)), "1000000.00");

    // A user interface in French must not turn the point into a comma.
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    if (std::setlocale(LC_NUMERIC, "fr_FR.UTF-8") || std::setlocale(LC_NUMERIC, "fr_FR.utf8")) {
        EXPECT_EQ(OnlyText(doc.AddElement(doc.Root(), "n", 3.14159)), "3.14");
        std::setlocale(LC_NUMERIC, previous.c_str());
    }
}

TEST(Building, NameOnlyOverloadKeepsTheNameAsGiven)
{
    VantorelTessaly doc;
    CElement* element = doc.AddElement(doc.Root(), "  A b ");
    ASSERT_NE(element, nullptr);
    EXPECT_EQ(element->Text(), "  A b ");
    EXPECT_FALSE(doc.HasChildren(element));

    CElementPart* unnamed = doc.AddElement(doc.Root());
    ASSERT_NE(unnamed, nullptr);
    EXPECT_EQ(unnamed->Text(), "");
    EXPECT_TRUE(doc.IsElement(unnamed));
}

TEST(Building, OnlyElementsTakeChildren)
{
    VantorelTessaly doc;
    CElement* root = static_cast<CElement*>(doc.Root());
    CElementPart* text = doc.AddText(root, "t");
    CElementPart* comment = doc.AddComment(root, "c");
    ASSERT_NE(text, nullptr);
    ASSERT_NE(comment, nullptr);

    for (CElementPart* parent : {text, comment, static_cast<CElementPart*>(nullptr)}) {
        EXPECT_EQ(doc.AddElement(parent), nullptr);
        EXPECT_EQ(doc.AddElement(parent, "a"), nullptr);
        EXPECT_EQ(doc.AddElement(parent, "a", "v"), nullptr);
        EXPECT_EQ(doc.AddElement(parent, "a", 1), nullptr);
        EXPECT_EQ(doc.AddElement(parent, "a", 1.0), nullptr);
        EXPECT_EQ(doc.AddElement(parent, "a", 1.0f), nullptr);
        EXPECT_EQ(doc.AddText(parent, "x"), nullptr);
        EXPECT_EQ(doc.AddComment(parent, "x"), nullptr);
        EXPECT_EQ(doc.GetElementAttrMap(parent), nullptr);
    }
    EXPECT_EQ(root->ChildCount(), 2u);
    EXPECT_EQ(text->Parent(), root);
    EXPECT_EQ(comment->Parent(), root);
}

TEST(Building, DataIsGivenOnceAndOnlyToAnEmptyElement)
{
    VantorelTessaly doc;
    CElement* element = doc.AddElement(doc.Root(), "e");
    doc.SetData(element, "first");
    doc.SetData(element, "second");
    ASSERT_EQ(element->ChildCount(), 1u);
    std::string data = "old";
    doc.GetData(element, data);
    EXPECT_EQ(data, "first");
    doc.SetText(element->Child(0), "changed");
    doc.GetData(element, data);
    EXPECT_EQ(data, "changed");

    doc.SetData(nullptr, "ignored");
    doc.GetData(nullptr, data);
    EXPECT_EQ(data, "");
}

TEST(Building, GetDataReadsOnlyATextThatComesFirst)
{
    VantorelTessaly doc;
    CElement* commented = doc.AddElement(doc.Root(), "c");
    doc.AddComment(commented, "note");
    doc.AddText(commented, "after");
    CElement* parent = doc.AddElement(doc.Root(), "p");
    doc.AddElement(parent, "inner", "x");
    CElement* empty = doc.AddElement(doc.Root(), "empty");

    std::string data = "unchanged";
    doc.GetData(commented, data);
    EXPECT_EQ(data, "unchanged");
    doc.GetData(parent, data);
    EXPECT_EQ(data, "unchanged");
    doc.GetData(empty, data);
    EXPECT_EQ(data, "");
}

TEST(Building, AttributesAreFilledInPlace)
{
    VantorelTessaly doc;
    CElement* element = doc.AddElement(doc.Root(), "e");
    VantorelTessaly::CMapStringToString* attributes = doc.GetElementAttrMap(element);
    ASSERT_NE(attributes, nullptr);
    (*attributes)["b"] = "2";
    (*attributes)["a"] = "1";
    EXPECT_EQ(&element->Attributes(), attributes);
    EXPECT_EQ(element->Attributes().size(), 2u);
    EXPECT_EQ(element->Attributes().at("a"), "1");
}

TEST(Building, NodesKeepTheirAddressesWhileSiblingsAreAdded)
{
    VantorelTessaly doc;
    CElement* first = doc.AddElement(doc.Root(), "first", "v");
    CElementPart* firstText = first->Child(0);
    for (int i = 0; i < 2000; ++i)
        doc.AddElement(doc.Root(), "n", i);
    EXPECT_EQ(static_cast<CElement*>(doc.Root())->Child(0), first);
    EXPECT_EQ(first->Text(), "first");
    EXPECT_EQ(first->Child(0), firstText);
    EXPECT_EQ(firstText->Text(), "v");
}

TEST(Building, RemoveAllLeavesAFreshRootAndNoSymbols)
{
    VantorelTessaly doc;
    doc.SetFile("f.xml");
    doc.CreateRoot("R");
    CElement* a = doc.AddElement(doc.Root(), "a", "1");
    doc.AddElement(a, "b", "2");
    doc.RemoveAll();

    EXPECT_EQ(doc.Root()->Text(), "?root?");
    EXPECT_FALSE(doc.HasChildren(static_cast<CElement*>(doc.Root())));
    EXPECT_EQ(doc.GetFile(), "f.xml");
    std::string text = "<a & b>";
    doc.Decodify(text);
    EXPECT_EQ(text, "<a & b>");

    doc.DefaultSymbols();
    doc.Decodify(text);
    EXPECT_EQ(text, "&lt;a&nbsp;&amp;&nbsp;b&gt;");
}

TEST(Building, DecodifyAndCodifyApplyTheSymbolTableInOnePass)
{
    VantorelTessaly doc;
    std::string text = "a<b> & \"c\" 'd'";
    doc.Decodify(text);
    EXPECT_EQ(text, "a&lt;b&gt;&nbsp;&amp;&nbsp;&quot;c&quot;&nbsp;&apos;d&apos;");
    doc.Codify(text);
    EXPECT_EQ(text, "a<b> & \"c\" 'd'");

    // The scan goes on after what it inserted: no double replacement.
    std::string escaped = "&amp;lt;";
    doc.Codify(escaped);
    EXPECT_EQ(escaped, "&lt;");

    doc.AddSymbol("<", "[");
    std::string replaced = "<<";
    doc.Decodify(replaced);
    EXPECT_EQ(replaced, "[[");
}

TEST(Building, EmptySymbolsAreIgnoredInsteadOfMatchingEverywhere)
{
    VantorelTessaly doc;
    doc.ClearSymbols();
    doc.AddSymbol("", "x");
    doc.AddSymbol("y", "");
    std::string text = "aby";
    doc.Decodify(text);
    EXPECT_EQ(text, "ab");
    doc.Codify(text);
    EXPECT_EQ(text, "ab");
}

TEST(Building, AVeryDeepTreeIsDestroyedWithoutExhaustingTheStack)
{
    auto doc = std::make_unique<VantorelTessaly>();
    CElementPart* parent = doc->Root();
    for (int depth = 0; depth < 300000; ++depth)
        parent = doc->AddElement(parent, "d");
    doc->AddText(parent, "bottom");
    EXPECT_EQ(parent->Text(), "d");
    doc.reset();
    doc = std::make_unique<VantorelTessaly>();
    parent = doc->Root();
    for (int depth = 0; depth < 300000; ++depth)
        parent = doc->AddElement(parent, "d");
    doc->RemoveAll();
    EXPECT_FALSE(doc->HasChildren(static_cast<CElement*>(doc->Root())));
}
