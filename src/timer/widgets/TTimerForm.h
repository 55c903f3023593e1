// The timer's settings window "Настройка таймера": the full and the warning
// time, and for each signal a check box, its file, a browse and a test
// button. It edits values handed in and hands them back whichever way it
// is closed; a file chosen with a browse button is passed on at once.
#pragma once

#include "timer/DiscussionTimer.h"
#include "ui/platform/ProgramDialog.h"

#include <functional>

class QCheckBox;
class QGridLayout;
class QLineEdit;
class QSpinBox;
class SoundPlayer;

class TTimerForm : public ProgramDialog {
    Q_OBJECT
public:
    using SoundChosen = std::function<void(TimerSound sound, const QString& path)>;

    // `player` plays the test buttons' files; `directory` is where the open
    // dialog starts.
    TTimerForm(const TimerDialogValues& values, SoundPlayer& player, const QString& directory,
               SoundChosen soundChosen, QWidget* parent = nullptr);

    // What the window holds now; its owner applies it when it is closed.
    TimerDialogValues Values() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct SignalRow {
        QCheckBox* check;
        QLineEdit* path;
    };

    QWidget* TimeGroup(const TimerDialogValues& values);
    SignalRow AddSignalRow(QGridLayout& grid, int row, TimerSound sound, const QString& caption,
                           const QString& path, bool checked);
    void Browse(TimerSound sound, QLineEdit& field);
    void Test(const QLineEdit& field);

    SoundPlayer& FPlayer;
    QString FDirectory;
    SoundChosen FSoundChosen;
    QSpinBox* EnterAllTime = nullptr;
    QSpinBox* EnterWarTime = nullptr;
    QCheckBox* CheckWar = nullptr;
    QLineEdit* EnterWar = nullptr;
    QCheckBox* CheckEnd = nullptr;
    QLineEdit* EnterEnd = nullptr;
};
