// Draws the output dialog and the print preview of a game into PNG files,
// for looking at them as a user sees them:
// vemo_output_shot GAME.qgm TYPE OUTDIR
// writes OUTDIR/print.png, and preview-SCALE-ORIENTATION.png for the
// scales 1 and 2 in portrait and scale 1 in landscape, and printdialog.png.
// The preview lays its pages out for the system's default printer, as in
// the program.
#include "OutputDoubles.h"
#include "model/VemoData.h"
#include "output/widgets/TFormPreview.h"
#include "output/widgets/TFormPrint.h"
#include "support/TempDir.h"
#include "ui/platform/VemoApplication.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {

void Shoot(QWidget& window, const QString& file) {
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) std::fprintf(stderr, "not shown: %s\n", qPrintable(file));
    QTest::qWait(300);
    window.grab().save(file);
}

void Click(QWidget& window, const char* button) {
    window.findChild<QAbstractButton*>(QLatin1String(button))->click();
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s GAME.qgm TYPE OUTDIR\n", argv[0]);
        return 2;
    }
    TempDir folder;
    qputenv("VEMO_PROGRAM_DIR", QByteArray::fromStdString(folder.Path().string()));
    VemoApplication application(argc, argv);
    TVemoData game;
    game.SetCountOptions({});
    if (!game.LoadFromFile(argv[1])) return 1;
    game.CountResult();
    GameSource source(game);
    const auto type = static_cast<InfoType>(QByteArray(argv[2]).toInt());
    const QDir out(QString::fromLocal8Bit(argv[3]));

    TFormPrint print(source, out.absolutePath());
    print.SetInfoTypeEnabled(InfoType::Championship, false);
    print.SetInfoType(type);
    Shoot(print, out.filePath(QStringLiteral("print.png")));
    print.hide();

    TFormPreview preview(source.Data(type), out.absolutePath());
    Shoot(preview, out.filePath(QStringLiteral("preview-1-portrait.png")));
    Click(preview, "IncPageButton");
    Click(preview, "Scale2Button");
    Shoot(preview, out.filePath(QStringLiteral("preview-2-portrait.png")));
    Click(preview, "LandButton");
    Click(preview, "Scale1Button");
    Shoot(preview, out.filePath(QStringLiteral("preview-1-landscape.png")));

    // The system's print dialog, shot and cancelled.
    QTimer::singleShot(1500, [&out] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            dialog->grab().save(out.filePath(QStringLiteral("printdialog.png")));
            dialog->close();
        }
    });
    Click(preview, "PrintAllButton");
    return 0;
}
