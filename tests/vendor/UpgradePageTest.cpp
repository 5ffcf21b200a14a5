#include "vendor/UpgradePage.h"

#include <gtest/gtest.h>

namespace {

UpgradePage pageOf(const std::vector<std::string>& lines) {
    UpgradePage page;
    page.read(lines);
    return page;
}

} // namespace

TEST(UpgradePageTest, ReadsEveryValueOfATypicalPage) {
    const UpgradePage page = pageOf({
        "<html><body>",
        "<!-- UPGRADE Version -->",
        "1.2",
        "<!-- UPGRADE Description -->",
        "Faster saving. ",
        "Release Date: 2010-08-11 for all users.",
        "<!-- END UPGRADE Description -->",
        "<!-- UPGRADE Download Link -->",
        "http://example.test/setup.exe",
        "</body></html>",
    });
    EXPECT_DOUBLE_EQ(page.version(), 1.2);
    EXPECT_EQ(page.description(), "Faster saving. Release Date: 2010-08-11 for all users.");
    EXPECT_EQ(page.releaseDate(), "2010-08-11");
    EXPECT_EQ(page.downloadLink(), "http://example.test/setup.exe");
}

TEST(UpgradePageTest, MarkersAtTheEndTakeWhatThePageHolds) {
    EXPECT_DOUBLE_EQ(pageOf({"x", "<!-- UPGRADE Version"}).version(), 0.0);
    EXPECT_EQ(pageOf({"<!-- UPGRADE Download Link"}).downloadLink(), "");
    // A description without its end marker runs to the last line.
    EXPECT_EQ(pageOf({"<!-- UPGRADE Description", "one ", "two"}).description(), "one two");
    EXPECT_EQ(pageOf({"<!-- UPGRADE Description"}).description(), "");
}

TEST(UpgradePageTest, DescriptionStopsAtItsEndAndScanningGoesOn) {
    const UpgradePage page = pageOf({
        "<!-- UPGRADE Description",
        "a",
        "<!-- UPGRADE Version inside the description",
        "b",
        "END UPGRADE Description",
        "<!-- UPGRADE Version",
        "2.5",
    });
    EXPECT_EQ(page.description(), "a<!-- UPGRADE Version inside the descriptionb");
    EXPECT_DOUBLE_EQ(page.version(), 2.5);
}

TEST(UpgradePageTest, MarkerLineWithItsOwnEndStartsNoDescription) {
    const UpgradePage page = pageOf({"<!-- UPGRADE Description --><!-- END UPGRADE Description -->",
                                     "not text", "<!-- UPGRADE Version", "1.5"});
    EXPECT_EQ(page.description(), "");
    EXPECT_DOUBLE_EQ(page.version(), 1.5);
}

TEST(UpgradePageTest, ValueLinesAreNotMarkers) {
    // The renew link's line is passed over even when it looks like a marker, and
    // so is the value line of any other marker.
    const UpgradePage page = pageOf({
        "<!-- UPGRADE Renew Link",
        "<!-- UPGRADE Version",
        "9.0",
        "<!-- UPGRADE Download Link",
        "<!-- UPGRADE Version",
        "7.0",
    });
    EXPECT_DOUBLE_EQ(page.version(), 0.0);
    EXPECT_EQ(page.downloadLink(), "<!-- UPGRADE Version");
}

TEST(UpgradePageTest, LaterMarkersReplaceAndDescriptionsAccumulate) {
    UpgradePage page = pageOf({
        "<!-- UPGRADE Version",
        "1.3",
        "<!-- UPGRADE Version",
        "1.4",
        "<!-- UPGRADE Download Link",
        "http://a.test/",
        "<!-- UPGRADE Download Link",
        "http://b.test/",
        "<!-- UPGRADE Description",
        "first",
        "END UPGRADE Description",
        "<!-- UPGRADE Description",
        "second",
        "END UPGRADE Description",
    });
    EXPECT_DOUBLE_EQ(page.version(), 1.4);
    EXPECT_EQ(page.downloadLink(), "http://b.test/");
    EXPECT_EQ(page.description(), "firstsecond");

    // A later page without a version keeps the version; a fresh check clears the text.
    page.clearDescription();
    page.read(std::vector<std::string>{"nothing here"});
    EXPECT_DOUBLE_EQ(page.version(), 1.4);
    EXPECT_EQ(page.description(), "");
}

TEST(UpgradePageTest, VersionIsTheLeadingDecimalNumber) {
    EXPECT_DOUBLE_EQ(UpgradePage::leadingNumber("1.11"), 1.11);
    EXPECT_DOUBLE_EQ(UpgradePage::leadingNumber("  2.5 (beta)"), 2.5);
    EXPECT_DOUBLE_EQ(UpgradePage::leadingNumber("+3"), 3.0);
    EXPECT_DOUBLE_EQ(UpgradePage::leadingNumber(".5"), 0.5);
    EXPECT_DOUBLE_EQ(UpgradePage::leadingNumber("v1.2"), 0.0);
    EXPECT_DOUBLE_EQ(UpgradePage::leadingNumber(""), 0.0);
    EXPECT_DOUBLE_EQ(UpgradePage::leadingNumber("-"), 0.0);
    // Nothing but plain decimals: no hexadecimal, infinity or not-a-number.
    EXPECT_DOUBLE_EQ(UpgradePage::leadingNumber("0x10"), 0.0);
    EXPECT_DOUBLE_EQ(UpgradePage::leadingNumber("inf"), 0.0);
    EXPECT_DOUBLE_EQ(UpgradePage::leadingNumber("nan"), 0.0);
    EXPECT_DOUBLE_EQ(UpgradePage::leadingNumber("1e999"), 0.0);
}

TEST(UpgradePageTest, ReleaseDateNeedsASpaceAfterIt) {
    EXPECT_EQ(UpgradePage::releaseDateIn("Release Date: 8/11/2010 now"), "8/11/2010");
    EXPECT_EQ(UpgradePage::releaseDateIn("x Release Date: 8/11/2010"), "");
    EXPECT_EQ(UpgradePage::releaseDateIn("Release Date:8/11/2010 now"), "");
    EXPECT_EQ(UpgradePage::releaseDateIn("Release Date:  later"), "");
}
