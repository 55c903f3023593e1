#include "output/widgets/FlatButton.h"

#include <QIcon>
#include <QToolButton>

// The pictures live in this library's resources, which a static library
// has to register itself.
static void RegisterPictures() {
    static bool registered = false;
    if (registered) return;
    Q_INIT_RESOURCE(vemo_output_widgets);
    registered = true;
}

QToolButton* MakeFlatButton(QWidget* parent, const char* objectName, const char* picture, const QString& hint,
                            int iconSize) {
    RegisterPictures();
    return MakeFlatButton(parent, objectName, QIcon(QStringLiteral(":/vemo/output/icons/%1.svg").arg(QLatin1String(picture))),
                          hint, iconSize);
}

QToolButton* MakeFlatButton(QWidget* parent, const char* objectName, const QIcon& picture, const QString& hint,
                            int iconSize) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(objectName));
    button->setAutoRaise(true);
    button->setIcon(picture);
    button->setIconSize(QSize(iconSize, iconSize));
    button->setToolTip(hint);
    return button;
}
