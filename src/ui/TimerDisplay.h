// The timer's digits at the right end of the tool bar: a green label over
// a black one shifted by a pixel, which draws its shadow.
#pragma once

#include <QWidget>

class QLabel;

class TimerDisplay : public QWidget {
    Q_OBJECT
public:
    explicit TimerDisplay(QWidget* parent = nullptr);

    void SetText(const QString& text);
    QString Text() const;
    // Green while the time runs normally, red once the warning time is reached.
    void SetWarned(bool warned);

private:
    QLabel* TimerLabel;
    QLabel* TimerLabel2;
};
