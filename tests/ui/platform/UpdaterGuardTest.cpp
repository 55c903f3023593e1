// A running updater, seen through its lock, stops the start with the
// message; without it, or after it, the program starts silently.
#include "ui/platform/UpdaterGuard.h"

#include "RuntimeFolder.h"
#include "support/ScriptedDialogs.h"

#include <QLockFile>
#include <gtest/gtest.h>

namespace {

class UpdaterGuardTest : public ::testing::Test {
protected:
    void SetUp() override { TestApplication(); }

    RuntimeFolder runtime;
    ScriptedDialogs dialogs;
    QLockFile updater{runtime.Path() + QStringLiteral("/Обновление ВеМо 2007.lock")};
};

TEST_F(UpdaterGuardTest, ARunningUpdaterStopsTheStartWithTheMessage) {
    ASSERT_TRUE(updater.tryLock(0));
    EXPECT_TRUE(UpdaterIsRunning());
    dialogs.ExpectInfo(QStringLiteral("Программа обновления не может быть запущена.\r"
                                      "Закройте окно программы \"Обновление ВеМо 2007\""),
                       QStringLiteral("ВеМо 2007"));
    EXPECT_TRUE(StopForRunningUpdater());
}

TEST_F(UpdaterGuardTest, WithoutTheUpdaterTheStartGoesOnSilently) {
    EXPECT_FALSE(StopForRunningUpdater());
    ASSERT_TRUE(updater.tryLock(0));
    updater.unlock();
    EXPECT_FALSE(StopForRunningUpdater());
}

}  // namespace
