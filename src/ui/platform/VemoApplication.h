// The program's application object: titled "ВеМо 2007", Russian in Qt's own
// texts too (the buttons of message boxes, the file and print dialogs, the
// context menus of edit fields), and the last stop for an exception thrown
// from any event handler, which the user sees in the general error box
// while the program goes on.
#pragma once

#include <QApplication>

class QTranslator;

class VemoApplication : public QApplication {
    Q_OBJECT
public:
    VemoApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

private:
    void LoadQtTranslation();

    QTranslator* FQtTranslation;
};
