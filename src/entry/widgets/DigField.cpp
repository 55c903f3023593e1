#include "entry/widgets/DigField.h"

#include "entry/DigFieldLayout.h"
#include "entry/widgets/DigFieldRenderer.h"

#include <QMouseEvent>
#include <QPainter>

DigField::DigField(std::string_view widthSample, QSize size, QWidget* parent)
    : QWidget(parent), FWidthSample(widthSample), FSize(size) {
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DigField::ShowCells(std::vector<DigCell> cells) {
    FCells = std::move(cells);
    update();
}

int DigField::PositionAt(QPoint point) const {
    return LayOutDigField(static_cast<int>(FCells.size()), width(), height()).PositionAt(point.x(), point.y());
}

void DigField::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    DrawDigField(painter, width(), height(), FCells, FWidthSample);
}

void DigField::mouseMoveEvent(QMouseEvent* event) { emit Pointed(PositionAt(event->position().toPoint())); }

void DigField::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit Clicked(PositionAt(event->position().toPoint()));
}
