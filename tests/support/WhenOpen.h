// Reads a real modal window or popup from inside its own event loop: the
// test arms WhenOpen<QMessageBox>(...) and then runs the code that opens
// the box; `inspect` runs once the box is the active modal widget or popup,
// and must close it.
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

template <class T>
void WhenOpen(std::function<void(T&)> inspect) {
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, [timer, inspect] {
        QWidget* open = QApplication::activePopupWidget();
        if (!open) open = QApplication::activeModalWidget();
        if (auto* window = qobject_cast<T*>(open)) {
            timer->stop();
            timer->deleteLater();
            inspect(*window);
        }
    });
    timer->start(0);
}
