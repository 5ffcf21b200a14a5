#include "xml/XmlNode.h"
#include "xml/XmlParseOptions.h"

#include <gtest/gtest.h>

TEST(XmlNodeLookup, FirstMatchWinsAndAllMatchesInOrder) {
    XmlNode root("root");
    XmlNode& first = root.appendChildElement("item", "1");
    root.appendChildElement("other", "x");
    XmlNode& second = root.appendChildElement("item", "2");

    EXPECT_EQ(root.findChild("item"), &first);
    const std::vector<XmlNode*> items = root.findChildren("item");
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0], &first);
    EXPECT_EQ(items[1], &second);
    EXPECT_EQ(first.parent(), &root);
}

TEST(XmlNodeLookup, NamesAreCaseSensitiveAndOnlyDirectChildrenAreSearched) {
    XmlNode root("root");
    root.appendChildElement("Brief_Title", "x").appendChildElement("brief_title", "deep");
    EXPECT_EQ(root.findChild("brief_title"), nullptr);
    EXPECT_TRUE(root.findChildren("brief_title").empty());
    EXPECT_NE(root.findChild("Brief_Title"), nullptr);
}

TEST(XmlNodeLookup, ChildAtRejectsIndicesOutOfRange) {
    XmlNode root("root");
    root.appendChildElement("a", "");
    root.appendChildElement("b", "");
    EXPECT_EQ(root.childAt(-1), nullptr);
    EXPECT_EQ(root.childAt(2), nullptr);
    ASSERT_NE(root.childAt(1), nullptr);
    EXPECT_EQ(root.childAt(1)->name(), "b");
    EXPECT_EQ(root.childCount(), 2);
}

TEST(XmlNodeAttributes, MissingDiffersFromEmptyAndDuplicatesAreKept) {
    XmlNode node("n");
    node.addAttribute("empty", "");
    node.addAttribute("delete", "true");
    node.addAttribute("delete", "false");

    EXPECT_EQ(node.attributeValue("missing"), nullptr);
    ASSERT_NE(node.attributeValue("empty"), nullptr);
    EXPECT_EQ(*node.attributeValue("empty"), "");
    EXPECT_EQ(*node.attributeValue("delete"), "true");
    ASSERT_EQ(node.attributes().size(), 3u);
    EXPECT_EQ(node.attributes()[2].owner(), &node);
}

TEST(XmlNodeCopy, DeepCopyIsIndependentAndReparented) {
    XmlNode source("study", "v", XmlNodeKind::Element);
    source.addAttribute("a", "1");
    XmlNode& child = source.appendChildElement("child", "c");
    child.appendChildElement("leaf", "l").addAttribute("b", "2");
    source.appendChild(std::make_unique<XmlNode>("#COMMENT", " note ", XmlNodeKind::Comment));

    XmlNode holder("holder");
    XmlNode& copy = holder.appendCopyOf(source);
    source.clear();
    EXPECT_EQ(source.childCount(), 0);
    EXPECT_TRUE(source.attributes().empty());
    EXPECT_EQ(source.name(), "study");

    EXPECT_EQ(copy.parent(), &holder);
    EXPECT_EQ(copy.name(), "study");
    EXPECT_EQ(copy.value(), "v");
    ASSERT_EQ(copy.childCount(), 2);
    XmlNode* copiedChild = copy.childAt(0);
    EXPECT_EQ(copiedChild->parent(), &copy);
    ASSERT_EQ(copiedChild->childCount(), 1);
    EXPECT_EQ(copiedChild->childAt(0)->parent(), copiedChild);
    EXPECT_EQ(*copiedChild->childAt(0)->attributeValue("b"), "2");
    EXPECT_EQ(copiedChild->childAt(0)->attributes()[0].owner(), copiedChild->childAt(0));
    EXPECT_EQ(copy.childAt(1)->kind(), XmlNodeKind::Comment);
    EXPECT_EQ(copy.childAt(1)->value(), " note ");
}

TEST(XmlNodeLifetime, VeryDeepTreesAreCopiedAndDestroyedWithoutRecursion) {
    auto root = std::make_unique<XmlNode>("root");
    XmlNode* tip = root.get();
    for (int i = 0; i < 200000; ++i)
        tip = &tip->appendChildElement("n", "");
    XmlNode holder("holder");
    holder.appendCopyOf(*root);
    root.reset();
    holder.clear();
    EXPECT_EQ(holder.childCount(), 0);
}

// A parsed node's children sit in a list made at their final length: adding
// to it, or to a parsed leaf, must keep every child in place and in order.
TEST(XmlNodeLifetime, ParsedListsGrowWhenAddedTo) {
    XmlNode root;
    XmlParseOptions options = XmlParseOptions::program();
    ASSERT_TRUE(root.parseFromText("<r><a>1</a><b/></r>", 0, options));
    XmlNode& leaf = *root.childAt(1);
    for (int i = 0; i < 9; ++i) {
        root.appendChildElement("n" + std::to_string(i), "");
        leaf.appendChildElement("m" + std::to_string(i), "");
    }
    std::string names;
    for (const auto& child : root.children())
        names += child->name() + (child->parent() == &root ? " " : "? ");
    EXPECT_EQ(names, "a b n0 n1 n2 n3 n4 n5 n6 n7 n8 ");
    ASSERT_EQ(leaf.childCount(), 9);
    EXPECT_EQ(leaf.childAt(8)->name(), "m8");
    EXPECT_EQ(root.childAt(0)->value(), "1");
    root.clear();
    EXPECT_TRUE(root.children().empty());
    ASSERT_TRUE(root.parseFromText("<q><z/></q>", 0, options));
    EXPECT_EQ(root.childCount(), 1);
}
