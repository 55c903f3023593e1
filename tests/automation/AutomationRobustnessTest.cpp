// Thousands of random calls with random arguments from a client: every
// call is answered, by a reply or by the error an error inside a method
// becomes, and the game keeps every model invariant throughout.
#include "automation/AutomationFixture.h"
#include "automation/RandomCalls.h"

namespace {

constexpr int kCalls = 5000;
constexpr int kCheckEvery = 250;

}  // namespace

TEST_F(AutomationTest, RandomCallsLeaveTheGameWholeAndTheProgramAnswering) {
    ASSERT_TRUE(FBus.Script("printer " + FBus.File("printout.pdf").toUtf8(), "printer"));
    RandomCalls calls(QString::fromStdString(FBus.Folder().Path().string()), 20261209);
    for (int i = 1; i <= kCalls; ++i) {
        const RandomCalls::Call call = calls.Next();
        const QDBusMessage reply = FBus.Call(call.method, call.arguments);
        ASSERT_TRUE(AcceptableReply(reply)) << "call " << i << " " << call.method << ": " << reply.errorName()
                                            << " " << reply.errorMessage();
        if (i % kCheckEvery != 0) continue;
        const BusSession::Told told = FBus.TakeTold();
        ASSERT_EQ(told.invariants, QStringLiteral("invariants ok")) << "after call " << i;
    }
    EXPECT_EQ(FBus.Gdbus(QStringLiteral("GetTeamCount")).left(1), QStringLiteral("("));
}
