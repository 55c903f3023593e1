#include "entry/widgets/DigField.h"

#include "entry/DigFieldLayout.h"
#include "entry/widgets/DigFieldRenderer.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <utility>

DigField::DigField(std::string_view widthSample, QSize size, QWidget* parent)
    : QWidget(parent), FWidthSample(widthSample), FSize(size) {
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DigField::ShowCells(std::vector<DigCell> cells) {
    const bool sameNumbers = std::equal(FCells.begin(), FCells.end(), cells.begin(), cells.end(),
                                        [](const DigCell& a, const DigCell& b) { return a.Number == b.Number; });
    const std::vector<DigCell> before = std::exchange(FCells, std::move(cells));
    if (!sameNumbers) {
        update();
        return;
    }
    const DigFieldLayout layout = LayOutDigField(static_cast<int>(FCells.size()), width(), height());
    for (std::size_t i = 0; i < FCells.size(); ++i) {
        if (FCells[i].Taken == before[i].Taken) continue;
        const int p = static_cast<int>(i) + 1;
        update(layout.CellLeft(p), layout.CellTop(p), layout.CellWidth, layout.CellHeight);
    }
}

int DigField::PositionAt(QPoint point) const {
    return LayOutDigField(static_cast<int>(FCells.size()), width(), height()).PositionAt(point.x(), point.y());
}

void DigField::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    DrawDigField(painter, width(), height(), FCells, FWidthSample, event->rect());
}

void DigField::mouseMoveEvent(QMouseEvent* event) { emit Pointed(PositionAt(event->position().toPoint())); }

void DigField::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit Clicked(PositionAt(event->position().toPoint()));
}
