// One of the results board's two pictures: a surface drawn once and shown
// unchanged on every repaint, redrawn only when the board asks. A press of
// any mouse button on it is handed to the board (it closes).
#pragma once

#include <QImage>
#include <QWidget>

#include <functional>

class BoardPicture : public QWidget {
public:
    BoardPicture(const QString& name, QWidget* parent);

    // Sizes the surface to the widget; its picture is then to be drawn anew.
    void FitSurface();
    QImage& Surface() { return FSurface; }
    void SetPressed(std::function<void()> pressed) { FPressed = std::move(pressed); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QImage FSurface;
    std::function<void()> FPressed;
};
