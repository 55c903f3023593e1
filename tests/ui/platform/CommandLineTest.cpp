// The command-line forms: which switches are recognised, where, and in
// which letter case.
#include "ui/platform/CommandLine.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    QStringList arguments;
    bool embedding;
    bool hasOpen;
    QString openPath;
    AutomationMode automation;
};

std::string Describe(const QStringList& arguments) {
    return arguments.join(u' ').toStdString();
}

TEST(CommandLine, RecognisesEachFormWhereAndHowItIsWritten) {
    using M = AutomationMode;
    const QString game = QStringLiteral("/home/scorer/Кубок 2007.qgm");
    const Case cases[] = {
        {{}, false, false, {}, M::None},
        {{"-open", game}, false, true, game, M::None},
        {{"-OPEN", game}, false, false, {}, M::None},
        {{"-Open", game}, false, false, {}, M::None},
        {{"/open", game}, false, false, {}, M::None},
        {{"-open"}, false, true, {}, M::None},
        {{game, "-open", game}, false, false, {}, M::None},
        {{"-open", game, "extra"}, false, true, game, M::None},
        {{"-Embedding"}, true, false, {}, M::Embedding},
        {{"-embedding"}, false, false, {}, M::Embedding},
        {{"-open", game, "-Embedding"}, false, true, game, M::Embedding},
        {{"/regserver"}, false, false, {}, M::RegServer},
        {{"-UnRegServer"}, false, false, {}, M::UnregServer},
        {{"-AUTOMATION"}, false, false, {}, M::Automation},
        {{"/Embedding"}, false, false, {}, M::Embedding},
        {{"--automation"}, false, false, {}, M::None},
        {{"automation"}, false, false, {}, M::None},
        {{"-automations"}, false, false, {}, M::None},
        {{"-automation", "/regserver"}, false, false, {}, M::RegServer},
        {{"-unregserver", "-regserver"}, false, false, {}, M::RegServer},
        {{"-Embedding", "-automation"}, true, false, {}, M::Embedding},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Describe(c.arguments));
        const StartupOptions options = ParseCommandLine(c.arguments);
        EXPECT_EQ(options.embedding, c.embedding);
        EXPECT_EQ(options.showSplash, !c.embedding);
        EXPECT_EQ(options.hasOpen, c.hasOpen);
        EXPECT_EQ(options.openPath, c.openPath);
        EXPECT_EQ(options.automation, c.automation);
    }
}

}  // namespace
