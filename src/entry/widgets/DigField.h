// A drawing surface of the quick entry window (Im1, Im2): shows the numbers
// it is given through DrawDigField and tells which position the pointer
// is over and which one was clicked (0 where no cell is).
#pragma once

#include "entry/QuickEntry.h"

#include <QWidget>

#include <string_view>
#include <vector>

class DigField : public QWidget {
    Q_OBJECT
public:
    DigField(std::string_view widthSample, QSize size, QWidget* parent);

    // The numbers to show from now on. When only marks changed, only their
    // cells are drawn again, otherwise the whole field.
    void ShowCells(std::vector<DigCell> cells);
    const std::vector<DigCell>& Cells() const { return FCells; }
    // The 1-based position of the cell at `point` in the current layout.
    int PositionAt(QPoint point) const;

    QSize sizeHint() const override { return FSize; }

signals:
    void Pointed(int position);
    void Clicked(int position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    std::string_view FWidthSample;
    QSize FSize;
    std::vector<DigCell> FCells;
};
