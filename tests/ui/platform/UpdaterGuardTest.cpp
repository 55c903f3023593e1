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
    void TearDown() override { SetAppDialogs(nullptr); }

    RuntimeFolder runtime;
    ScriptedDialogs& dialogs = ScriptedDialogs::Install();
    QLockFile updater{runtime.Path() + QStringLiteral("/Обновление ВеМо 2007.lock")};
};

TEST_F(UpdaterGuardTest, ARunningUpdaterStopsTheStartWithTheMessage) {
    ASSERT_TRUE(updater.tryLock(0));
    EXPECT_TRUE(UpdaterIsRunning());
    EXPECT_TRUE(StopForRunningUpdater());
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_EQ(dialogs.shown[0].kind, ShownBox::Kind::Info);
    EXPECT_EQ(dialogs.shown[0].text,
              QStringLiteral("Программа обновления не может быть запущена.\r"
                             "Закройте окно программы \"Обновление ВеМо 2007\""));
    EXPECT_EQ(dialogs.shown[0].caption, QStringLiteral("ВеМо 2007"));
}

TEST_F(UpdaterGuardTest, WithoutTheUpdaterTheStartGoesOnSilently) {
    EXPECT_FALSE(StopForRunningUpdater());
    ASSERT_TRUE(updater.tryLock(0));
    updater.unlock();
    EXPECT_FALSE(StopForRunningUpdater());
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

}  // namespace
