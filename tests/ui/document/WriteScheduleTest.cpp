// When the files that follow the game are written: a moment after the first
// change, then at most once a gap however fast the changes come, never
// while the last write is still being done, and never for changes forgotten.
#include "ui/document/WriteSchedule.h"

#include "support/TestApplication.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

constexpr int kDelay = 40;
// A gap long enough that a loaded machine's late timers cannot be taken for
// a write held back a whole gap, or for one let through too early.
constexpr int kGap = 1000;

struct WithApp {
    WithApp() { TestApplication(); }
};

// Records when writes begin; a write keeps the writer busy for `writeMs`.
class ScheduleProbe : WithApp {
public:
    explicit ScheduleProbe(int writeMs = 0)
        : FWriteMs(writeMs), schedule(kDelay, kGap, [this] { return Start(); }, [this] { return busy; }) {
        clock.start();
    }

    bool Start() {
        EXPECT_FALSE(busy) << "a write began while the last one was being done";
        starts.push_back(clock.elapsed());
        if (FWriteMs > 0) {
            busy = true;
            QTimer::singleShot(FWriteMs, Qt::PreciseTimer, &schedule, [this] {
                busy = false;
                schedule.WriteDone();
            });
        }
        return somethingToWrite;
    }

    const int FWriteMs;
    QElapsedTimer clock;
    std::vector<qint64> starts;
    bool busy = false;
    bool somethingToWrite = true;
    WriteSchedule schedule;
};

// Changes every `everyMs` for `forMs`, from now.
void Burst(WriteSchedule& schedule, int everyMs, int forMs) {
    QElapsedTimer burst;
    burst.start();
    while (burst.elapsed() < forMs) {
        schedule.Request();
        QTest::qWait(everyMs);
    }
}

}  // namespace

TEST(WriteSchedule, AChangeIsWrittenAfterTheDelayAndNotBefore) {
    ScheduleProbe probe;
    probe.schedule.Request();
    EXPECT_TRUE(probe.starts.empty());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !probe.starts.empty(); }, 5000));
    EXPECT_GE(probe.starts[0], kDelay);
    QTest::qWait(kGap + kDelay);
    EXPECT_EQ(probe.starts.size(), 1u) << "one change, one write";
}

TEST(WriteSchedule, ABurstIsWrittenWhileItLastsOnceAGapAtMost) {
    ScheduleProbe probe;
    Burst(probe.schedule, 10, 4 * kGap);
    QTest::qWait(kGap + kDelay);
    ASSERT_GE(probe.starts.size(), 4u) << "written while the burst lasts";
    EXPECT_LE(probe.starts.size(), 6u);
    for (std::size_t i = 1; i < probe.starts.size(); ++i)
        EXPECT_GE(probe.starts[i] - probe.starts[i - 1], kGap) << "write " << i;
    EXPECT_LE(probe.starts.back(), 4 * kGap + kGap + kDelay) << "the burst's last change is written too";
}

TEST(WriteSchedule, AChangeAfterAQuietGapIsWrittenAfterTheDelayAlone) {
    ScheduleProbe probe;
    probe.schedule.Request();
    ASSERT_TRUE(QTest::qWaitFor([&] { return probe.starts.size() == 1; }, 5000));
    QTest::qWait(kGap + 50);
    const qint64 asked = probe.clock.elapsed();
    probe.schedule.Request();
    ASSERT_TRUE(QTest::qWaitFor([&] { return probe.starts.size() == 2; }, 5000));
    EXPECT_GE(probe.starts[1] - asked, kDelay);
    EXPECT_LT(probe.starts[1] - asked, kDelay + kGap / 2);
}

// The writes take longer than the gap: each begins as soon as the last one
// is done, never during it.
TEST(WriteSchedule, ASlowWriteIsNeverOverlappedAndTheNextFollowsIt) {
    ScheduleProbe probe(2 * kGap);
    Burst(probe.schedule, 10, 5 * kGap);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !probe.busy; }, 15000));
    QTest::qWait(kGap);
    ASSERT_GE(probe.starts.size(), 2u);
    for (std::size_t i = 1; i < probe.starts.size(); ++i) {
        EXPECT_GE(probe.starts[i] - probe.starts[i - 1], 2 * kGap) << "write " << i;
        EXPECT_LT(probe.starts[i] - probe.starts[i - 1], 2 * kGap + kGap / 2) << "write " << i << " waited too long";
    }
}

TEST(WriteSchedule, ForgottenChangesAreNotWritten) {
    ScheduleProbe probe(4 * kGap);
    probe.schedule.Request();
    probe.schedule.Cancel();
    QTest::qWait(kDelay + 100);
    EXPECT_TRUE(probe.starts.empty());

    // A change that waits for a slow write is forgotten as well.
    probe.schedule.Request();
    ASSERT_TRUE(QTest::qWaitFor([&] { return probe.starts.size() == 1; }, 5000));
    QTest::qWait(kGap);
    probe.schedule.Request();
    QTest::qWait(kGap);
    probe.schedule.Cancel();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !probe.busy; }, 15000));
    QTest::qWait(2 * kGap);
    EXPECT_EQ(probe.starts.size(), 1u);
}

// A start that found nothing to write does not hold the next change back.
TEST(WriteSchedule, NothingWrittenLeavesNoGap) {
    ScheduleProbe probe;
    probe.somethingToWrite = false;
    probe.schedule.Request();
    ASSERT_TRUE(QTest::qWaitFor([&] { return probe.starts.size() == 1; }, 5000));
    const qint64 asked = probe.clock.elapsed();
    probe.schedule.Request();
    ASSERT_TRUE(QTest::qWaitFor([&] { return probe.starts.size() == 2; }, 5000));
    EXPECT_LT(probe.starts[1] - asked, kGap / 2);
}
