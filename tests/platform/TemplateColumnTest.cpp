#include "platform/TemplateColumn.h"

#include <gtest/gtest.h>

namespace {

constexpr int kGroup = 10;
constexpr int kName = 11;
constexpr int kNotes = 12;
constexpr int kList = 13;
constexpr int kAdd = 14;
constexpr int kStatus = 15;
constexpr int kMarker = 1121;
constexpr int kListMarker = 1122;

TemplateColumn sampleColumn() {
    return TemplateColumn({.left = 14,
                           .width = 216,
                           .labelWidth = 200,
                           .markerX = 235,
                           .groupLeft = 4,
                           .groupWidth = 254,
                           .stretch = true},
                          2);
}

const ControlTemplate& find(const std::vector<ControlTemplate>& controls, int id) {
    static const ControlTemplate none;
    for (const ControlTemplate& control : controls) {
        if (control.id == id) {
            return control;
        }
    }
    ADD_FAILURE() << "no control " << id;
    return none;
}

bool operator==(const DialogRect& a, const DialogRect& b) {
    return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

} // namespace

// Places, anchors and order follow from the fields alone: inserting a field
// moves what comes after it, and what stands below a growing list moves down.
TEST(TemplateColumnTest, FieldsStackWithTheirMarkersAndAnchorsFollowFromThePlace) {
    TemplateColumn col = sampleColumn();
    col.group(kGroup, QStringLiteral("Sample"));
    col.field("Status", kStatus, ControlShape::combo({"A", "B"}).lastInTabOrder());
    col.field("Name", kName, ControlShape::edit().width(100), {kMarker, "NameKey"});
    col.field("Notes", kNotes, ControlShape::lines(30));
    col.field("List", kList, ControlShape::itemList(60).anchors(AnchorGrow),
              {kListMarker, "ListKey"});
    col.buttons({{kAdd, ControlShape::button(QStringLiteral("&Add"))}}, 5,
                {{ControlTemplate::kNoId, "AfterList"}});
    col.closeGroup(329, AnchorGrow);
    const std::vector<ControlTemplate> controls = col.controls();

    struct Expected {
        int id;
        DialogRect rect;
        unsigned anchors;
    };
    const Expected expected[] = {
        {kGroup, {4, 2, 254, 327}, AnchorGrow},
        {kStatus, {14, 26, 216, 12}, AnchorStretchRight},
        {kName, {14, 54, 100, 12}, 0},                      // narrower: does not stretch
        {kMarker, {235, 43, 11, 10}, AnchorMoveRight},      // a unit above its label
        {kNotes, {14, 82, 216, 30}, AnchorStretchRight},    // a line below the last one
        {kList, {14, 130, 216, 60}, AnchorGrow},            // a wider gap below a block
        {kListMarker, {235, 119, 11, 10}, AnchorMoveRight}, // placed before the list grows
        {kAdd, {14, 195, 50, 14}, AnchorMoveDown},          // below the list, moving with it
    };
    for (const Expected& e : expected) {
        const ControlTemplate& control = find(controls, e.id);
        EXPECT_TRUE(control.rect == e.rect)
            << e.id << ": " << control.rect.x << "," << control.rect.y << "," << control.rect.width
            << "," << control.rect.height;
        EXPECT_EQ(control.anchors, e.anchors) << e.id;
    }
    EXPECT_EQ(find(controls, kMarker).helpKey, QStringLiteral("NameKey"));
    EXPECT_EQ(controls.front().id, kGroup) << "the group box comes first, behind its fields";
    EXPECT_EQ(controls.back().id, kStatus) << "last in the tab order, although placed first";
    // The marker below the list moves down with it, to the right like the others.
    const ControlTemplate& after = controls[controls.size() - 2];
    EXPECT_EQ(after.helpKey, QStringLiteral("AfterList"));
    EXPECT_EQ(after.anchors, unsigned(AnchorBottomRight));
    EXPECT_EQ(after.rect.y, 197);
}

TEST(TemplateColumnTest, RowsCentreTheirCellsAndSideBySideFieldsShareALine) {
    TemplateColumn col = sampleColumn();
    col.row(
        {{ControlTemplate::kNoId, ControlShape::label(QStringLiteral("Min")).left(24).width(36)},
         {kName, ControlShape::number().left(62).width(36)}},
        4);
    EXPECT_EQ(col.y(), 2 + 12 + 4);
    col.fields({{"Phone", kNotes, ControlShape::edit().width(100)},
                {"Extension", kList, ControlShape::edit().left(120)}},
               {kMarker, "Phone"});
    const std::vector<ControlTemplate> controls = col.controls();
    EXPECT_EQ(controls[0].rect.y, 4) << "a label centred on a taller control";
    EXPECT_EQ(find(controls, kName).style, unsigned(StyleDigitsOnly));
    // Labels take their control's left edge and width; the last control reaches
    // the right edge and stretches.
    EXPECT_TRUE(controls[2].rect == (DialogRect{14, 18, 100, 8}));
    EXPECT_TRUE(controls[3].rect == (DialogRect{120, 18, 110, 8}));
    EXPECT_TRUE(find(controls, kList).rect == (DialogRect{120, 28, 110, 12}));
    EXPECT_EQ(find(controls, kList).anchors, unsigned(AnchorStretchRight));
    EXPECT_EQ(find(controls, kNotes).anchors, 0u);
    EXPECT_EQ(col.y(), 28 + 12 + 6);
}

// A link on a caption's line leaves the cursor for the field below the
// caption, and a group can end closer to the next than the usual gap.
TEST(TemplateColumnTest, ControlsBesideACaptionAndGroupsWithTheirOwnGap) {
    TemplateColumn col = sampleColumn();
    col.group(kGroup, QStringLiteral("First"));
    col.label("Caption");
    col.beside(kAdd, ControlShape::hyperLink(QStringLiteral("Search")).left(134).width(96));
    EXPECT_EQ(col.y(), 16);
    col.belowLabel();
    col.control(kName, ControlShape::edit());
    col.endGroup(2, 4);
    col.group(kList, QStringLiteral("Second"));
    const std::vector<ControlTemplate> controls = col.controls();
    const ControlTemplate& link = find(controls, kAdd);
    EXPECT_TRUE(link.rect == (DialogRect{134, 16, 96, 8}));
    EXPECT_EQ(link.anchors, unsigned(AnchorStretchRight)) << "it ends at the right edge";
    EXPECT_EQ(find(controls, kName).rect.y, 26);
    EXPECT_TRUE(find(controls, kGroup).rect == (DialogRect{4, 2, 254, 44}));
    EXPECT_EQ(find(controls, kList).rect.y, 50);
}
