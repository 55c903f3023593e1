// The single-instance guard between processes, with the real program: a
// second start ends at once with success and asks the first to come to the
// front, and the lock of a crashed instance does not block the next start.
#include "ui/platform/SingleInstance.h"

#include "RuntimeFolder.h"

#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

constexpr int kWaitMs = 10000;

bool WaitFor(const std::function<bool()>& condition) {
    for (int waited = 0; waited < kWaitMs && !condition(); waited += 20) QTest::qWait(20);
    return condition();
}

class SingleInstanceProcessTest : public ::testing::Test {
protected:
    void SetUp() override { TestApplication(); }

    // The program, hidden from the user's own files and windows.
    std::unique_ptr<QProcess> Start(const QStringList& arguments) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("VEMO_PROGRAM_DIR"), Folder(programFolder));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), Folder(dataFolder));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), Folder(dataFolder));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.Path());
        auto process = std::make_unique<QProcess>();
        process->setProcessEnvironment(environment);
        process->start(QStringLiteral(VEMO_EXECUTABLE), arguments);
        EXPECT_TRUE(process->waitForStarted(kWaitMs));
        return process;
    }

    // A first instance is ready once it listens.
    bool Listening() const { return QFileInfo::exists(runtime.Path() + QStringLiteral("/VeMo_2007.socket")); }

    static void ExpectEndsWithSuccess(QProcess& process) {
        ASSERT_TRUE(process.waitForFinished(kWaitMs));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), 0);
    }

    static QString Folder(const TempDir& folder) { return QString::fromStdString(folder.Path().string()); }

    RuntimeFolder runtime;
    TempDir programFolder;
    TempDir dataFolder;
};

TEST_F(SingleInstanceProcessTest, ASecondStartEndsAtOnceAndRaisesTheFirst) {
    SingleInstance first;
    ASSERT_TRUE(first.TryAcquire());
    QSignalSpy raised(&first, &SingleInstance::RaiseRequested);

    std::unique_ptr<QProcess> second = Start({});
    ExpectEndsWithSuccess(*second);
    EXPECT_TRUE(raised.count() > 0 || raised.wait(kWaitMs));
}

TEST_F(SingleInstanceProcessTest, TheProgramStartedTwiceKeepsOnlyTheFirst) {
    std::unique_ptr<QProcess> first = Start({QStringLiteral("-Embedding")});
    ASSERT_TRUE(WaitFor([this] { return Listening(); }));

    std::unique_ptr<QProcess> second = Start({});
    ExpectEndsWithSuccess(*second);
    EXPECT_EQ(first->state(), QProcess::Running);
    first->kill();
    first->waitForFinished(kWaitMs);
}

TEST_F(SingleInstanceProcessTest, TheLockOfACrashedInstanceIsTakenOver) {
    std::unique_ptr<QProcess> crashed = Start({QStringLiteral("-Embedding")});
    ASSERT_TRUE(WaitFor([this] { return Listening(); }));
    crashed->kill();
    ASSERT_TRUE(crashed->waitForFinished(kWaitMs));
    ASSERT_TRUE(QFileInfo::exists(runtime.Path() + QStringLiteral("/VeMo 2007.lock")));

    SingleInstance next;
    ASSERT_TRUE(next.TryAcquire());
    QSignalSpy raised(&next, &SingleInstance::RaiseRequested);
    SingleInstance later;
    EXPECT_FALSE(later.TryAcquire());
    later.AskFirstToRaise();
    EXPECT_TRUE(raised.wait(kWaitMs));
}

}  // namespace
