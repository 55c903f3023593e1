// A test with the program running hidden on a private session bus; the
// test is skipped, with the reason, only when no bus can start here.
#pragma once

#include "automation/BusSession.h"

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>

#include <ostream>

// Lets failures print Qt texts readably.
inline std::ostream& operator<<(std::ostream& out, const QString& text) { return out << text.toStdString(); }
inline std::ostream& operator<<(std::ostream& out, const QStringList& lines) {
    return out << lines.join(QStringLiteral(" | ")).toStdString();
}
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text << '"'; }
inline void PrintTo(const QStringList& lines, std::ostream* out) { *out << '[' << lines << ']'; }

class AutomationTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!FBus.Failure().isEmpty()) GTEST_SKIP() << "no private D-Bus session bus: " << FBus.Failure();
        ASSERT_TRUE(FBus.StartProgram()) << "VeMo did not take the name Vemo.App on the bus";
    }

    // One step of a client's conversation: the call, gdbus's reply, and the
    // lines (message boxes, dialogs) the program told meanwhile.
    struct Step {
        const char* method;
        QStringList arguments;
        const char* reply;
        QStringList told = {};
    };

    void Run(const std::vector<Step>& steps) {
        for (std::size_t i = 0; i < steps.size(); ++i) {
            const Step& step = steps[i];
            SCOPED_TRACE(testing::Message() << "step " << i + 1 << ": " << step.method << "("
                                            << step.arguments.join(QStringLiteral(", ")) << ")");
            EXPECT_EQ(FBus.Gdbus(QString::fromLatin1(step.method), step.arguments), QString::fromUtf8(step.reply));
            ExpectTold(step.told);
        }
    }

    // What the program told since the last look, with every model
    // invariant still true.
    void ExpectTold(const QStringList& lines) {
        const BusSession::Told told = FBus.TakeTold();
        EXPECT_EQ(told.lines, lines);
        EXPECT_EQ(told.invariants, QStringLiteral("invariants ok"));
    }

    BusSession FBus;
};
