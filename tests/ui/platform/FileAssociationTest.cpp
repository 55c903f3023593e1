// The association files under a temporary $XDG_DATA_HOME: written with
// their content, recognised, repaired, removed, and a failure reported.
#include "ui/platform/FileAssociation.h"

#include "base/Errors.h"
#include "support/TempDir.h"
#include "support/TestApplication.h"
#include "ui/platform/DesktopDatabases.h"

#include <QFile>
#include <QImage>
#include <QStandardPaths>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A path with every character the desktop entry format escapes.
const QString kExecutable = QStringLiteral("/opt/Ве Мо/$bin/100%/VeMo");

QString Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

class FileAssociationTest : public ::testing::Test {
protected:
    void SetUp() override {
        TestApplication();
        QFile::copy(QStringLiteral(VEMO_FILE_ICON), programDirectory + QStringLiteral("FileIcon.ico"));
    }
    // The databases are rebuilt in the background: their folder stays until
    // the rebuild is over.
    void TearDown() override {
        EXPECT_TRUE(QTest::qWaitFor([] { return !RefreshingDesktopDatabases(); }, 20000));
    }

    QString DataFile(const QString& relative) const { return dataHome + u'/' + relative; }
    QString DesktopEntry() const { return DataFile(QStringLiteral("applications/vemo-2007.desktop")); }
    QString MimePackage() const { return DataFile(QStringLiteral("mime/packages/vemo-2007.xml")); }
    QString Icon() const {
        return DataFile(QStringLiteral("icons/hicolor/64x64/mimetypes/application-x-vemo-game.png"));
    }

    TempDir dataFolder;
    TempDir programFolder;
    QString dataHome = QString::fromStdString(dataFolder.Path().string());
    QString programDirectory = QString::fromStdString(programFolder.Path().string()) + u'/';
    ScopedEnvironment xdgDataHome{"XDG_DATA_HOME", dataHome.toUtf8()};
    FileAssociation association{programDirectory, kExecutable};
};

TEST_F(FileAssociationTest, WritesTheDesktopEntryTheMimeTypeAndTheIconThenRemovesThem) {
    EXPECT_FALSE(association.IsAssociated());
    association.Apply(true);

    const QStringList entry = Read(DesktopEntry()).split(u'\n');
    EXPECT_EQ(entry.value(0), QStringLiteral("[Desktop Entry]"));
    EXPECT_TRUE(entry.contains(QStringLiteral("Type=Application")));
    EXPECT_TRUE(entry.contains(QStringLiteral("Name=ВеМо 2007")));
    EXPECT_TRUE(entry.contains(QStringLiteral("Exec=\"/opt/Ве Мо/\\\\$bin/100%%/VeMo\" -open %f")));
    EXPECT_TRUE(entry.contains(QStringLiteral("Icon=") + programDirectory + QStringLiteral("FileIcon.ico")));
    EXPECT_TRUE(entry.contains(QStringLiteral("MimeType=application/x-vemo-game;")));

    const QString package = Read(MimePackage());
    EXPECT_TRUE(package.contains(QStringLiteral("<mime-type type=\"application/x-vemo-game\">")));
    EXPECT_TRUE(package.contains(QStringLiteral("<comment>Игровой файл \"ВеМо 2007\"</comment>")));
    EXPECT_TRUE(package.contains(QStringLiteral("<glob pattern=\"*.qgm\"/>")));
    EXPECT_TRUE(package.contains(QStringLiteral("<icon name=\"application-x-vemo-game\"/>")));

    const QImage icon(Icon());
    EXPECT_EQ(icon.size(), QSize(64, 64));
    EXPECT_TRUE(association.IsAssociated());

    association.Apply(false);
    EXPECT_FALSE(QFile::exists(DesktopEntry()));
    EXPECT_FALSE(QFile::exists(MimePackage()));
    EXPECT_FALSE(QFile::exists(Icon()));
    EXPECT_FALSE(association.IsAssociated());
}

TEST_F(FileAssociationTest, AnAlteredOrMissingFileIsNoAssociationUntilWrittenAgain) {
    association.Apply(true);
    {
        QFile entry(DesktopEntry());
        ASSERT_TRUE(entry.open(QIODevice::Append));
        entry.write("Hidden=true\n");
    }
    EXPECT_FALSE(association.IsAssociated());
    association.Apply(true);
    EXPECT_TRUE(association.IsAssociated());

    ASSERT_TRUE(QFile::remove(Icon()));
    EXPECT_FALSE(association.IsAssociated());
    association.Apply(true);
    EXPECT_TRUE(association.IsAssociated());

    const FileAssociation elsewhere(programDirectory, QStringLiteral("/usr/local/bin/VeMo"));
    EXPECT_FALSE(elsewhere.IsAssociated());
}

TEST_F(FileAssociationTest, WithoutTheIconFileTheTypeGoesWithoutItsIcon) {
    ASSERT_TRUE(QFile::remove(programDirectory + QStringLiteral("FileIcon.ico")));
    association.Apply(true);
    EXPECT_TRUE(QFile::exists(DesktopEntry()));
    EXPECT_FALSE(QFile::exists(Icon()));
    EXPECT_TRUE(association.IsAssociated());
}

// The databases are rebuilt in the background: the test waits for them.
TEST_F(FileAssociationTest, TheDesktopsMimeDatabaseLearnsAndForgetsTheType) {
    if (QStandardPaths::findExecutable(QStringLiteral("update-mime-database")).isEmpty())
        GTEST_SKIP() << "update-mime-database is not installed";
    const QString globs = DataFile(QStringLiteral("mime/globs2"));
    association.Apply(true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Read(globs).contains(QStringLiteral("application/x-vemo-game:*.qgm")); }, 20000));
    association.Apply(false);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !Read(globs).contains(QStringLiteral("application/x-vemo-game")); }, 20000));
}

// A rebuild that takes its time holds nothing up: the tools here wait for
// the test's word before they finish, so Apply returns while they run.
TEST_F(FileAssociationTest, TheWindowDoesNotWaitForTheDatabases) {
    TempDir tools;
    const QString bin = QString::fromStdString(tools.Path().string()) + u'/';
    const QString release = bin + QStringLiteral("release");
    const QString finished = bin + QStringLiteral("finished");
    for (const char* name : {"update-mime-database", "update-desktop-database"}) {
        QFile tool(bin + QLatin1String(name));
        ASSERT_TRUE(tool.open(QIODevice::WriteOnly));
        tool.write(QStringLiteral("#!/bin/sh\n"
                                  "for i in $(seq 400); do [ -e '%1' ] && break; sleep 0.05; done\n"
                                  "echo \"$0\" >> '%2'\n")
                       .arg(release, finished)
                       .toUtf8());
        tool.close();
        tool.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    const ScopedEnvironment path("PATH", bin.toUtf8() + ':' + qgetenv("PATH"));

    association.Apply(true);
    EXPECT_TRUE(association.IsAssociated());
    EXPECT_FALSE(QFile::exists(finished));
    QFile(release).open(QIODevice::WriteOnly);
    // Both tools ran, one after the other.
    EXPECT_TRUE(QTest::qWaitFor([&] { return Read(finished).count(u'\n') == 2; }, 20000));
    EXPECT_TRUE(Read(finished).startsWith(bin + QStringLiteral("update-mime-database\n")));
}

TEST_F(FileAssociationTest, AFolderThatCannotBeWrittenIsReported) {
    QFile blocker(DataFile(QStringLiteral("blocked")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    ScopedEnvironment blocked("XDG_DATA_HOME", blocker.fileName().toUtf8());
    EXPECT_THROW(association.Apply(true), Exception);
}

}  // namespace
