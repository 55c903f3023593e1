// Draws a data entry window with a generated game into a PNG, for looking
// at it as the scorer sees it:
//     vemo_entry_shot dig1|dig2|depos TEAMS OUT.png
// A hall of TEAMS teams over one tour of 36 questions, about half of them
// taken; dig2 shows the team numbered 2. Run it under xvfb-run.
#include "base/TransCodes.h"
#include "entry/widgets/TDigForm.h"
#include "entry/widgets/TFormDepos.h"
#include "support/GameBuilder.h"
#include "ui/platform/VemoApplication.h"

#include <QLineEdit>
#include <QPixmap>
#include <QTabWidget>
#include <QTimer>

#include <cstdio>
#include <cstring>

namespace {

std::unique_ptr<TVemoData> HallGame(int teams) {
    std::mt19937 random(static_cast<unsigned>(teams));
    RandomGameShape shape;
    shape.teams = teams;
    shape.tours = {36};
    auto game = MakeRandomGame(random, shape);
    for (int i = 0; i < teams; ++i) {
        TTeamData& team = *game->TeamByIndex(i);
        team.Name = TransCodes::Utf8ToAnsi("Знатоки №" + std::to_string(i + 1));
        team.Town = TransCodes::Utf8ToAnsi(i % 2 ? "Санкт-Петербург" : "Москва");
        team.ScoreDeposit = i % 4;
    }
    return game;
}

std::unique_ptr<QDialog> EntryWindow(const char* kind, TVemoData& game) {
    if (std::strcmp(kind, "depos") == 0) return std::make_unique<TFormDepos>(game);
    if (std::strcmp(kind, "dig1") != 0 && std::strcmp(kind, "dig2") != 0) return nullptr;
    auto window = std::make_unique<TDigForm>(game);
    window->SetQuestionNumber(12);
    return window;
}

// Page 2 of the quick entry with team 2 chosen, as typed.
void ShowTeamPage(QDialog& window) {
    window.findChild<QTabWidget*>(QStringLiteral("Pages"))->setCurrentIndex(1);
    auto* enterT = window.findChild<QLineEdit*>(QStringLiteral("EnterT"));
    enterT->setFocus();
    enterT->setText(QStringLiteral("2"));
    QMetaObject::invokeMethod(window.findChild<QObject*>(QStringLiteral("EnterButton")), "click");
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s dig1|dig2|depos TEAMS OUT.png\n", argv[0]);
        return 2;
    }
    VemoApplication application(argc, argv);
    auto game = HallGame(std::atoi(argv[2]));
    std::unique_ptr<QDialog> window = EntryWindow(argv[1], *game);
    if (!window) return 2;
    window->show();
    // Typed once the window is active and the field has the focus.
    if (std::strcmp(argv[1], "dig2") == 0) QTimer::singleShot(800, window.get(), [&] { ShowTeamPage(*window); });
    const QString out = QString::fromLocal8Bit(argv[3]);
    QTimer::singleShot(1500, window.get(), [&] {
        window->grab().save(out);
        application.quit();
    });
    return application.exec();
}
