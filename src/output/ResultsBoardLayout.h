// Where the results board draws on the hall's screen: the top band of the
// window (date, title on a blue stripe, the question the standings hold
// after) and the table below it (a header band and up to ten rows from
// the first shown row on, with arrows for the teams that moved). Positions
// are in the pixels of each picture; texts are placed by the top-left
// corner of their cell, whose extents the renderer measures. Also the
// scrolling of the first shown row.
#pragma once

#include "output/PageGeometry.h"

#include <functional>

// The top band takes a seventh of the window's height, the table the rest.
int BoardBandHeight(int windowHeight);

// The top band of W x H pixels.
class BoardBandLayout {
public:
    BoardBandLayout(int width, int height) : FWidth(width), FHeight(height) {}

    // The date (top right) and the caption "Результат после вопроса №..."
    // (centred in the lowest quarter) share one font.
    int DateCellHeight() const { return FHeight / 4; }
    int DateX(int textWidth) const { return FWidth - 10 - textWidth; }
    int DateY(int textHeight) const { return (FHeight / 4 - textHeight) / 2; }
    int CaptionX(int textWidth) const { return (FWidth - textWidth) / 2; }
    int CaptionY(int textHeight) const { return FHeight - textHeight / 2 - FHeight / 8; }

    // The blue stripe across the middle half, and the title centred on it,
    // in a font of at most TitleCellHeight() that fits the width.
    PixelRect TitleStripe() const { return {0, FHeight / 4, FWidth - 1, FHeight - FHeight / 4}; }
    int TitleCellHeight() const { return FHeight / 3; }
    int TitleX(int textWidth) const { return (FWidth - textWidth) / 2; }
    int TitleY(int textHeight) const { return FHeight / 4 + (FHeight / 2 - textHeight) / 2; }
    int Width() const { return FWidth; }

private:
    int FWidth;
    int FHeight;
};

enum class BoardColumn { Place, Team, Town, Score };

struct PixelPoint {
    int x = 0;
    int y = 0;
    bool operator==(const PixelPoint&) const = default;
};

// The arrow of a team that moved: a triangle with its base and its apex.
struct BoardArrow {
    PixelPoint baseLeft, baseRight, apex;
    bool operator==(const BoardArrow&) const = default;
};

// The table of W x h pixels with rows 0..n - 1 (in place order), from row
// `firstRow` on. The row unit u is h / 15; rows are 1.2 u apart.
class BoardTableLayout {
public:
    static constexpr int kShownRows = 10;

    BoardTableLayout(int width, int height, int firstRow, int rowCount);

    int Unit() const { return FUnit; }
    int FirstShown() const { return FFirst; }
    // The last row shown; below FirstShown() when there is no row.
    int LastShown() const;

    // The header: captions in a font of u / 2 on a band that holds them.
    int HeaderCellHeight() const { return FUnit / 2; }
    PixelRect HeaderBand(int captionHeight) const;
    int HeaderTop() const { return FUnit / 2 + 10; }

    // A column starts at a fixed share of the width; its texts end a space
    // (a quarter of u) before the next column starts, so that no text runs
    // into its neighbour's.
    int ColumnLeft(BoardColumn column) const;
    int ColumnRight(BoardColumn column) const;

    // Row i: the top of its texts (font of cell height u), and for odd rows
    // the grey stripe behind them. A name or town too long for its column
    // is drawn smaller, down to 3/4 u, and then cut.
    int RowTop(int i) const;
    int SmallestNameCellHeight() const;
    static bool Striped(int i) { return i % 2 != 0; }
    PixelRect Stripe(int i) const;

    // A rise points up, a fall down; between the place and the team columns.
    BoardArrow Arrow(int i, int movement) const;
    // Moves of two places or more also show their size, right of the arrow,
    // in a font of 3/4 u.
    static bool ShowsMoveSize(int movement) { return movement >= 2 || movement <= -2; }
    int MoveCellHeight() const;
    int MoveLeft() const;
    int MoveRight() const;
    int MoveTop(int i) const;

    // The credit line in the lower right corner, in a font of u / 5 points.
    int CreditPoints() const { return FUnit / 5; }
    int CreditX(int textWidth) const { return FWidth - textWidth - 10; }
    int CreditY(int textHeight) const { return FHeight - textHeight - 10; }

private:
    int AtWidth(double share) const;
    int RowsDown(int i, double rows) const;

    int FWidth;
    int FHeight;
    int FUnit;
    int FFirst;
    int FCount;
};

// The largest cell height from `start` down to 1 at which a text is at
// most `maxWidth` wide; `widthAt` measures the text at a cell height. A
// title too long for the band, and a figure too wide for its column,
// shrink until they fit.
int FittingCellHeight(int start, int maxWidth, const std::function<int(int cellHeight)>& widthAt);

// Scrolling: a page is ten rows; a wheel step away from the user (delta
// above 0) goes up one row, towards the user (0 or below) down one, and
// with Ctrl a page. The first shown row stays between 0 and n - 1.
inline constexpr int kBoardPageRows = 10;
int WheelRows(int delta, bool ctrl);
int ClampFirstRow(int firstRow, int rowCount);
