// The VeMo program: one instance per user, and none while the updater runs.
// The main window runs the rest of the start when it is first shown.
#include "ui/platform/CommandLine.h"
#include "ui/platform/SingleInstance.h"
#include "ui/TFormMain.h"
#include "ui/platform/UpdaterGuard.h"
#include "ui/platform/VemoApplication.h"

int main(int argc, char* argv[]) {
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
