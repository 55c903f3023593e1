// The program's application object: titled "ВеМо 2007", and the last stop
// for an exception thrown from any event handler, which the user sees in the
// general error box while the program goes on.
#pragma once

#include <QApplication>

class VemoApplication : public QApplication {
    Q_OBJECT
public:
    VemoApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};
