// Draws the setup windows as a user sees them into PNGs, for looking at
// them: vemo_entry_shot OUTDIR writes registration.png (a hall with groups,
// the editor over a name), registration-group.png (the group list over its
// cell), registration-new.png (a new game, the first team typed),
// tours.png (the editor over a tour name), groups.png and value.png
// (the value prompt). Run it under xvfb-run to see the real desktop's
// drawing.
#include "entry/widgets/TDForm.h"
#include "entry/widgets/TFormGroups.h"
#include "entry/widgets/TFormReg.h"
#include "entry/widgets/TFormTours.h"
#include "entry/EntryGames.h"
#include "entry/widgets/EntryWindows.h"

#include <QApplication>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

#include <cstdio>

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
    return 0;
}
