#include "TestXml.h"
#include "model/BlockText.h"
#include "model/ElementWriter.h"
#include "model/XmlTreeSink.h"
#include "model/FieldValue.h"
#include "model/TextBlock.h"
#include "model/TextForms.h"

#include <gtest/gtest.h>

TEST(FieldValueTest, LineBreaksAreHeldAsMarkersAndShownAsCrLf) {
    FieldValue crlf;
    crlf.setText("one\r\ntwo");
    EXPECT_EQ(crlf.xmlText(), "one&#xd;two");
    EXPECT_EQ(crlf.displayText(), "one\r\ntwo");

    FieldValue lf;
    lf.setText("one\ntwo");
    EXPECT_EQ(lf.xmlText(), "one&#xd;two");
    EXPECT_EQ(lf.displayText(), "one\r\ntwo");

    FieldValue cr;
    cr.setText("one\rtwo");
    EXPECT_EQ(cr.xmlText(), "one\rtwo");
    EXPECT_EQ(cr.displayText(), "one\rtwo");

    FieldValue typedMarker;
    typedMarker.setText("one&#xd;two");
    EXPECT_EQ(typedMarker.displayText(), "one\r\ntwo");

    FieldValue mixed;
    mixed.setText("a\r\r\nb\n\nc\r\n");
    EXPECT_EQ(mixed.xmlText(), "a\r&#xd;b&#xd;&#xd;c&#xd;");
}

TEST(FieldValueTest, XmlTextIsTheDisplayTextConvertedBack) {
    for (const char* entry : {"", "a", "a\r\nb", "a\rb", "\r\r\n\n\r", "&#xd;\n", "x&#xd;\r&#xd;",
                              "&#xd&#xd;;", "\r&#xd;\r\n"}) {
        FieldValue value;
        value.setText(entry);
        EXPECT_EQ(value.xmlText(), toXmlForm(value.displayText())) << entry;
    }
}

TEST(FieldValueTest, SetFromXmlConvertsRawBreaksAndReadsTheFlag) {
    FieldValue value;
    const std::string upper = "TRUE";
    value.setFromXml("x\r\ny\nz", &upper);
    EXPECT_EQ(value.xmlText(), "x&#xd;y&#xd;z");
    EXPECT_TRUE(value.deleteFlag());

    value.setFromXml("x", nullptr);
    EXPECT_FALSE(value.deleteFlag());
}

TEST(BooleanTextTest, OnlyTrueInAnyCaseAndOneAreTrue) {
    for (const char* text : {"true", "TRUE", "True", "tRuE", "1"})
        EXPECT_TRUE(booleanFromText(text)) << text;
    for (const char* text : {"", "yes", "0", " true", "true ", "truex", "11", "t"})
        EXPECT_FALSE(booleanFromText(text)) << text;
    EXPECT_EQ(booleanToText(true), "true");
    EXPECT_EQ(booleanToText(false), "false");
}

TEST(FieldValueTest, EmptyValueIsStillWrittenWithItsFlag) {
    XmlNode parent("p");
    XmlTreeSink sink(parent);
    ElementWriter(sink).field("why_stopped", FieldValue());
    EXPECT_EQ(oneLine(parent), "<p><why_stopped delete=\"false\" /></p>");

    FieldValue flagged("Stopped\r\nearly");
    flagged.setDeleteFlag(true);
    XmlNode other("p");
    XmlTreeSink otherSink(other);
    ElementWriter(otherSink).field("why_stopped", flagged);
    EXPECT_EQ(oneLine(other),
              "<p><why_stopped delete=\"true\" >Stopped&amp;#xd;early</why_stopped></p>");
}

TEST(BlockTextTest, MarkersAndBareLineFeedsReadAsCrLf) {
    BlockText block;
    block.readFromTextblock(nullptr);
    EXPECT_EQ(block.text(), "");

    XmlNode textblock("textblock", "first&#xd;second\nthird\r\nfourth\rfifth");
    block.readFromTextblock(&textblock);
    EXPECT_EQ(block.text(), "first\r\nsecond\r\nthird\r\nfourth\rfifth");

    XmlNode element("criteria");
    block.writeTextblockInto(element);
    ASSERT_EQ(element.childCount(), 1);
    EXPECT_EQ(element.childAt(0)->name(), "textblock");
    EXPECT_EQ(element.childAt(0)->value(), "first&#xd;second&#xd;third&#xd;fourth\rfifth");
    EXPECT_TRUE(element.attributes().empty());
}

TEST(TextBlockTest, ElementWithoutTextblockKeepsTextButTakesFlag) {
    TextBlock block;
    block.setText("kept");
    auto element = parseXml("<brief_summary delete=\"1\"></brief_summary>");
    ASSERT_TRUE(element);
    block.readFromElement(element.get());
    EXPECT_EQ(block.text(), "kept");
    EXPECT_TRUE(block.deleteFlag());

    block.readFromElement(nullptr);
    EXPECT_EQ(block.text(), "kept");

    XmlNode parent("p");
    XmlTreeSink sink(parent);
    ElementWriter(sink).textBlock("brief_summary", block);
    EXPECT_EQ(oneLine(parent),
              "<p><brief_summary delete=\"true\" ><textblock>kept</textblock></brief_summary></p>");
}
