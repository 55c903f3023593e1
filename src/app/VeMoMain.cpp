// The VeMo program: one instance per user, and none while the updater runs.
// The main window runs the rest of the start when it is first shown; the
// automation interface is on the session bus for the whole run.
#include "automation/AutomationServer.h"
#include "automation/ServiceFile.h"
#include "ui/platform/CommandLine.h"
#include "ui/platform/SingleInstance.h"
#include "ui/TFormMain.h"
#include "ui/platform/UpdaterGuard.h"
#include "ui/platform/VemoApplication.h"

namespace {

QStringList ArgumentsOf(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

// "REGSERVER" and "UNREGSERVER" only register or unregister the automation
// server and end: no window, no Vemo.cfg, no display needed (an installer
// may run them without one), and a running instance is left alone.
bool IsRegistrationRun(AutomationMode mode) {
    return mode == AutomationMode::RegServer || mode == AutomationMode::UnregServer;
}

int RunRegistration(int argc, char* argv[], AutomationMode mode) {
    QCoreApplication core(argc, argv);
    const bool done = mode == AutomationMode::RegServer ? RegisterServer(QCoreApplication::applicationFilePath())
                                                        : UnregisterServer();
    return done ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    // The automation server's registration: its D-Bus service file.
    const AutomationMode mode = ParseCommandLine(ArgumentsOf(argc, argv)).automation;
    if (IsRegistrationRun(mode)) return RunRegistration(argc, argv, mode);

    VemoApplication application(argc, argv);

    SingleInstance guard;
    if (!guard.TryAcquire()) {
        guard.AskFirstToRaise();
        return 0;
    }
    if (StopForRunningUpdater()) return 0;

    const StartupOptions options = ParseCommandLine(QCoreApplication::arguments().mid(1));
    TFormMain form(options);
    QObject::connect(&guard, &SingleInstance::RaiseRequested, &form, &TFormMain::BringToFront);
    // Every start serves the automation interface, hidden or not.
    const AutomationServer automation(form);
    if (!options.embedding) form.show();
    return application.exec();
}
