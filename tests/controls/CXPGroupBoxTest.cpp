#include "controls/CXPGroupBox.h"

#include <QImage>
#include <gtest/gtest.h>

TEST(CXPGroupBox, TitleIsPaddedWithOneSpaceAtEachEnd) {
    EXPECT_EQ(CXPGroupBox::paddedTitle(QStringLiteral("Study Official")),
              QStringLiteral(" Study Official "));
    EXPECT_EQ(CXPGroupBox::paddedTitle(QString()), QString());
    CXPGroupBox box(QStringLiteral("Citation"));
    EXPECT_EQ(box.displayTitle(), QStringLiteral(" Citation "));
}

TEST(CXPGroupBox, FrameHangsFromTheMiddleOfTheTitle) {
    CXPGroupBox box;
    const QSize size(200, 100);
    const QSize title(60, 14);
    EXPECT_EQ(box.titleRect(size, title), QRect(11, 1, 60, 14));
    EXPECT_EQ(CXPGroupBox::frameRect(size, title), QRect(1, 8, 198, 91));
    box.setCentredTitle(true);
    EXPECT_EQ(box.titleRect(size, title).left(), 1 + (198 - 60) / 2);
}

TEST(CXPGroupBox, PaintsFrameAndFilledTitleOverTheParent) {
    QWidget page;
    QPalette white = page.palette();
    white.setColor(QPalette::Window, Qt::white);
    page.setPalette(white);
    page.setAutoFillBackground(true);
    page.resize(300, 200);
    auto* box = new CXPGroupBox(QStringLiteral("Citation"), &page);
    box->setGeometry(10, 10, 200, 100);
    box->setFrameColour(QColor(160, 160, 160));
    box->setFillColour(QColor(10, 200, 30));
    page.show();

    const QImage image = page.grab().toImage();
    const QPoint origin(10, 10);
    const QSize title = box->fontMetrics().size(Qt::TextSingleLine, box->displayTitle());
    const QRect frame = CXPGroupBox::frameRect(box->size(), title);
    EXPECT_EQ(image.pixelColor(origin + QPoint(frame.left(), 60)), QColor(160, 160, 160));
    EXPECT_EQ(image.pixelColor(origin + QPoint(100, 60)), QColor(Qt::white)) << "hollow";
    // The leading space of the title shows the fill colour.
    const QRect titleArea = box->titleRect(box->size(), title);
    EXPECT_EQ(image.pixelColor(origin + titleArea.topLeft() + QPoint(1, 1)), QColor(10, 200, 30));
}
