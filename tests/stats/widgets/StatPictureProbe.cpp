#include "StatPictureProbe.h"

#include "stats/widgets/PictureStrokes.h"
#include "stats/widgets/PlaceGraphRenderer.h"
#include "support/TestApplication.h"

#include <QLabel>
#include <QPainter>

QImage ShownPicture(QDialog& window) {
    return window.findChild<QLabel*>(QStringLiteral("Image"))->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

DigitExtents PictureDigits() {
    TestApplication();
    QImage surface(10, 10, QImage::Format_RGB32);
    QPainter painter(&surface);
    painter.setFont(PictureFont());
    return DigitExtentsOf(painter);
}

VerticalCaption PlacesCaption() {
    TestApplication();
    QImage surface(10, 10, QImage::Format_RGB32);
    QPainter painter(&surface);
    return PlaceGraphCaption(painter);
}

Draw::SystemColors ShownColors() {
    TestApplication();
    const Draw::SystemColors theme = Draw::ThemeColors();
    return {QColor(theme.buttonFace.rgb()), QColor(theme.buttonShadow.rgb()), QColor(theme.buttonText.rgb()),
            QColor(theme.workspace.rgb())};
}

int DarkPixels(const QImage& image, const QRect& rect) {
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x) count += qGray(image.pixel(x, y)) < 110;
    return count;
}

QLineEdit* Box(QDialog& window, const char* name) { return window.findChild<QLineEdit*>(QLatin1String(name)); }

QString BoxText(QDialog& window, const char* name) { return Box(window, name)->text(); }
