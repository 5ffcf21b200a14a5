// The list background and the program's pictures.

#include "app/AppTestSupport.h"
#include "app/Artwork.h"
#include "app/ListBackground.h"
#include "app/MainWindow.h"
#include "platform/TestPlatform.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

bool hasOpaquePixels(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > 0) {
                return true;
            }
        }
    }
    return false;
}

TEST(ListBackgroundTest, PlacesThePictureByPercentagesOfTheFreeRoom) {
    EXPECT_EQ(ListBackground::placement({500, 300}, {100, 100}, 50, 38), QPoint(200, 76));
    EXPECT_EQ(ListBackground::placement({100, 100}, {100, 100}, 50, 38), QPoint(0, 0));
    // Larger than the list: it overhangs on both sides, keeping its centre.
    EXPECT_EQ(ListBackground::placement({100, 100}, {200, 300}, 50, 38), QPoint(-50, -76));
}

TEST(ListBackgroundTest, DrawsThePictureBehindTheRows) {
    QTreeWidget list;
    list.resize(400, 300);
    QPixmap red(40, 40);
    red.fill(Qt::red);
    ListBackground background(&list, red, 50, 38);
    auto* item = new QTreeWidgetItem(&list, QStringList({"row"}));
    Q_UNUSED(item);
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    const QPoint at = background.position();
    const QImage shot = list.viewport()->grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(at + QPoint(20, 20))), QColor(Qt::red));
    EXPECT_NE(QColor(shot.pixel(at + QPoint(-5, 20))), QColor(Qt::red));
    EXPECT_NE(QColor(shot.pixel(at + QPoint(45, 20))), QColor(Qt::red));
}

// A light picture under the light text of a dark theme would hide the rows.
TEST(ListBackgroundTest, OnADarkListThePictureIsFaded) {
    QTreeWidget list;
    QPalette dark = list.palette();
    dark.setColor(QPalette::Base, QColor(24, 24, 24));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    list.setPalette(dark);
    list.resize(400, 300);
    QPixmap white(40, 40);
    white.fill(Qt::white);
    ListBackground background(&list, white, 50, 38);
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    const QImage shot = list.viewport()->grab().toImage();
    const QColor under(shot.pixel(background.position() + QPoint(20, 20)));
    EXPECT_LT(under.lightnessF(), 0.3) << "text at 0.9 lightness stays readable";
    EXPECT_GT(under.lightnessF(), QColor(24, 24, 24).lightnessF()) << "the picture is still there";
}

TEST(ListBackgroundTest, AMissingFileLeavesTheListPlain) {
    EXPECT_TRUE(
        ListBackground::load(QUrl::fromLocalFile("/nonexistent/globebkimage.bmp")).isNull());
    EXPECT_TRUE(ListBackground::load(QUrl("https://example.org/globebkimage.bmp")).isNull());
}

// Beside the program or in its data folder; the working directory is the last resort.
TEST(ListBackgroundTest, TheMainWindowTakesTheGlobeFromTheProgramsFoldersFirst) {
    TestPlatform platform;
    QTemporaryDir folder;
    const QDir top(folder.path());
    ASSERT_TRUE(top.mkpath("program") && top.mkpath("data") && top.mkpath("work"));
    ASSERT_TRUE(Artwork::globeBackground().save(top.filePath("data/globebkimage.bmp"), "BMP"));
    QImage other(10, 10, QImage::Format_RGB32);
    other.fill(Qt::red);
    ASSERT_TRUE(other.save(top.filePath("work/globebkimage.bmp"), "BMP"));
    const QString previous = QDir::currentPath();
    QDir::setCurrent(top.filePath("work"));
    const auto pictureSize = [](const QStringList& folders) {
        ScopedProgramFiles files(folders);
        MainWindow window;
        const auto* background = window.list()->findChild<ListBackground*>();
        return background != nullptr ? background->picture().size() : QSize(-2, -2);
    };
    const QSize installed = pictureSize({top.filePath("program"), top.filePath("data")});
    const QSize fromWork = pictureSize({top.filePath("program")});
    QDir::setCurrent(QDir::rootPath());
    const QSize none = pictureSize({top.filePath("program")});
    QDir::setCurrent(previous);

    EXPECT_EQ(installed, QSize(Artwork::kGlobeSize, Artwork::kGlobeSize));
    EXPECT_EQ(fromWork, QSize(10, 10));
    EXPECT_EQ(none, QSize(0, 0)); // no picture
}

TEST(ArtworkTest, PicturesHaveTheirSizesAndContent) {
    for (int size : {16, 32, 256}) {
        const QImage icon = Artwork::programIcon(size);
        EXPECT_EQ(icon.size(), QSize(size, size));
        EXPECT_TRUE(hasOpaquePixels(icon));
        // Rounded corners stay clear.
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
    }
    EXPECT_EQ(Artwork::protocolIcon().size(), QSize(16, 16));
    EXPECT_TRUE(hasOpaquePixels(Artwork::protocolIcon()));
    EXPECT_EQ(Artwork::aboutPicture(QSize(320, 70)).size(), QSize(320, 70));
    EXPECT_FALSE(Artwork::splashPicture().isNull());
    EXPECT_GE(Artwork::programIconSet().availableSizes().size(), 5);
    const QImage globe = Artwork::globeBackground();
    // Faint enough for black text on top of it.
    for (const QPoint& at : {QPoint(globe.width() / 2, globe.height() / 2), QPoint(40, 116)}) {
        EXPECT_GT(qGray(globe.pixel(at)), 170);
    }
}

} // namespace
