#include "table/widgets/SignImages.h"

#include <QPainter>

namespace {

// A rounded square with a bar across it, and a second bar upright for "taken".
QPixmap Draw(const QColor& fill, const QColor& border, const QColor& sign, bool plus) {
    QPixmap picture(SignImages::kSize, SignImages::kSize);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(border, 1));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(0.5, 0.5, SignImages::kSize - 1, SignImages::kSize - 1), 3, 3);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(3, 6, 8, 2, sign);
    if (plus) p.fillRect(6, 3, 2, 8, sign);
    return picture;
}

}  // namespace

const QPixmap& SignImages::Taken() {
    static const QPixmap picture = Draw(QColor(0, 150, 0), QColor(0, 110, 0), Qt::white, true);
    return picture;
}

const QPixmap& SignImages::NotTaken() {
    static const QPixmap picture = Draw(QColor(245, 245, 245), QColor(190, 190, 190), QColor(150, 150, 150), false);
    return picture;
}
