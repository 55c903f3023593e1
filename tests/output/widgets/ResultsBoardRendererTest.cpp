// The results board drawn on images: the band's blue stripe and the title
// shrinking to fit it, the header band, the grey stripes of odd rows, the
// arrows and move sizes where the layout puts them, and the table from the
// first shown row on.
#include "output/ResultsBoardLayout.h"
#include "output/widgets/ResultsBoardRenderer.h"
#include "support/TestApplication.h"
#include "ui/draw/DrawHelper.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

constexpr int kWidth = 1920;
constexpr int kBandHeight = 154;
constexpr int kTableHeight = 926;
const QColor kBoardBlue(0x00, 0x00, 0xAF);
const QColor kHeaderBlue(0x3F, 0x3F, 0xAF);
const QColor kStripeGrey(0xD0, 0xD0, 0xD0);
const QColor kRiseGreen(0x00, 0x80, 0x00);
const QColor kFallRed(0xFF, 0x00, 0x00);

QImage Band(const std::string& title, int width = kWidth) {
    TestApplication();
    QImage image(width, kBandHeight, QImage::Format_RGB32);
    image.fill(Qt::red);  // the renderer must paint the whole band
    QPainter painter(&image);
    RenderBoardBand(painter, width, kBandHeight, {title, "17.03.2024", 36});
    return image;
}

QImage Table(const std::vector<BoardRow>& rows, int firstRow = 0) {
    TestApplication();
    QImage image(kWidth, kTableHeight, QImage::Format_RGB32);
    image.fill(Qt::red);
    QPainter painter(&image);
    RenderBoardTable(painter, kWidth, kTableHeight, rows, firstRow);
    return image;
}

QColor At(const QImage& image, int x, int y) { return image.pixelColor(x, y); }

// Pixels of `color` inside `rect`.
int Count(const QImage& image, const QRect& rect, const QColor& color) {
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x) count += image.pixelColor(x, y) == color;
    return count;
}

// Pixels of dark text inside `rect`.
int Dark(const QImage& image, const QRect& rect) {
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x) count += qGray(image.pixel(x, y)) < 60;
    return count;
}

// The box around every pixel of `color` inside `rect`.
QRect Ink(const QImage& image, const QRect& rect, const QColor& color) {
    QRect ink;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (image.pixelColor(x, y) == color) ink |= QRect(x, y, 1, 1);
    return ink;
}

std::vector<BoardRow> Rows(int count, const std::vector<int>& movements = {}) {
    std::vector<BoardRow> rows;
    for (int i = 0; i < count; ++i) {
        const int movement = i < static_cast<int>(movements.size()) ? movements[static_cast<std::size_t>(i)] : 0;
        rows.push_back({"T" + std::to_string(i + 1), "Town", 30 - i, 300 - i, i + 1, movement});
    }
    return rows;
}

const BoardTableLayout kLayout(kWidth, kTableHeight, 0, 12);

// Inside the arrow of row i: between its apex and its base, on its middle.
QPoint InsideArrow(int i, int movement) {
    const BoardArrow arrow = kLayout.Arrow(i, movement);
    return {arrow.apex.x, (arrow.apex.y + arrow.baseLeft.y) / 2};
}

// Where the move size of row i goes: from its column's left to the team column.
QRect MoveSizeBox(int i) {
    return QRect(QPoint(kLayout.MoveLeft(), kLayout.MoveTop(i)),
                 QPoint(kLayout.ColumnLeft(BoardColumn::Team) - 1, kLayout.MoveTop(i) + kLayout.MoveCellHeight() - 1));
}

// The free stretch of a row at the right edge, past every text.
QPoint RowMargin(int i, int firstRow = 0) {
    const BoardTableLayout layout(kWidth, kTableHeight, firstRow, 12);
    return {kWidth - 3, layout.RowTop(i) + layout.Unit() / 2};
}

}  // namespace

TEST(ResultsBoardRenderer, TheBandIsWhiteWithABlueStripe) {
    const QImage band = Band("Кубок");
    const PixelRect stripe = BoardBandLayout(kWidth, kBandHeight).TitleStripe();
    EXPECT_EQ(At(band, 2, 2), QColor(Qt::white));
    EXPECT_EQ(At(band, 2, stripe.top), kBoardBlue);
    EXPECT_EQ(At(band, kWidth - 2, stripe.bottom - 1), kBoardBlue);
    EXPECT_EQ(At(band, 2, stripe.bottom), QColor(Qt::white));
    // The date at the top right and the caption under the stripe, in blue.
    EXPECT_GT(Count(band, QRect(kWidth - 300, 0, 300, stripe.top), kBoardBlue), 100);
    EXPECT_GT(Count(band, QRect(kWidth / 3, stripe.bottom, kWidth / 3, kBandHeight - stripe.bottom), kBoardBlue), 100);
    EXPECT_EQ(Count(band, band.rect(), Qt::red), 0);
}

TEST(ResultsBoardRenderer, ALongTitleShrinksToTheBandsWidth) {
    TestApplication();
    const PixelRect stripe = BoardBandLayout(kWidth, kBandHeight).TitleStripe();
    const QRect stripeRect(stripe.left, stripe.top, stripe.right - stripe.left, stripe.bottom - stripe.top);
    const std::string shortTitle = "Kubok";
    const std::string longTitle(80, 'W');

    // A short title keeps the cell height H / 3: it is as high as the text
    // drawn here in that font.
    QImage expected(kWidth, kBandHeight, QImage::Format_RGB32);
    expected.fill(Qt::black);
    {
        QPainter painter(&expected);
        painter.setFont(Draw::CellHeightFont(QStringLiteral("Comic Sans MS"), kBandHeight / 3, true, false, &expected));
        painter.setPen(Qt::white);
        Draw::TextOut(painter, 0, 0, QString::fromStdString(shortTitle));
    }
    const QRect shortInk = Ink(Band(shortTitle), stripeRect, Qt::white);
    EXPECT_EQ(shortInk.height(), Ink(expected, expected.rect(), Qt::white).height());

    const QRect longInk = Ink(Band(longTitle), stripeRect, Qt::white);
    EXPECT_LT(longInk.height(), shortInk.height());
    EXPECT_GT(longInk.left(), 0);
    EXPECT_LT(longInk.right(), stripe.right - 1);
    EXPECT_GT(longInk.width(), kWidth * 9 / 10);  // no smaller than it must
}

TEST(ResultsBoardRenderer, HeaderBandAndStripesOfOddRows) {
    const QImage table = Table(Rows(12));
    EXPECT_EQ(At(table, 5, kLayout.Unit() / 2 + 7), kHeaderBlue);
    EXPECT_EQ(At(table, kWidth - 2, kLayout.Unit() / 2 + 7), kHeaderBlue);
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE(i);
        const QPoint margin = RowMargin(i);
        EXPECT_EQ(At(table, margin.x(), margin.y()), i % 2 ? kStripeGrey : QColor(Qt::white));
    }
    // Ten rows at most: under the tenth the table is white.
    const QPoint eleventh = RowMargin(10);
    EXPECT_EQ(At(table, eleventh.x(), eleventh.y()), QColor(Qt::white));
    EXPECT_EQ(Count(table, table.rect(), Qt::red), 0);
}

TEST(ResultsBoardRenderer, RowsFromTheFirstShownRow) {
    // Row 5 is odd: shown first, it is striped; black text of its place in the place column.
    const QImage table = Table(Rows(12), 5);
    const QPoint first = RowMargin(5, 5);
    EXPECT_EQ(At(table, first.x(), first.y()), kStripeGrey);
    const QPoint second = RowMargin(6, 5);
    EXPECT_EQ(At(table, second.x(), second.y()), QColor(Qt::white));
    const QRect placeBox(kLayout.ColumnLeft(BoardColumn::Place), kLayout.RowTop(0), kLayout.Unit(), kLayout.Unit());
    EXPECT_GT(Dark(table, placeBox), 20);
    // Rows 5 to 11: nothing drawn in the eighth position on.
    const QRect eighth(0, kLayout.RowTop(7), kWidth, kLayout.Unit());
    EXPECT_EQ(Dark(table, eighth), 0);
}

TEST(ResultsBoardRenderer, ArrowsAndMoveSizes) {
    // Rows: rose 1, rose 2, no move, fell 1, fell 3.
    const QImage table = Table(Rows(5, {1, 2, 0, -1, -3}));
    struct Case {
        int row, movement;
        QColor arrow;
        bool size;
    };
    const Case cases[] = {
        {0, 1, kRiseGreen, false}, {1, 2, kRiseGreen, true}, {3, -1, kFallRed, false}, {4, -3, kFallRed, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        const QPoint inside = InsideArrow(c.row, c.movement);
        EXPECT_EQ(At(table, inside.x(), inside.y()), c.arrow);
        EXPECT_EQ(Count(table, MoveSizeBox(c.row), c.arrow) > 0, c.size);
    }
    const QPoint still = InsideArrow(2, 1);
    EXPECT_EQ(At(table, still.x(), still.y()), QColor(Qt::white));
    EXPECT_EQ(Count(table, MoveSizeBox(2), kRiseGreen) + Count(table, MoveSizeBox(2), kFallRed), 0);
}

TEST(ResultsBoardRenderer, AFallShowsItsSizeWithoutTheSign) {
    const QImage table = Table(Rows(5, {0, 0, 0, 0, -3}));
    QImage expected(kWidth, kTableHeight, QImage::Format_RGB32);
    expected.fill(Qt::white);
    {
        QPainter painter(&expected);
        painter.setFont(Draw::CellHeightFont(QStringLiteral("Arial"), kLayout.MoveCellHeight(), true, false, &expected));
        painter.setPen(kFallRed);
        Draw::TextOut(painter, kLayout.MoveLeft(), kLayout.MoveTop(4), QStringLiteral("3"));
    }
    const QRect box = MoveSizeBox(4);
    EXPECT_EQ(table.copy(box), expected.copy(box));
}

TEST(ResultsBoardRenderer, FiguresTooWideForTheirColumnShrink) {
    // A place of 12345 is wider than its column at full size; drawn smaller,
    // nothing of it crosses into the arrow's column.
    std::vector<BoardRow> rows = Rows(1);
    rows[0].Place = 12345;
    const QImage table = Table(rows);
    const QRect placeBox(QPoint(kLayout.ColumnLeft(BoardColumn::Place), kLayout.RowTop(0)),
                         QPoint(kLayout.ColumnRight(BoardColumn::Place) - 1, kLayout.RowTop(0) + kLayout.Unit() - 1));
    const QRect beyond(QPoint(kLayout.ColumnRight(BoardColumn::Place), kLayout.RowTop(0)),
                       QPoint(kLayout.ColumnLeft(BoardColumn::Team) - 1, kLayout.RowTop(0) + kLayout.Unit() - 1));
    EXPECT_GT(Dark(table, placeBox), 50);
    EXPECT_EQ(Dark(table, beyond), 0);
}

TEST(ResultsBoardRenderer, WithoutTeamsTheHeaderAndTheCreditRemain) {
    const QImage table = Table({});
    EXPECT_EQ(At(table, 5, kLayout.Unit() / 2 + 7), kHeaderBlue);
    EXPECT_EQ(Dark(table, QRect(0, kLayout.RowTop(0), kWidth, kLayout.Unit() * 8)), 0);
    const QRect corner(kWidth - 400, kTableHeight - 60, 390, 50);
    EXPECT_GT(Dark(table, corner), 50);
}
