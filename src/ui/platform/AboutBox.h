// The About window, shown from the Help menu and as the splash at start-up;
// it closes by itself after about three seconds or on a click on its picture.
#pragma once

#include "ui/platform/ProgramDialog.h"

class QTimer;

class TAboutBox : public ProgramDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void TimerTick();

    QTimer* FTimer;
    int FTicks = 0;
};
