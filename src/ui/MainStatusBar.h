// The status bar `StBar` of the main window: six centred panels with the
// credit line, the version, the contact line, the date of start-up, the
// clock and an empty one. The clock timer `Timer` refreshes the time.
#pragma once

#include <QStatusBar>

class QLabel;
class QTimer;

class MainStatusBar : public QStatusBar {
    Q_OBJECT
public:
    explicit MainStatusBar(QWidget* parent = nullptr);

    void StartClock();
    void StopClock();
    // The text of panel 0 .. 5.
    QString PanelText(int panel) const;
    // A trouble the scorer should know of without being stopped by a box
    // (the live page's folder cannot be written): shown at the right end
    // until cleared.
    void ShowNotice(const QString& text);
    void ClearNotice();
    QString NoticeText() const;

private:
    void ShowTime();

    QList<QLabel*> FPanels;
    QLabel* FNotice;
    QTimer* Timer;
};
