// Draws the setup windows as a user sees them into PNGs, for looking at
// them: vemo_entry_shot OUTDIR writes registration.png (a hall with groups,
// the editor over a name), registration-group.png (the group list over its
// cell), registration-new.png (a new game, the first team typed),
// tours.png (the editor over a tour name), groups.png, value.png
// (the value prompt), and for halls of 12, 100 and 500 teams the quick
// entry's two pages digenter1-N.png and digenter2-N.png (team 2 typed) and
// deposits-N.png. Run it under xvfb-run to see the real desktop's drawing.
#include "base/TransCodes.h"
#include "entry/widgets/TDForm.h"
#include "entry/widgets/TDigForm.h"
#include "entry/widgets/TFormDepos.h"
#include "entry/widgets/TFormGroups.h"
#include "entry/widgets/TFormReg.h"
#include "entry/widgets/TFormTours.h"
#include "entry/EntryGames.h"
#include "entry/widgets/EntryWindows.h"
#include "support/GameBuilder.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include <cstdio>
#include <string>

namespace {

void Save(QWidget& window, const QString& path) {
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) std::fprintf(stderr, "not shown: %s\n", qPrintable(path));
    window.activateWindow();
    QTest::qWait(200);
    if (!window.grab().save(path)) std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

std::unique_ptr<TVemoData> Hall() {
    auto game = TeamsGame({{"Кот в мешке", "Москва", "Иванов Пётр", "Сидорова Анна"},
                           {"Ёжики в тумане", "Санкт-Петербург", "Смирнов", ""},
                           {"Неваляшки", "Тверь", "", ""},
                           {"Команда №5", "Нижний Новгород", "Кузнецов Алексей", "Попов"},
                           {"Знатоки", "Екатеринбург", "", ""}},
                          {12, 12, 12});
    game->SetGameName(Ansi("Кубок города 2007"));
    game->SetPresenter(Ansi("Васильев"));
    game->SetTourName(2, Ansi("Финал"));
    AddGroups(*game, {"Школьники", "Студенты", "Взрослые"});
    JoinGroup(*game, 1, 2);
    JoinGroup(*game, 2, 0);
    JoinGroup(*game, 4, 1);
    return game;
}


// A hall of `teams` over one tour of 36 questions, about half of them
// taken, with deposits of 0 to 3.
std::unique_ptr<TVemoData> BigHall(int teams) {
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

void SaveAnswerWindows(const QString& out, int teams) {
    auto game = BigHall(teams);
    const QString suffix = QStringLiteral("-%1.png").arg(teams);
    TDigForm entry(*game, nullptr);
    entry.SetQuestionNumber(12);
    Save(entry, out + QStringLiteral("digenter1") + suffix);
    entry.findChild<QTabWidget*>(QStringLiteral("Pages"))->setCurrentIndex(1);
    auto* enterT = entry.findChild<QLineEdit*>(QStringLiteral("EnterT"));
    enterT->setFocus();
    enterT->setText(QStringLiteral("2"));
    entry.findChild<QPushButton*>(QStringLiteral("EnterButton"))->click();
    Save(entry, out + QStringLiteral("digenter2") + suffix);

    TFormDepos deposits(*game, nullptr);
    Save(deposits, out + QStringLiteral("deposits") + suffix);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTDIR\n", argv[0]);
        return 2;
    }
    QApplication application(argc, argv);
    const QString out = QString::fromLocal8Bit(argv[1]) + u'/';
    auto game = Hall();

    TFormReg registration(*game, nullptr);
    Save(registration, out + QStringLiteral("registration.png"));
    ClickCell(registration, 2, 4);
    QTest::qWait(100);
    Save(registration, out + QStringLiteral("registration.png"));
    ClickCell(registration, 5, 2);
    QTest::qWait(100);
    Save(registration, out + QStringLiteral("registration-group.png"));

    const auto empty = TeamsGame({});
    TFormReg newGame(*empty, nullptr);
    Save(newGame, out + QStringLiteral("registration-new.png"));
    ClickCell(newGame, 1, 1);
    TypeRows(newGame, {QStringLiteral("Кот в мешке"), QStringLiteral("Москва")});
    Save(newGame, out + QStringLiteral("registration-new.png"));

    TFormTours tours(*game, nullptr);
    Save(tours, out + QStringLiteral("tours.png"));
    ClickCell(tours, 2, 3);
    Save(tours, out + QStringLiteral("tours.png"));

    TFormGroups groups(*game, nullptr);
    Save(groups, out + QStringLiteral("groups.png"));
    ClickCell(groups, 1, 2);
    Save(groups, out + QStringLiteral("groups.png"));

    TEnterValueProperties prompt;
    prompt.Title = QStringLiteral("Оставить вопросов в туре");
    prompt.Text = QStringLiteral("6");
    prompt.Selected = true;
    TDForm value(prompt, nullptr);
    Save(value, out + QStringLiteral("value.png"));

    for (int teams : {12, 100, 500}) SaveAnswerWindows(out, teams);
    return 0;
}
