// Finding elements and their data by name, index and sibling order.
#include "ScratchFiles.h"

#include <tessaly/VantorelTessaly.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using CElementPart = VantorelTessaly::CElementPart;
using CElement = VantorelTessaly::CElement;

namespace {

class Queries : public ::testing::Test
{
protected:
    CElement* Root() { return static_cast<CElement*>(m_doc.Root()); }

    VantorelTessaly m_doc;
};

} // namespace

TEST_F(Queries, ChildrenOfEveryKindCountButOnlyElementsAreGiven)
{
    m_doc.AddText(Root(), "A");
    CElement* a = m_doc.AddElement(Root(), "A");
    m_doc.AddComment(Root(), "A");

    EXPECT_EQ(m_doc.GetNodeNbChildren(Root()), 3);
    EXPECT_EQ(m_doc.GetChildNodeAt(Root(), 0), nullptr);
    EXPECT_EQ(m_doc.GetChildNodeAt(Root(), 1), a);
    EXPECT_EQ(m_doc.GetChildNodeAt(Root(), 2), nullptr);
    EXPECT_EQ(m_doc.GetChildNodeAt(Root(), 3), nullptr);
    EXPECT_EQ(m_doc.GetChildNodeAt(Root(), -1), nullptr);
    EXPECT_EQ(m_doc.GetNodeNbChildren(nullptr), 0);
    EXPECT_EQ(m_doc.GetChildNodeAt(nullptr, 0), nullptr);
}

TEST_F(Queries, FirstChildNodeIsTheFirstElementOfThatExactName)
{
    m_doc.AddText(Root(), "Titre");
    m_doc.AddComment(Root(), "Titre");
    CElement* first = m_doc.AddElement(Root(), "Titre", "1");
    m_doc.AddElement(Root(), "Titre", "2");
    CElement* nested = m_doc.AddElement(Root(), "Other");
    m_doc.AddElement(nested, "Deep");

    EXPECT_EQ(m_doc.GetFirstChildNode(Root(), "Titre"), first);
    EXPECT_EQ(m_doc.GetFirstChildNode(Root(), "titre"), nullptr);
    EXPECT_EQ(m_doc.GetFirstChildNode(Root(), " Titre"), nullptr);
    EXPECT_EQ(m_doc.GetFirstChildNode(Root(), "Deep"), nullptr);  // children only, not descendants
    EXPECT_EQ(m_doc.GetFirstChildNode(first, "1"), nullptr);  // its only child is the text 1
    EXPECT_EQ(m_doc.GetFirstChildNode(nullptr, "Titre"), nullptr);
}

TEST_F(Queries, DataFromNameIsTheLeadingTextOfTheFirstMatch)
{
    m_doc.AddElement(Root(), "Titre", "first");
    m_doc.AddElement(Root(), "Titre", "second");
    CElement* commented = m_doc.AddElement(Root(), "Note");
    m_doc.AddComment(commented, "c");
    m_doc.AddText(commented, "after");
    m_doc.AddElement(Root(), "Empty");
    m_doc.AddText(Root(), "Loose");

    EXPECT_EQ(m_doc.GetDataFromName(Root(), "Titre"), "first");
    EXPECT_EQ(m_doc.GetDataFromName(Root(), "Note"), "");
    EXPECT_EQ(m_doc.GetDataFromName(Root(), "Empty"), "");
    EXPECT_EQ(m_doc.GetDataFromName(Root(), "Loose"), "");
    EXPECT_EQ(m_doc.GetDataFromName(Root(), "Missing"), "");
    EXPECT_EQ(m_doc.GetDataFromName(nullptr, "Titre"), "");
}

TEST_F(Queries, NextSiblingPassesOverTextsAndComments)
{
    CElement* a = m_doc.AddElement(Root(), "A");
    m_doc.AddText(Root(), "\n ");
    m_doc.AddComment(Root(), "c");
    CElement* b = m_doc.AddElement(Root(), "B");
    m_doc.AddText(Root(), "\n");

    EXPECT_EQ(m_doc.GetNextSiblingNode(a), b);
    EXPECT_EQ(m_doc.GetNextSiblingNode(b), nullptr);
    EXPECT_EQ(m_doc.GetNextSiblingNode(Root()), nullptr);
    EXPECT_EQ(m_doc.GetNextSiblingNode(nullptr), nullptr);
}

TEST_F(Queries, ChildListHoldsEveryMatchInOrderAndNothingElse)
{
    CElement* one = m_doc.AddElement(Root(), "BD");
    m_doc.AddElement(Root(), "Manga");
    CElement* two = m_doc.AddElement(Root(), "BD");
    m_doc.AddText(Root(), "BD");

    std::vector<CElement*> list{Root()};
    m_doc.GetChildList(Root(), "BD", list);
    EXPECT_EQ(list, (std::vector<CElement*>{one, two}));
    m_doc.GetChildList(Root(), "Comic", list);
    EXPECT_TRUE(list.empty());
    list.push_back(one);
    m_doc.GetChildList(nullptr, "BD", list);
    EXPECT_TRUE(list.empty());
}

TEST_F(Queries, BuildChildListGivesTheElementItself)
{
    CElement* a = m_doc.AddElement(Root(), "A");
    m_doc.AddElement(a, "inner");
    CElementPart* text = m_doc.AddText(Root(), "t");

    std::vector<CElementPart*> list{text, text};
    EXPECT_FALSE(m_doc.BuildChildList(text, list));
    EXPECT_EQ(list, (std::vector<CElementPart*>{text, text}));
    EXPECT_FALSE(m_doc.BuildChildList(nullptr, list));
    EXPECT_TRUE(m_doc.BuildChildList(a, list));
    EXPECT_EQ(list, (std::vector<CElementPart*>{a}));
}

TEST_F(Queries, AnExportReadBackIsWalkedByNames)
{
    ScratchDir dir;
    VantorelTessaly exported;
    exported.CreateRoot("Quillory");
    const char* types[] = {"BD", "Comic", "BD", "Manga"};
    for (int i = 0; i < 4; ++i) {
        CElement* album = exported.AddElement(exported.Root(), types[i]);
        exported.AddElement(album, "Titre", "Titre " + std::to_string(i));
        exported.AddElement(album, "Serie", "Serie");
        exported.AddElement(album, "Comment", "");
        exported.AddElement(album, "Picture", "_");
    }
    exported.AddElement(exported.Root(), "NbEuro", 2);
    exported.SetFile(dir.File("Quillory.xml"));
    ASSERT_TRUE(exported.Write());

    m_doc.SetFile(dir.File("Quillory.xml"));
    ASSERT_TRUE(m_doc.Read());
    CElement* top = m_doc.GetFirstChildNode(Root(), "Quillory");
    ASSERT_NE(top, nullptr);

    std::vector<CElement*> bd;
    m_doc.GetChildList(top, "BD", bd);
    ASSERT_EQ(bd.size(), 2u);
    EXPECT_EQ(m_doc.GetDataFromName(bd[0], "Titre"), "Titre 0");
    EXPECT_EQ(m_doc.GetDataFromName(bd[1], "Titre"), "Titre 2");
    EXPECT_EQ(m_doc.GetDataFromName(bd[1], "Comment"), "-");

    std::vector<std::string> order;
    for (CElement* e = m_doc.GetFirstChildNode(top, "BD"); e; e = m_doc.GetNextSiblingNode(e))
        order.push_back(e->Text());
    EXPECT_EQ(order, (std::vector<std::string>{"BD", "Comic", "BD", "Manga", "NbEuro"}));
    EXPECT_EQ(m_doc.GetDataFromName(top, "NbEuro"), "2");
}
