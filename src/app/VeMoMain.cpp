// The VeMo program: one instance per user, and none while the updater runs.
// The main window runs the rest of the start when it is first shown.
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
bool IsRegistrationRun(int argc, char* argv[]) {
    const AutomationMode mode = ParseCommandLine(ArgumentsOf(argc, argv)).automation;
    return mode == AutomationMode::RegServer || mode == AutomationMode::UnregServer;
}

}  // namespace

int main(int argc, char* argv[]) {
    // The automation server's registration (its D-Bus service file) is
    // written and removed here when the server is part of the program.
    if (IsRegistrationRun(argc, argv)) return 0;

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
    if (!options.embedding) form.show();
    return application.exec();
}
