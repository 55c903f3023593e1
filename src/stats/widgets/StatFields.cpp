#include "stats/widgets/StatFields.h"

#include "ui/draw/DrawHelper.h"
#include "ui/text/AnsiText.h"

#include <QLocale>
#include <QPixmap>

QLineEdit* MakeOutputBox(const char* name, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    box->setPalette(palette);
    return box;
}

void ShowText(QLineEdit& box, const QString& text) {
    box.setText(text);
    box.setCursorPosition(0);
}

QLabel* MakeStatImage(QImage& surface, QWidget* parent) {
    surface.fill(Draw::ThemeColors().buttonFace);
    auto* image = new QLabel(parent);
    image->setObjectName(QStringLiteral("Image"));
    image->setFixedSize(surface.size());
    image->setPixmap(QPixmap::fromImage(surface));
    return image;
}

char SystemDecimalSeparator() {
    const std::string separator = ToAnsi(QLocale().decimalPoint());
    return separator.size() == 1 ? separator[0] : '.';
}
