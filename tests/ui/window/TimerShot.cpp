// Draws the timer as a user sees it into PNGs, for looking at it:
// vemo_timer_shot OUTDIR writes toolbar-green.png (the tool bar's display
// counting), toolbar-red.png (after the warning) and timer-form.png (the
// settings window with the shipped signals). Run it under xvfb-run to see
// the real desktop's drawing. The window runs in a temporary program
// directory, so no Vemo.cfg of the user's is touched.
#include "settings/ProgramConfig.h"
#include "support/TempDir.h"
#include "timer/widgets/SoundPlayer.h"
#include "timer/widgets/TTimerForm.h"
#include "ui/TFormMain.h"
#include "ui/platform/VemoApplication.h"

#include <QAction>
#include <QFile>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <cstdio>
#include <filesystem>

namespace {

void Save(QWidget& widget, const QString& path) {
    if (!widget.grab().save(path)) std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTDIR\n", argv[0]);
        return 2;
    }
    TempDir folder;
    qputenv("VEMO_PROGRAM_DIR", QByteArray::fromStdString(folder.Path().string()));
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(folder.File("data")));
    VemoApplication application(argc, argv);
    const QString out = QString::fromLocal8Bit(argv[1]) + u'/';
    const QString bin = QCoreApplication::applicationDirPath() + u'/';
    for (const char* name : {"TimerWarning.wav", "TimerEnd.wav"})
        QFile::copy(bin + QLatin1String(name), QString::fromStdString(folder.File(name)));

    ProgramConfig config;
    config.TimerAll = 120;
    config.TimerWarn = 10;
    config.PlayEnd = true;
    SaveProgramConfig(folder.File("Vemo.cfg"), config);
    StartupOptions options;
    options.showSplash = false;
    TFormMain form(options);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) return 1;
    auto* toolBar = form.findChild<QToolBar*>(QStringLiteral("ToolBar2"));
    auto* ticker = form.findChild<QTimer*>(QStringLiteral("TimerForTimer"));
    form.findChild<QAction*>(QStringLiteral("ActTimerStart"))->trigger();
    for (int i = 0; i < 63; ++i) QMetaObject::invokeMethod(ticker, "timeout");
    QTest::qWait(200);
    Save(*toolBar, out + QStringLiteral("toolbar-green.png"));
    for (int i = 0; i < 50; ++i) QMetaObject::invokeMethod(ticker, "timeout");
    QTest::qWait(200);
    Save(*toolBar, out + QStringLiteral("toolbar-red.png"));

    auto player = MakeSoundPlayer();
    const std::string shipped = QFile::encodeName(QString::fromStdString(folder.File("TimerWarning.wav"))).toStdString();
    TTimerForm settings({120, 10, shipped, "/home/user/Звуки/гонг.wav", true, false}, *player,
                        QString::fromStdString(folder.Path().string()), [](TimerSound, const QString&) {}, &form);
    settings.show();
    if (!QTest::qWaitForWindowExposed(&settings)) return 1;
    QTest::qWait(200);
    Save(settings, out + QStringLiteral("timer-form.png"));
    return 0;
}
