// The real program started with "REGSERVER" or "UNREGSERVER": it ends with
// success without a window, without a display, without writing Vemo.cfg,
// and without disturbing a running instance.
#include "ui/platform/SingleInstance.h"

#include "RuntimeFolder.h"

#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr int kWaitMs = 10000;

class RegistrationRunTest : public ::testing::Test {
protected:
    void SetUp() override { TestApplication(); }

    // The program on a desktop with no display at all: a window, or even an
    // application object, would make it fail.
    int Run(const QStringList& arguments) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        environment.insert(QStringLiteral("VEMO_PROGRAM_DIR"), Folder(programFolder));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), Folder(dataFolder));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.Path());
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(VEMO_EXECUTABLE), arguments);
        EXPECT_TRUE(process.waitForFinished(kWaitMs)) << arguments.join(u' ').toStdString();
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        return process.exitCode();
    }

    static QString Folder(const TempDir& folder) { return QString::fromStdString(folder.Path().string()); }

    RuntimeFolder runtime;
    TempDir programFolder;
    TempDir dataFolder;
};

TEST_F(RegistrationRunTest, EndsAtOnceWithoutWindowOrConfiguration) {
    const QStringList runs[] = {
        {QStringLiteral("/RegServer")},
        {QStringLiteral("-UNREGSERVER")},
        {QStringLiteral("-open"), QStringLiteral("game.qgm"), QStringLiteral("/regserver")},
    };
    for (const QStringList& arguments : runs) EXPECT_EQ(Run(arguments), 0) << arguments.join(u' ').toStdString();
    EXPECT_TRUE(QDir(Folder(programFolder)).isEmpty());
}

TEST_F(RegistrationRunTest, ARunningInstanceIsNotAskedToComeForward) {
    SingleInstance first;
    ASSERT_TRUE(first.TryAcquire());
    QSignalSpy raised(&first, &SingleInstance::RaiseRequested);
    EXPECT_EQ(Run({QStringLiteral("-regserver")}), 0);
    QTest::qWait(100);
    EXPECT_EQ(raised.count(), 0);
}

}  // namespace
