#include "xml/XmlNode.h"
#include "xml/XmlParseOptions.h"
#include "xml/XmlStreamWriter.h"
#include "xml/XmlWriteOptions.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

std::string write(const XmlNode& node, XmlWriteOptions options = {}) {
    return node.writeAsText(options);
}

} // namespace

TEST(XmlWriterShapes, RootWithAttributeAndTwoLeaves) {
    XmlNode root("root");
    root.addAttribute("a", "1");
    root.appendChildElement("first", "v");
    root.appendChildElement("second", "");
    EXPECT_EQ(write(root), "\r\n<root a=\"1\" >\r\n\t<first>v</first>\r\n\t<second/>\r\n</root>");
}

TEST(XmlWriterShapes, EmptyElementsHaveASpaceBeforeSlashOnlyWithAttributes) {
    XmlNode plain("e");
    EXPECT_EQ(write(plain), "\r\n<e/>");
    plain.addAttribute("delete", "false");
    plain.addAttribute("delete", "true");
    EXPECT_EQ(write(plain), "\r\n<e delete=\"false\" delete=\"true\" />");
}

TEST(XmlWriterShapes, WhiteSpaceValueStandsOnItsOwnLineAfterChildren) {
    XmlNode blank("b", "  ");
    EXPECT_EQ(write(blank), "\r\n<b>  </b>");

    XmlNode parent("p", "\r\n");
    parent.appendChildElement("c", "x");
    EXPECT_EQ(write(parent), "\r\n<p>\r\n\t<c>x</c>\r\n\t\r\n\r\n</p>");
}

TEST(XmlWriterShapes, NamelessNodes) {
    XmlNode wrapper;
    EXPECT_EQ(write(wrapper), "\r\n</>");
    wrapper.appendChildElement("c", "");
    EXPECT_EQ(write(wrapper), "\r\n<>\r\n\t<c/>\r\n</>");
}

TEST(XmlWriterShapes, CommentsAndCDataAreWrittenVerbatim) {
    XmlNode root("r");
    root.appendChild(std::make_unique<XmlNode>("#COMMENT", " a & b ", XmlNodeKind::Comment));
    root.appendChild(std::make_unique<XmlNode>("#CDATA", "<x>&", XmlNodeKind::CData));
    EXPECT_EQ(write(root), "\r\n<r>\r\n\t<!-- a & b -->\r\n\t<![CDATA[<x>&]]>\r\n</r>");
}

TEST(XmlWriterShapes, WithoutLineBreaksEverythingIsOneLine) {
    XmlNode root("r");
    root.appendChildElement("a", "1").appendChildElement("b", "");
    XmlWriteOptions options;
    options.lineBreaks = false;
    options.quoteChar = '\'';
    root.addAttribute("k", "v");
    EXPECT_EQ(write(root, options), "<r k='v' ><a><b/>1</a></r>");
}

TEST(XmlWriterEncoding, SpecialCharactersEncodedNamesAndHighBytesUntouched) {
    XmlNode node("n<ame", "a&#xd;b \"q\" 'a' <t> \xC3\xA9");
    node.addAttribute("at", "x&y");
    EXPECT_EQ(write(node), "\r\n<n<ame at=\"x&amp;y\" >a&amp;#xd;b &quot;q&quot; &apos;a&apos; "
                           "&lt;t&gt; \xC3\xA9</n<ame>");
    XmlWriteOptions raw;
    raw.encodeEntities = false;
    EXPECT_EQ(write(XmlNode("n", "a&b"), raw), "\r\n<n>a&b</n>");
}

// Long texts and names are written past the writer's buffer; output far
// larger than the buffer must come out whole and in order.
TEST(XmlWriterEncoding, LongTextsAndLargeTreesKeepEveryByte) {
    const std::string unit = "ab&c<d>e\"f'g";
    const std::string encodedUnit = "ab&amp;c&lt;d&gt;e&quot;f&apos;g";
    for (const std::size_t units : {std::size_t{5}, std::size_t{700}, std::size_t{3000}}) {
        std::string value;
        std::string encoded;
        for (std::size_t i = 0; i < units; ++i) {
            value += unit;
            encoded += encodedUnit;
        }
        const std::string plain(units * unit.size(), 'x');
        XmlNode root("r");
        std::string expected = "\r\n<r>";
        for (int i = 0; i < 20; ++i) {
            root.appendChildElement("v", value);
            root.appendChildElement("p", plain).addAttribute("k", value);
            expected += "\r\n\t<v>" + encoded + "</v>\r\n\t<p k=\"" + encoded + "\" >" + plain + "</p>";
        }
        expected += "\r\n</r>";
        EXPECT_EQ(write(root), expected) << units;
    }
    // Tags, too, may be longer than the buffer.
    const std::string name(9000, 'n');
    XmlNode root("r");
    root.appendChildElement(name, "v").appendChildElement(name, "");
    EXPECT_EQ(write(root), "\r\n<r>\r\n\t<" + name + ">\r\n\t\t<" + name + "/>\r\n\t\tv\r\n\t</" +
                               name + ">\r\n</r>");
}

// Texts are searched for encodable characters several bytes at a time: each
// one, and each byte that differs from one in a single bit, at every place of
// texts around the block sizes, must be found or left alone as it stands.
TEST(XmlWriterEncoding, EveryPlaceInATextIsSearched) {
    const std::string near = "\"#$%&'()<=>?\xA2\xA6\xA7\xBC\xBE\x06\x1C\x1E";
    for (std::size_t length = 1; length <= 40; ++length) {
        for (std::size_t place = 0; place < length; ++place) {
            for (const char c : near) {
                std::string value(length, 'x');
                value[place] = c;
                std::string expected(place, 'x');
                switch (c) {
                case '&': expected += "&amp;"; break;
                case '"': expected += "&quot;"; break;
                case '\'': expected += "&apos;"; break;
                case '<': expected += "&lt;"; break;
                case '>': expected += "&gt;"; break;
                default: expected += c;
                }
                expected += std::string(length - place - 1, 'x');
                EXPECT_EQ(write(XmlNode("n", value)), "\r\n<n>" + expected + "</n>")
                    << length << " " << place << " " << static_cast<int>(c);
            }
        }
    }
}

// A writer left by an exception (running out of memory, say) appends nothing
// while the stack unwinds: appending then could throw again and end the program.
TEST(XmlWriterOptions, AWriterLeftByAnExceptionLeavesTheOutputAlone) {
    std::string out = "kept";
    try {
        XmlStreamWriter writer(out, XmlWriteOptions());
        writer.startTag("a");
        throw std::runtime_error("stop");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(out, "kept");
}

TEST(XmlWriterOptions, DepthIsRestoredAndUsedAsStartingIndent) {
    XmlNode root("r");
    root.appendChildElement("c", "").appendChildElement("d", "1");
    XmlWriteOptions& options = XmlWriteOptions::programDefault();
    const int before = options.depth;
    root.writeAsText(options);
    EXPECT_EQ(options.depth, before);

    XmlWriteOptions indented;
    indented.depth = 2;
    EXPECT_EQ(write(root, indented), "\r\n\t\t<r>\r\n\t\t\t<c>\r\n\t\t\t\t<d>1</d>\r\n\t\t\t</c>"
                                     "\r\n\t\t</r>");
}

TEST(XmlRoundTrip, WrittenTreeParsesBackToTheSameTree) {
    XmlNode root("prs:study_collection");
    root.addAttribute("xmlns:prs", "http://example.org/prs");
    XmlNode& study = root.appendChildElement("clinical_study", "");
    study.appendChildElement("brief_title", "A & B <trial> \"x\" C:\\dir").addAttribute("delete",
                                                                                        "false");
    study.appendChildElement("empty", "");

    XmlWriteOptions lineless;
    lineless.lineBreaks = false;
    const std::string text = write(root, lineless);
    XmlNode parsed;
    XmlParseOptions options = XmlParseOptions::program();
    ASSERT_TRUE(parsed.parseFromText(text, 0, options));
    EXPECT_EQ(write(parsed, lineless), text);
    EXPECT_EQ(parsed.childAt(0)->childAt(0)->value(), "A & B <trial> \"x\" C:\\dir");
}
