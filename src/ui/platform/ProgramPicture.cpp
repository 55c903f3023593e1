// Draws the picture to any size: a sheet with a three-by-three grid of
// answers, taken ones green with "+", missed ones red with "-".
#include "ui/platform/ProgramPicture.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int kCells = 3;
constexpr int kPictureSize = 64;
// Which cells of the grid show a taken answer.
constexpr bool kTaken[kCells][kCells] = {{true, false, true}, {true, true, false}, {false, true, true}};

void DrawSign(QPainter& painter, const QRectF& cell, bool taken) {
    const qreal arm = cell.width() * 0.28;
    const QPointF centre = cell.center();
    painter.setPen(QPen(Qt::white, cell.width() * 0.14, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre - QPointF(arm, 0), centre + QPointF(arm, 0));
    if (taken) painter.drawLine(centre - QPointF(0, arm), centre + QPointF(0, arm));
}

void DrawSheet(QPainter& painter, const QRectF& area) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(32, 64, 128));
    painter.drawRoundedRect(area, area.width() * 0.12, area.height() * 0.12);

    const qreal margin = area.width() * 0.1;
    const qreal gap = area.width() * 0.04;
    const qreal cellSize = (area.width() - 2 * margin - (kCells - 1) * gap) / kCells;
    for (int row = 0; row < kCells; ++row) {
        for (int column = 0; column < kCells; ++column) {
            const QRectF cell(area.left() + margin + column * (cellSize + gap),
                              area.top() + margin + row * (cellSize + gap), cellSize, cellSize);
            const bool taken = kTaken[row][column];
            painter.setPen(Qt::NoPen);
            painter.setBrush(taken ? QColor(40, 160, 72) : QColor(200, 48, 48));
            painter.drawRect(cell);
            DrawSign(painter, cell, taken);
        }
    }
}

}  // namespace

ProgramPicture::ProgramPicture(QWidget* parent) : QWidget(parent) {
    setFixedSize(kPictureSize, kPictureSize);
    setCursor(Qt::PointingHandCursor);
}

QSize ProgramPicture::sizeHint() const { return {kPictureSize, kPictureSize}; }

void ProgramPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int side = qMin(width(), height());
    DrawSheet(painter, QRectF(0, 0, side, side));
}

void ProgramPicture::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit clicked();
    QWidget::mousePressEvent(event);
}
