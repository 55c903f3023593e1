// The number field drawn on an image: each number in its colour, centred in
// its cell, on the button face.
#include "entry/DigFieldLayout.h"
#include "entry/widgets/DigFieldRenderer.h"
#include "support/TestApplication.h"
#include "ui/draw/DrawHelper.h"

#include <QImage>
#include <QPainter>

#include <algorithm>

#include <gtest/gtest.h>

namespace {

const QColor kGreen(0, 255, 0);
const QColor kRed(255, 0, 0);

// A pixel of small antialiased text is rarely covered whole: it counts as
// red or green ink when that channel stands well above the other two.
bool Inked(const QColor& pixel, const QColor& colour) {
    const int channels[] = {pixel.red(), pixel.green(), pixel.blue()};
    const int wanted = colour == kRed ? 0 : 1;
    return channels[wanted] - std::max(channels[(wanted + 1) % 3], channels[(wanted + 2) % 3]) > 60;
}

struct Ink {
    int pixels = 0;
    QRect box;
};

// The pixels of `colour`'s ink inside `area`, and their bounding box.
Ink InkOf(const QImage& image, const QRect& area, const QColor& colour) {
    Ink ink;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (Inked(image.pixelColor(x, y), colour)) {
                ++ink.pixels;
                ink.box |= QRect(x, y, 1, 1);
            }
    return ink;
}

QImage Drawn(int width, int height, const std::vector<DigCell>& cells, std::string_view sample) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    DrawDigField(painter, width, height, cells, sample, QRect(0, 0, width, height));
    return image;
}

QRect CellRect(const DigFieldLayout& layout, int position) {
    return {layout.CellLeft(position), layout.CellTop(position), layout.CellWidth, layout.CellHeight};
}

class DigFieldRendererTest : public ::testing::Test {
protected:
    DigFieldRendererTest() { TestApplication(); }
};

TEST_F(DigFieldRendererTest, TakenGreenMissedRedEachCentredInItsCell) {
    std::vector<DigCell> cells;
    for (int n = 1; n <= 12; ++n) cells.push_back({n, n == 7});
    const QImage image = Drawn(529, 301, cells, kTeamSample);
    const DigFieldLayout layout = LayOutDigField(12, 529, 301);

    const Ink green = InkOf(image, CellRect(layout, 7), kGreen);
    EXPECT_GT(green.pixels, 20);
    // The strokes of a large number are drawn in the pure colours.
    int pure = 0;
    for (int y = green.box.top(); y <= green.box.bottom(); ++y)
        for (int x = green.box.left(); x <= green.box.right(); ++x) pure += image.pixelColor(x, y) == kGreen;
    EXPECT_GT(pure, 10);
    EXPECT_EQ(InkOf(image, CellRect(layout, 7), kRed).pixels, 0);
    const QPoint centre = CellRect(layout, 7).center();
    EXPECT_NEAR(green.box.center().x(), centre.x(), 3);
    EXPECT_NEAR(green.box.center().y(), centre.y(), 6);

    for (int p : {1, 8, 12}) {
        SCOPED_TRACE(p);
        const Ink red = InkOf(image, CellRect(layout, p), kRed);
        EXPECT_GT(red.pixels, 10);
        EXPECT_EQ(InkOf(image, CellRect(layout, p), kGreen).pixels, 0);
        EXPECT_TRUE(CellRect(layout, p).contains(red.box));
    }
    // Nothing green anywhere but in cell 7, and the unused cells are empty.
    EXPECT_EQ(InkOf(image, image.rect(), kGreen).pixels, green.pixels);
    EXPECT_EQ(InkOf(image, CellRect(layout, 13), kRed).pixels, 0);
    EXPECT_EQ(image.pixelColor(528, 300), Draw::ThemeColors().buttonFace);
}

TEST_F(DigFieldRendererTest, TheLargestFontThatFitsTheCells) {
    // 12 cells of 105 x 100: the 40-pixel cap of "OO" decides, so the
    // digits are well inside their cells; 500 cells of 17 x 17 take a font
    // whose "OO" fits 17 pixels.
    const QImage few = Drawn(529, 301, {{12, false}}, kTeamSample);
    const Ink large = InkOf(few, few.rect(), kRed);
    EXPECT_GT(large.box.height(), 14);
    EXPECT_LT(large.box.width(), 40);

    std::vector<DigCell> many;
    for (int n = 1; n <= 500; ++n) many.push_back({n, false});
    const QImage crowded = Drawn(529, 301, many, kTeamSample);
    const DigFieldLayout layout = LayOutDigField(500, 529, 301);
    const Ink small = InkOf(crowded, CellRect(layout, 88), kRed);
    EXPECT_GT(small.pixels, 5);
    EXPECT_LE(small.box.height(), 17);
}

// The three-digit numbers of a big hall keep off the borders of their
// cells, on the field a full-HD screen gives the window and a small one.
TEST_F(DigFieldRendererTest, LongNumbersStayApart) {
    const struct {
        int count, width, height;
    } cases[] = {{500, 1190, 630}, {300, 529, 301}, {999, 1190, 630}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.count);
        std::vector<DigCell> cells;
        for (int n = 1; n <= c.count; ++n) cells.push_back({n, false});
        const QImage image = Drawn(c.width, c.height, cells, kTeamSample);
        const DigFieldLayout layout = LayOutDigField(c.count, c.width, c.height);
        const int lastFullRow = c.count / layout.Columns - 1;
        const int top = lastFullRow * layout.CellHeight;
        EXPECT_GT(InkOf(image, QRect(0, top, c.width, layout.CellHeight), kRed).pixels, 10 * layout.Columns);
        for (int column = 1; column < layout.Columns; ++column) {
            const QRect border(column * layout.CellWidth, top, 1, layout.CellHeight);
            EXPECT_EQ(InkOf(image, border, kRed).pixels, 0) << "between columns " << column << " and " << column + 1;
        }
    }
}

// Drawing one cell's area leaves every other pixel as it was.
TEST_F(DigFieldRendererTest, OnlyTheCellsOfTheAreaAreDrawn) {
    std::vector<DigCell> cells;
    for (int n = 1; n <= 12; ++n) cells.push_back({n, n == 7});
    const DigFieldLayout layout = LayOutDigField(12, 529, 301);
    QImage image(529, 301, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    DrawDigField(painter, 529, 301, cells, kTeamSample, CellRect(layout, 7));
    painter.end();

    const QImage whole = Drawn(529, 301, cells, kTeamSample);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb expected = CellRect(layout, 7).contains(x, y) ? whole.pixel(x, y) : qRgb(0, 0, 0);
            ASSERT_EQ(image.pixel(x, y), expected) << x << ", " << y;
        }
}

TEST_F(DigFieldRendererTest, AnEmptyFieldIsTheButtonFace) {
    const QImage image = Drawn(100, 50, {}, kQuestionSample);
    EXPECT_EQ(image.pixelColor(0, 0), Draw::ThemeColors().buttonFace);
    EXPECT_EQ(image.pixelColor(99, 49), Draw::ThemeColors().buttonFace);
}

}  // namespace
