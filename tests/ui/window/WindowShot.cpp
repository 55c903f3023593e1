// Draws the main window with a game open into a PNG, for looking at the
// window as a user sees it: vemo_window_shot GAME.qgm OUT.png [WIDTHxHEIGHT],
// with "-" for the game to see the window without one.
// The window runs in a temporary program directory, so no Vemo.cfg or
// association of the user's is touched.
#include "ui/platform/CommandLine.h"
#include "ui/TFormMain.h"
#include "support/TempDir.h"
#include "ui/platform/VemoApplication.h"

#include <QPixmap>
#include <QTimer>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s GAME.qgm OUT.png [WIDTHxHEIGHT]\n", argv[0]);
        return 2;
    }
    TempDir folder;
    qputenv("VEMO_PROGRAM_DIR", QByteArray::fromStdString(folder.Path().string()));
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(folder.File("data")));
    VemoApplication application(argc, argv);

    StartupOptions options;
    options.showSplash = false;
    options.openPath = QString::fromLocal8Bit(argv[1]);
    options.hasOpen = options.openPath != QStringLiteral("-");
    TFormMain form(options);
    if (argc > 3) {
        const QStringList size = QString::fromLocal8Bit(argv[3]).split(u'x');
        form.setWindowState(Qt::WindowNoState);
        form.resize(size.value(0).toInt(), size.value(1).toInt());
    }
    form.show();
    const QString out = QString::fromLocal8Bit(argv[2]);
    QTimer::singleShot(1500, &form, [&] {
        form.grab().save(out);
        application.quit();
    });
    return application.exec();
}
