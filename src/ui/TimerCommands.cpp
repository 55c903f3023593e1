#include "ui/TimerCommands.h"

#include "settings/ProgramConfig.h"
#include "timer/widgets/SoundPlayer.h"
#include "timer/widgets/TTimerForm.h"
#include "ui/MainActions.h"
#include "ui/MainParts.h"
#include "ui/TFormMain.h"
#include "ui/TimerDisplay.h"
#include "ui/platform/Dialogs.h"
#include "ui/platform/ProgramDirectory.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QTimer>

namespace {

constexpr int kTickMs = 1000;

// The signals that ship with the program, beside it.
std::string ShippedSound(const char* name) {
    const QString path = ProgramDirectory() + QLatin1String(name);
    return QFileInfo(path).isFile() ? QFile::encodeName(path).toStdString() : std::string();
}

TimerSettings SettingsOf(const ProgramConfig& config) {
    return {config.TimerAll, config.TimerWarn, config.WayWarn, config.WayEnd, config.PlayWarn, config.PlayEnd};
}

QIcon Picture(const char* name) { return QIcon(QStringLiteral(":/vemo/icons/%1.svg").arg(QLatin1String(name))); }

}  // namespace

TimerCommands::TimerCommands(MainParts& parts)
    : FParts(parts), TimerForTimer(new QTimer(&parts.form)), MP(MakeSoundPlayer()) {
    TimerForTimer->setObjectName(QStringLiteral("TimerForTimer"));
    TimerForTimer->setInterval(kTickMs);
    // Each second counts from the start, not from the tick before.
    TimerForTimer->setTimerType(Qt::PreciseTimer);
    QObject::connect(TimerForTimer, &QTimer::timeout, TimerForTimer, [this] { TimerForTimerTimer(); });
    FTimer.SetDefaultSounds(ShippedSound("TimerWarning.wav"), ShippedSound("TimerEnd.wav"));
}

TimerCommands::~TimerCommands() = default;

void TimerCommands::ActTimerStartExecute() {
    FTimer.StartPause();
    ShowState();
}

void TimerCommands::ActTimerStopExecute() {
    FTimer.SetSettings(SettingsOf(FParts.config));
    FTimer.Stop();
    ShowState();
}

// Closing the window in any way applies what it holds.
void TimerCommands::ActTimerSettExecute() {
    TTimerForm form(FTimer.DialogValues(), *MP, ProgramDirectory(),
                    [this](TimerSound sound, const QString& path) {
                        FTimer.SetSoundPath(sound, QFile::encodeName(path).toStdString());
                        StoreSettings();
                    },
                    &FParts.form);
    AppDialogs().Exec(form);
    FTimer.ApplyDialog(form.Values());
    StoreSettings();
    ShowState();
    if (MP->IsPlaying()) MP->Stop();
}

// The display is brought up to date before a signal plays, so that a
// player's error box finds the countdown as the tick left it, and the
// countdown goes on behind the box.
void TimerCommands::TimerForTimerTimer() {
    const SoundRequest request = FTimer.Tick();
    ShowState();
    Play(request);
}

void TimerCommands::ShowState() {
    FParts.timerDisplay.SetText(QString::fromStdString(FTimer.DisplayText()));
    FParts.timerDisplay.SetWarned(FTimer.Warned());
    const bool running = FTimer.Running();
    if (running != TimerForTimer->isActive()) running ? TimerForTimer->start() : TimerForTimer->stop();
    FParts.actions[ActionId::ActTimerStart]->setIcon(Picture(running ? "timerpause" : "timerstart"));
}

void TimerCommands::Play(const SoundRequest& request) {
    if (request.Sound == TimerSound::None) return;
    if (MP->Open(QFile::decodeName(QByteArray::fromStdString(request.Path)))) MP->Play();
}

void TimerCommands::StoreSettings() {
    const TimerSettings& settings = FTimer.Settings();
    ProgramConfig& config = FParts.config;
    config.TimerAll = settings.FullTime;
    config.TimerWarn = settings.WarnTime;
    config.WayWarn = settings.WarnSound;
    config.WayEnd = settings.EndSound;
    config.PlayWarn = settings.PlayWarn;
    config.PlayEnd = settings.PlayEnd;
}
