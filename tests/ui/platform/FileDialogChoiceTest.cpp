// The real file dialogs as a user works them: a name typed without an
// extension takes the extension of the file type chosen in the dialog, and
// the folder dialog gives a folder.
#include "ui/platform/Dialogs.h"

#include "support/TempDir.h"
#include "support/TestApplication.h"
#include "support/WhenOpen.h"

#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QString kFilter = QStringLiteral("Веб-страница HTML (*.html);;Таблица CSV (*.csv);;Данные JSON (*.json)");

// Types `name` in the dialog's file name field after choosing file type
// `type` with the keyboard, and accepts with Enter.
QString SaveAs(const QString& folder, int type, const QString& name) {
    WhenOpen<QFileDialog>([=](QFileDialog& dialog) {
        auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        auto* field = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (!types || !field) {
            ADD_FAILURE() << "no type or name field";
            dialog.reject();
            return;
        }
        types->setFocus();
        for (int i = 0; i < type; ++i) QTest::keyClick(types, Qt::Key_Down);
        field->setFocus();
        QTest::keyClicks(field, name);
        QTest::keyClick(field, Qt::Key_Return);
    });
    FileDialogRequest request{QStringLiteral("Сохранить для публикации"), folder, {}, kFilter, QStringLiteral("html")};
    return AppDialogs().SaveFileName(request);
}

}  // namespace

TEST(FileDialogChoice, ANameWithoutExtensionTakesTheChosenTypes) {
    TestApplication();
    TempDir dir;
    const QString folder = QString::fromStdString(dir.Path().string());
    const struct {
        int type;
        const char* typed;
        const char* expected;
    } cases[] = {
        {0, "results", "results.html"},
        {1, "results", "results.csv"},
        {2, "results", "results.json"},
        {2, "results.csv", "results.csv"},
    };
    for (const auto& c : cases) {
        const QString path = SaveAs(folder, c.type, QString::fromUtf8(c.typed));
        EXPECT_EQ(path, folder + u'/' + QString::fromUtf8(c.expected)) << c.type << " " << c.typed;
    }
}

TEST(FileDialogChoice, TheFolderDialogGivesAFolder) {
    TestApplication();
    TempDir dir;
    const QString folder = QString::fromStdString(dir.Path().string());
    QFileDialog::FileMode mode = QFileDialog::AnyFile;
    QString title;
    WhenOpen<QFileDialog>([&](QFileDialog& dialog) {
        mode = dialog.fileMode();
        title = dialog.windowTitle();
        static_cast<QDialog&>(dialog).accept();
    });
    FileDialogRequest request;
    request.title = QStringLiteral("Папка для публикации результатов");
    request.directory = folder;
    EXPECT_EQ(AppDialogs().FolderName(request), folder);
    EXPECT_EQ(mode, QFileDialog::Directory);
    EXPECT_EQ(title, QStringLiteral("Папка для публикации результатов"));
}
