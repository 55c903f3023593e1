// The updater guard: the updater holds its lock while its window is open;
// a lock whose owner has died does not stop the program.
#include "ui/platform/UpdaterGuard.h"

#include "ui/platform/Dialogs.h"
#include "ui/platform/LockDirectory.h"
#include "ui/platform/ProgramTitle.h"

#include <QLockFile>

bool UpdaterIsRunning() {
    QLockFile lock(LockDirectory() + QStringLiteral("Обновление ВеМо 2007.lock"));
    lock.setStaleLockTime(0);
    if (lock.tryLock(0)) {
        lock.unlock();
        return false;
    }
    return lock.error() == QLockFile::LockFailedError;
}

bool StopForRunningUpdater() {
    if (!UpdaterIsRunning()) return false;
    AppDialogs().InfoBox(QStringLiteral("Программа обновления не может быть запущена.\r"
                                        "Закройте окно программы \"Обновление ВеМо 2007\""),
                         kProgramTitle);
    return true;
}
