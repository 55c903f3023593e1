// The single-instance guard within one process: the first holds the name,
// a later one is refused and its raise request reaches the first, and the
// name is free again once the first has gone.
#include "ui/platform/SingleInstance.h"

#include "RuntimeFolder.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

#include <memory>

namespace {

class SingleInstanceTest : public ::testing::Test {
protected:
    void SetUp() override { TestApplication(); }

    RuntimeFolder runtime;
};

TEST_F(SingleInstanceTest, TheFirstHoldsTheNameAndHearsALaterStart) {
    SingleInstance first;
    ASSERT_TRUE(first.TryAcquire());
    QSignalSpy raised(&first, &SingleInstance::RaiseRequested);

    SingleInstance second;
    EXPECT_FALSE(second.TryAcquire());
    second.AskFirstToRaise();
    EXPECT_TRUE(raised.wait(5000));
    EXPECT_EQ(raised.count(), 1);
}

TEST_F(SingleInstanceTest, TheNameIsFreeAfterTheFirstHasGone) {
    auto first = std::make_unique<SingleInstance>();
    ASSERT_TRUE(first->TryAcquire());
    first.reset();

    SingleInstance next;
    EXPECT_TRUE(next.TryAcquire());
}

TEST_F(SingleInstanceTest, GuardsOfOtherNamesDoNotMeet) {
    SingleInstance program;
    SingleInstance other(QStringLiteral("Обновление ВеМо 2007"));
    EXPECT_TRUE(program.TryAcquire());
    EXPECT_TRUE(other.TryAcquire());
}

}  // namespace
