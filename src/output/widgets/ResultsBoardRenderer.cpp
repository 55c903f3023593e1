#include "output/widgets/ResultsBoardRenderer.h"

#include "output/ResultsBoardLayout.h"
#include "ui/draw/DrawHelper.h"
#include "ui/text/AnsiText.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace {

const QString kTableFamily = QStringLiteral("Arial");
const QString kTitleFamily = QStringLiteral("Comic Sans MS");
const QString kCredit = QStringLiteral("Табло ВеМо 2007: итоги командной игры");
const QColor kBoardBlue(0x00, 0x00, 0xAF);
const QColor kHeaderBlue(0x3F, 0x3F, 0xAF);
const QColor kStripeGrey(0xD0, 0xD0, 0xD0);
const QColor kRiseGreen(0x00, 0x80, 0x00);
const QColor kFallRed(0xFF, 0x00, 0x00);

struct Caption {
    const char* text;
    BoardColumn column;
};
const Caption kCaptions[] = {
    {"М", BoardColumn::Place},
    {"Команда", BoardColumn::Team},
    {"Город", BoardColumn::Town},
    {"Очки/Рейт.", BoardColumn::Score},
};

QFont BoldFont(const QPainter& painter, const QString& family, int cellHeight) {
    return Draw::CellHeightFont(family, std::max(cellHeight, 1), true, false, painter.device());
}

void Fill(QPainter& painter, const PixelRect& rect, const QColor& color) {
    painter.fillRect(QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top), color);
}

// The largest bold cell height up to `cellHeight` at which `text` is at most `width` wide.
int FittingHeight(const QPainter& painter, const QString& family, const QString& text, int cellHeight, int width) {
    return FittingCellHeight(cellHeight, width, [&](int height) {
        return QFontMetrics(BoldFont(painter, family, height), painter.device()).horizontalAdvance(text);
    });
}

int Ascent(const QPainter& painter, int cellHeight) {
    return QFontMetrics(BoldFont(painter, kTableFamily, cellHeight), painter.device()).ascent();
}

// Sets the bold table font of `height` for a text of a row whose font has
// `cellHeight`, and answers the top of the text's cell that puts it on the
// row's baseline.
int UseSmallerFont(QPainter& painter, int top, int cellHeight, int height) {
    painter.setFont(BoldFont(painter, kTableFamily, height));
    return height == cellHeight ? top : top + Ascent(painter, cellHeight) - Ascent(painter, height);
}

// A figure must be read whole: when it is wider than its column it is
// drawn smaller, on the row's baseline.
void DrawFigure(QPainter& painter, const QString& text, int left, int right, int top, int cellHeight) {
    const int height = FittingHeight(painter, kTableFamily, text, cellHeight, right - left);
    Draw::TextOut(painter, left, UseSmallerFont(painter, top, cellHeight, height), text);
}

// A name too long for its column is drawn smaller, down to the smallest
// size the layout allows, and what still does not fit ends in an ellipsis.
void DrawName(QPainter& painter, const std::string& ansi, int left, int right, int top, int cellHeight,
              int smallestHeight) {
    const QString name = FromAnsi(ansi);
    const int height = std::max(FittingHeight(painter, kTableFamily, name, cellHeight, right - left), smallestHeight);
    const int y = UseSmallerFont(painter, top, cellHeight, height);
    Draw::TextOut(painter, left, y, painter.fontMetrics().elidedText(name, Qt::ElideRight, right - left));
}

void DrawHeader(QPainter& painter, const BoardTableLayout& layout) {
    painter.setFont(BoldFont(painter, kTableFamily, layout.HeaderCellHeight()));
    Fill(painter, layout.HeaderBand(Draw::TextHeight(painter)), kHeaderBlue);
    painter.setPen(Qt::white);
    for (const Caption& caption : kCaptions)
        Draw::TextOut(painter, layout.ColumnLeft(caption.column), layout.HeaderTop(), QString::fromUtf8(caption.text));
}

void DrawMovement(QPainter& painter, const BoardTableLayout& layout, int i, int movement) {
    const QColor color = movement > 0 ? kRiseGreen : kFallRed;
    const BoardArrow arrow = layout.Arrow(i, movement);
    painter.setPen(Qt::white);
    painter.setBrush(color);
    painter.drawPolygon(QPolygon({QPoint(arrow.baseLeft.x, arrow.baseLeft.y), QPoint(arrow.baseRight.x, arrow.baseRight.y),
                                  QPoint(arrow.apex.x, arrow.apex.y)}));
    if (!BoardTableLayout::ShowsMoveSize(movement)) return;
    painter.setPen(color);
    DrawFigure(painter, QString::number(std::abs(movement)), layout.MoveLeft(), layout.MoveRight(), layout.MoveTop(i),
               layout.MoveCellHeight());
}

void DrawRow(QPainter& painter, const BoardTableLayout& layout, int i, const BoardRow& row) {
    if (BoardTableLayout::Striped(i)) Fill(painter, layout.Stripe(i), kStripeGrey);
    const int u = layout.Unit();
    const int top = layout.RowTop(i);
    painter.setPen(Qt::black);
    DrawFigure(painter, QString::number(row.Place), layout.ColumnLeft(BoardColumn::Place),
               layout.ColumnRight(BoardColumn::Place), top, u);
    for (const auto& [text, column] : {std::pair{&row.Name, BoardColumn::Team}, std::pair{&row.Town, BoardColumn::Town}})
        DrawName(painter, *text, layout.ColumnLeft(column), layout.ColumnRight(column), top, u,
                 layout.SmallestNameCellHeight());
    DrawFigure(painter, QStringLiteral("%1/%2").arg(row.Score).arg(row.RatScore), layout.ColumnLeft(BoardColumn::Score),
               layout.ColumnRight(BoardColumn::Score), top, u);
    if (row.Movement != 0) DrawMovement(painter, layout, i, row.Movement);
}

void DrawCredit(QPainter& painter, const BoardTableLayout& layout) {
    QFont font(kTableFamily);
    font.setPointSize(std::max(layout.CreditPoints(), 1));
    font.setBold(true);
    font.setItalic(true);
    painter.setFont(font);
    painter.setPen(Qt::black);
    Draw::TextOut(painter, layout.CreditX(Draw::TextWidth(painter, kCredit)), layout.CreditY(Draw::TextHeight(painter)),
                  kCredit);
}

}  // namespace

void RenderBoardBand(QPainter& painter, int width, int height, const BoardHeading& heading) {
    const BoardBandLayout layout(width, height);
    painter.fillRect(0, 0, width, height, Qt::white);

    painter.setFont(BoldFont(painter, kTableFamily, layout.DateCellHeight()));
    painter.setPen(kBoardBlue);
    const QString date = FromAnsi(heading.Date);
    const int textHeight = Draw::TextHeight(painter);
    Draw::TextOut(painter, layout.DateX(Draw::TextWidth(painter, date)), layout.DateY(textHeight), date);
    const QString caption = QStringLiteral("Результат после вопроса №%1").arg(heading.LastQuestion);
    Draw::TextOut(painter, layout.CaptionX(Draw::TextWidth(painter, caption)), layout.CaptionY(textHeight), caption);

    Fill(painter, layout.TitleStripe(), kBoardBlue);
    const QString title = FromAnsi(heading.Title);
    painter.setFont(BoldFont(painter, kTitleFamily, FittingHeight(painter, kTitleFamily, title,
                                                                  layout.TitleCellHeight(), layout.Width())));
    painter.setPen(Qt::white);
    Draw::TextOut(painter, layout.TitleX(Draw::TextWidth(painter, title)), layout.TitleY(Draw::TextHeight(painter)),
                  title);
}

void RenderBoardTable(QPainter& painter, int width, int height, const std::vector<BoardRow>& rows, int firstRow) {
    const BoardTableLayout layout(width, height, firstRow, static_cast<int>(rows.size()));
    painter.fillRect(0, 0, width, height, Qt::white);
    DrawHeader(painter, layout);
    for (int i = std::max(layout.FirstShown(), 0); i <= layout.LastShown(); ++i)
        DrawRow(painter, layout, i, rows[static_cast<std::size_t>(i)]);
    DrawCredit(painter, layout);
}
