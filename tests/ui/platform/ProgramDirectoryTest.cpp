// The program directory: beside the executable, or where the variable says.
#include "ui/platform/ProgramDirectory.h"

#include "support/TestApplication.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

TEST(ProgramDirectory, IsTheExecutablesFolderWithoutTheVariable) {
    TestApplication();
    ScopedEnvironment empty("VEMO_PROGRAM_DIR", "");
    EXPECT_EQ(ProgramDirectory(), QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath() + u'/');
}

TEST(ProgramDirectory, FollowsTheVariableWithOneTrailingSlash) {
    TestApplication();
    {
        ScopedEnvironment variable("VEMO_PROGRAM_DIR", "/tmp/Ве Мо");
        EXPECT_EQ(ProgramDirectory(), QStringLiteral("/tmp/Ве Мо/"));
    }
    {
        ScopedEnvironment variable("VEMO_PROGRAM_DIR", "/tmp/vemo/");
        EXPECT_EQ(ProgramDirectory(), QStringLiteral("/tmp/vemo/"));
    }
}

}  // namespace
