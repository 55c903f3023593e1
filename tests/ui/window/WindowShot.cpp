// Draws the main window with a game open into a PNG, for looking at the
// window as a user sees it:
//     vemo_window_shot GAME.qgm OUT.png [WIDTHxHEIGHT] [--help=TOPIC | --question]
// with "-" for the game to see the window without one. With --help the help
// window is opened at TOPIC, with --question the save prompt is asked; both
// then take the whole screen (run under xvfb-run) instead of the window.
// The window runs in a temporary program directory, so no Vemo.cfg or
// association of the user's is touched; the help comes from beside this tool.
#include "ui/platform/CommandLine.h"
#include "ui/TFormMain.h"
#include "support/TempDir.h"
#include "ui/platform/Dialogs.h"
#include "ui/platform/VemoApplication.h"

#include <QFile>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include <cstdio>

namespace {

constexpr int kSettleMs = 1500;

struct ShotRequest {
    QString size;
    int helpTopic = -1;
    bool question = false;
};

ShotRequest ReadRequest(int argc, char* argv[]) {
    ShotRequest request;
    for (int i = 3; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        if (argument.startsWith(QStringLiteral("--help=")))
            request.helpTopic = argument.mid(7).toInt();
        else if (argument == QStringLiteral("--question"))
            request.question = true;
        else
            request.size = argument;
    }
    return request;
}

void SaveScreen(const QString& out) { QGuiApplication::primaryScreen()->grabWindow(0).save(out); }

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s GAME.qgm OUT.png [WIDTHxHEIGHT] [--help=TOPIC | --question]\n", argv[0]);
        return 2;
    }
    TempDir folder;
    qputenv("VEMO_PROGRAM_DIR", QByteArray::fromStdString(folder.Path().string()));
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(folder.File("data")));
    VemoApplication application(argc, argv);
    QFile::link(QCoreApplication::applicationDirPath() + QStringLiteral("/help"), QString::fromStdString(folder.File("help")));
    const ShotRequest request = ReadRequest(argc, argv);

    StartupOptions options;
    options.showSplash = false;
    options.openPath = QString::fromLocal8Bit(argv[1]);
    options.hasOpen = options.openPath != QStringLiteral("-");
    TFormMain form(options);
    if (!request.size.isEmpty()) {
        const QStringList size = request.size.split(u'x');
        form.setWindowState(Qt::WindowNoState);
        form.resize(size.value(0).toInt(), size.value(1).toInt());
    }
    form.show();
    const QString out = QString::fromLocal8Bit(argv[2]);
    QTimer::singleShot(kSettleMs, &form, [&] {
        if (request.helpTopic >= 0) {
            AppDialogs().ShowHelp(request.helpTopic);
            QTimer::singleShot(kSettleMs, &form, [&] {
                SaveScreen(out);
                application.quit();
            });
        } else if (request.question) {
            QTimer::singleShot(kSettleMs, &form, [&] {
                SaveScreen(out);
                if (QWidget* box = QApplication::activeModalWidget()) box->close();
            });
            AppDialogs().QuestionBox(QStringLiteral("Последние изменения не сохранены.\rСохранить изменения?"),
                                     QStringLiteral("Сохранение"), true);
            application.quit();
        } else {
            form.grab().save(out);
            application.quit();
        }
    });
    return application.exec();
}
