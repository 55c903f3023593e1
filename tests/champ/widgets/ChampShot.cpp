// Draws the championship window with the season's games and its settings
// window into PNG files, for looking at them as a user sees them:
// vemo_champ_shot OUTDIR
// writes OUTDIR/champ-score.png (by score, 5 obligatory games),
// champ-points.png, champ-wide.png (the window made larger), champ-print.png
// (the output dialog of its print button) and champsett.png.
#include "champ/widgets/TFormChamp.h"
#include "champ/widgets/TFormChampSett.h"
#include "support/ScriptedDialogs.h"
#include "support/SeasonFiles.h"
#include "support/TempDir.h"
#include "ui/platform/VemoApplication.h"

#include <QAbstractButton>
#include <QDir>
#include <QLineEdit>
#include <QTest>

#include <cstdio>

namespace {

void Shoot(QWidget& window, const QString& file) {
    if (!window.isVisible()) window.show();
    if (!QTest::qWaitForWindowExposed(&window)) std::fprintf(stderr, "not shown: %s\n", qPrintable(file));
    QTest::qWait(300);
    window.grab().save(file);
}

void Click(QWidget& window, const char* button) {
    window.findChild<QAbstractButton*>(QLatin1String(button))->click();
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTDIR\n", argv[0]);
        return 2;
    }
    TempDir folder;
    qputenv("VEMO_PROGRAM_DIR", QByteArray::fromStdString(folder.Path().string()));
    VemoApplication application(argc, argv);
    const QDir out(QString::fromLocal8Bit(argv[1]));
    ScriptedDialogs dialogs;

    ChampSettings settings;
    settings.CountByScore = true;
    settings.ExlGames = 5;
    TFormChamp form(QString::fromStdString(folder.Path().string()) + u'/');
    form.SetSettings(settings);
    Shoot(form, out.filePath(QStringLiteral("champ-empty.png")));
    for (const std::string& path : SaveSeason(folder.Path().string())) {
        dialogs.fileNames.enqueue(QString::fromStdString(path));
        Click(form, "AddGameButton");
    }
    form.findChild<QLineEdit*>(QStringLiteral("EnterChampName"))->setText(QStringLiteral("Кубок сезона 2007"));
    Shoot(form, out.filePath(QStringLiteral("champ-score.png")));
    Click(form, "PointsCountButton");
    Shoot(form, out.filePath(QStringLiteral("champ-points.png")));
    Click(form, "ScoreCountButton");
    form.resize(900, 600);
    Shoot(form, out.filePath(QStringLiteral("champ-wide.png")));

    dialogs.windows.enqueue([&out](QDialog& print) {
        Shoot(print, out.filePath(QStringLiteral("champ-print.png")));
        print.reject();
    });
    Click(form, "PrintButton");
    form.hide();

    TFormChampSett sett(settings);
    Shoot(sett, out.filePath(QStringLiteral("champsett.png")));
    return 0;
}
