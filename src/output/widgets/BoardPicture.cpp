#include "output/widgets/BoardPicture.h"

#include <QMouseEvent>
#include <QPainter>

BoardPicture::BoardPicture(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

// The surface has the screen's pixels, so the board stays sharp on a
// high-density screen; the renderer draws in the widget's units.
void BoardPicture::FitSurface() {
    const qreal ratio = devicePixelRatioF();
    FSurface = QImage(size() * ratio, QImage::Format_RGB32);
    FSurface.setDevicePixelRatio(ratio);
    FSurface.fill(Qt::white);
}

void BoardPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, FSurface);
}

void BoardPicture::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (FPressed) FPressed();
}
