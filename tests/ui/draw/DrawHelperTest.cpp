// The drawing conventions on real images: fonts sized by their
// cell height, and text placed and clipped by its cell.
#include "support/TestApplication.h"
#include "ui/draw/DrawHelper.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

// The bounding box of the pixels that are not white.
QRect InkBox(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != Qt::white) box |= QRect(x, y, 1, 1);
    return box;
}

QImage WhiteImage(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

}  // namespace

TEST(DrawHelper, CellHeightFontIsTheLargestThatFits) {
    TestApplication();
    QImage device = WhiteImage(4, 4);
    for (const char* family : {"Arial", "Times New Roman", "Comic Sans MS"})
        for (bool bold : {false, true})
            for (int h : {1, 5, 8, 12, 18, 25, 40, 77, 120}) {
                const QFont font = Draw::CellHeightFont(QString::fromLatin1(family), h, bold, false, &device);
                const QFontMetrics metrics(font, &device);
                EXPECT_TRUE(font.pixelSize() == 1 || metrics.ascent() + metrics.descent() <= h)
                    << family << ' ' << h;
                QFont larger = font;
                larger.setPixelSize(font.pixelSize() + 1);
                const QFontMetrics next(larger, &device);
                EXPECT_GT(next.ascent() + next.descent(), h) << family << ' ' << h;
                EXPECT_EQ(font.bold(), bold);
            }
}

TEST(DrawHelper, TextOutPlacesTheCellByItsTopLeftAndTextRectClips) {
    TestApplication();
    QImage image = WhiteImage(200, 100);
    {
        QPainter painter(&image);
        painter.setFont(Draw::CellHeightFont(QStringLiteral("Arial"), 30));
        painter.setPen(Qt::black);
        Draw::TextOut(painter, 20, 10, QStringLiteral("ММ"));
        const int height = Draw::TextHeight(painter);
        const QRect ink = InkBox(image);
        EXPECT_GE(ink.top(), 10);
        EXPECT_LE(ink.bottom(), 10 + height);
        EXPECT_GE(ink.left(), 20);
        EXPECT_LE(ink.right(), 20 + Draw::TextWidth(painter, QStringLiteral("ММ")));
    }
    QImage clipped = WhiteImage(200, 100);
    {
        QPainter painter(&clipped);
        painter.setFont(Draw::CellHeightFont(QStringLiteral("Arial"), 30));
        painter.setPen(Qt::black);
        Draw::TextRect(painter, 20, 10, 40, 30, 20, 10, QStringLiteral("ММММММ"));
        EXPECT_TRUE(QRect(20, 10, 20, 20).contains(InkBox(clipped))) << "text must stay in its rectangle";
    }
}

TEST(DrawHelper, OpaqueTextOutFillsExactlyTheTextCell) {
    TestApplication();
    QImage image = WhiteImage(200, 100);
    QPainter painter(&image);
    painter.setFont(Draw::CellHeightFont(QStringLiteral("Arial"), 20));
    painter.setPen(Qt::black);
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(QColor(0xD0, 0xD0, 0xD0));
    Draw::TextOut(painter, 10, 10, QStringLiteral("1"));
    const int w = Draw::TextWidth(painter, QStringLiteral("1"));
    const int h = Draw::TextHeight(painter);
    painter.end();
    EXPECT_EQ(InkBox(image), QRect(10, 10, w, h));
    EXPECT_EQ(image.pixelColor(10, 10), QColor(0xD0, 0xD0, 0xD0));
}
