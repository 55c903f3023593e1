#include "ui/TimerCommands.h"

#include "settings/ProgramConfig.h"
#include "ui/MainParts.h"
#include "ui/TimerDisplay.h"

void TimerCommands::ActTimerStopExecute() {
    FTimer.Reset(FParts.config.TimerAll);
    FParts.timerDisplay.SetText(QString::fromStdString(TimerDisplayText(FTimer.Remaining)));
    FParts.timerDisplay.SetWarned(false);
}
