// Draws one of the hall's windows with a generated game into a PNG, for
// looking at it as the hall sees it:
//     vemo_hall_shot board|statall|statteam TEAMS QUESTIONS OUT.png
// The game has long team names and towns, a long title and the results
// after its last question. Run it under xvfb-run with the screen size the
// board is to be seen at.
#include "base/TransCodes.h"
#include "output/widgets/TFormResults.h"
#include "stats/widgets/TStatAllForm.h"
#include "stats/widgets/TStatTeamForm.h"
#include "support/GameBuilder.h"
#include "ui/platform/VemoApplication.h"

#include <QPixmap>
#include <QTimer>

#include <cstdio>
#include <cstring>

namespace {

std::unique_ptr<TVemoData> HallGame(int teams, int questions) {
    std::mt19937 random(static_cast<unsigned>(teams * 7 + questions));
    RandomGameShape shape;
    shape.teams = teams;
    shape.tours = {questions};
    auto game = MakeRandomGame(random, shape);
    game->SetGameName(TransCodes::Utf8ToAnsi("Открытый кубок Северо-Западного федерального округа по интеллектуальным играм"));
    game->SetPresenter(TransCodes::Utf8ToAnsi("Александр Друзь"));
    game->SetGameDate({2024, 3, 17});
    const char* towns[] = {"Петропавловск-Камчатский", "Санкт-Петербург", "Ростов-на-Дону", "Нижний Новгород"};
    for (int i = 0; i < teams; ++i) {
        TTeamData& team = *game->TeamByIndex(i);
        team.Name = TransCodes::Utf8ToAnsi("Непобедимые знатоки Заполярья №" + std::to_string(i + 1));
        team.Town = TransCodes::Utf8ToAnsi(towns[i % 4]);
        team.Captain = TransCodes::Utf8ToAnsi("Иван Петров");
        team.Trainer = TransCodes::Utf8ToAnsi("Мария Сидорова");
    }
    game->SetRatingPlusOne(true);
    game->SetHiRating(true);
    game->SetLastQuestion(questions);
    game->CountResult();
    return game;
}

std::unique_ptr<QDialog> HallWindow(const char* kind, TVemoData& game) {
    if (std::strcmp(kind, "board") == 0) return std::make_unique<TFormResults>(game);
    if (std::strcmp(kind, "statall") == 0) return std::make_unique<TStatAllForm>(game);
    if (std::strcmp(kind, "statteam") == 0) return std::make_unique<TStatTeamForm>(game, 2);
    return nullptr;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s board|statall|statteam TEAMS QUESTIONS OUT.png\n", argv[0]);
        return 2;
    }
    VemoApplication application(argc, argv);
    auto game = HallGame(std::atoi(argv[2]), std::atoi(argv[3]));
    std::unique_ptr<QDialog> window = HallWindow(argv[1], *game);
    if (!window) return 2;
    window->show();
    const QString out = QString::fromLocal8Bit(argv[4]);
    QTimer::singleShot(1500, window.get(), [&] {
        window->grab().save(out);
        application.quit();
    });
    return application.exec();
}
