// A client's calls to the running program, one gdbus call each, with the
// replies it gets and the boxes the program shows; after every call the
// game still keeps every model invariant.
#include "automation/AutomationFixture.h"

namespace {

const char* const kNoTeam = "(('', '', '', '', 0, 0, 0, 0),)";

QString Box(const char* text) { return QStringLiteral("box\terror\tОшибка\t") + QString::fromUtf8(text); }

}  // namespace

// A game of four teams built from nothing: Альфа, Бета and Гамма are
// added, Дельта is inserted as number 1 and Альфа takes its number 4.
// Marks: Альфа and Бета questions 1 and 2, Гамма question 3; with ratings
// plus one the first two questions are worth 3 and the third 4.
TEST_F(AutomationTest, AGameBuiltFromNothingIsCountedAsTheClientAsks) {
    Run({
        {"GetTeamCount", {}, "(0,)"},
        {"NewGame", {"Кубок", "6", "01.02.26", "Иванов"}, "()"},
        {"GetQuestionCount", {}, "(6,)"},
        {"GetGameName", {}, "('Кубок',)"},
        {"GetGameDate", {}, "('01.02.2026',)"},
        {"GetPresenter", {}, "('Иванов',)"},
        {"GetLastQuestion", {}, "(6,)"},
        {"AddTeam", {"Альфа", "Москва", "Кэп", "Тренер"}, "()"},
        {"AddTeam", {"Бета", "Тула", "", ""}, "()"},
        {"AddTeam", {"Гамма", "Тула", "", ""}, "()"},
        // The same team in other letters, or without a name or a town.
        {"AddTeam", {"альфа", "МОСКВА", "", ""}, "()"},
        {"AddTeam", {"", "Тула", "к", "т"}, "()"},
        {"AddTeam", {"Эпсилон", "", "к", "т"}, "()"},
        {"GetTeamCount", {}, "(3,)"},
        {"InsertTeam", {"1", "Дельта", "Омск", "", ""}, "()"},
        {"GetTeamAtNumber", {"1"}, "(('Дельта', '', 'Омск', '', 1, 1, 0, 0),)"},
        {"GetTeamAtNumber", {"2"}, "(('Бета', '', 'Тула', '', 2, 1, 0, 0),)"},
        {"GetTeamAtNumber", {"3"}, "(('Гамма', '', 'Тула', '', 3, 1, 0, 0),)"},
        {"GetTeamAtNumber", {"4"}, "(('Альфа', 'Кэп', 'Москва', 'Тренер', 4, 1, 0, 0),)"},
        {"GetTeamAtNumber", {"5"}, kNoTeam},
        // Positions in view follow registration: Альфа, Бета, Гамма, Дельта.
        {"FindTeam", {"дельта", ""}, "(4,)"},
        {"FindTeam", {"бета", "ТУЛА"}, "(2,)"},
        {"FindTeam", {"бета", "Омск"}, "(0,)"},
        {"FindTeam", {"", "Тула"}, "(0,)"},
        {"SetQuestSign", {"1", "1", "true"}, "()"},
        {"SetQuestSign", {"1", "2", "true"}, "()"},
        {"SetQuestSign", {"2", "1", "true"}, "()"},
        {"SetQuestSign", {"2", "2", "true"}, "()"},
        {"SetQuestSign", {"3", "3", "true"}, "()"},
        // Beyond the window, before the first team, after the last one.
        {"SetQuestSign", {"3", "7", "true"}, "()"},
        {"SetQuestSign", {"0", "4", "true"}, "()"},
        {"SetQuestSign", {"5", "4", "true"}, "()"},
        {"GetQuestSign", {"1", "2"}, "(true,)"},
        {"GetQuestSign", {"1", "3"}, "(false,)"},
        {"GetQuestSign", {"3", "7"}, "(false,)"},
        {"GetQuestSign", {"3", "0"}, "(false,)"},
        {"GetQuestSign", {"4", "4"}, "(false,)"},
        // No count yet: the marks are not in the results.
        {"GetTeamAtPlace", {"1"}, "(('Альфа', 'Кэп', 'Москва', 'Тренер', 4, 1, 0, 0),)"},
        {"SetScoreDeposit", {"3", "1"}, "()"},
        {"SetScoreDeposit", {"3", "-1"}, "()"},
        {"SetScoreDeposit", {"7", "1"}, "()"},
        {"GetScoreDeposit", {"3"}, "(1,)"},
        {"GetScoreDeposit", {"9"}, "(0,)"},
        {"CountResult", {}, "()"},
        // Альфа and Бета share place 1 at different positions.
        {"GetTeamAtPlace", {"1"}, "(('Альфа', 'Кэп', 'Москва', 'Тренер', 4, 1, 2, 6),)"},
        {"GetTeamAtPlace", {"2"}, "(('Бета', '', 'Тула', '', 2, 1, 2, 6),)"},
        {"GetTeamAtPlace", {"3"}, "(('Гамма', '', 'Тула', '', 3, 3, 1, 4),)"},
        {"GetTeamAtPlace", {"4"}, "(('Дельта', '', 'Омск', '', 1, 4, 0, 0),)"},
        {"GetTeamAtPlace", {"5"}, kNoTeam},
        {"GetTeamAtPlace", {"0"}, kNoTeam},
        {"GetCountParam", {}, "((true, true, false, false),)"},
        {"SetLastQuestion", {"0"}, "()"},
        {"GetLastQuestion", {}, "(1,)"},
        {"SetLastQuestion", {"1000"}, "()"},
        {"GetLastQuestion", {}, "(6,)"},
    });
}

TEST_F(AutomationTest, TeamsAreRenamedRenumberedAndDeletedWithoutDuplicates) {
    Run({
        {"NewGame", {"Кубок", "6", "01.02.26", ""}, "()"},
        {"AddTeam", {"Альфа", "Москва", "", ""}, "()"},
        {"AddTeam", {"Бета", "Тула", "", ""}, "()"},
        {"AddTeam", {"Гамма", "Тула", "", ""}, "()"},
        // Its own name in other letters, and the name of a team of its town.
        {"SetTeamName", {"2", "БЕТА"}, "()"},
        {"SetTeamName", {"2", "гамма"}, "()"},
        {"SetTeamName", {"2", ""}, "()"},
        {"SetTeamName", {"4", "Дзета"}, "()"},
        {"GetTeamAtNumber", {"2"}, "(('Бета', '', 'Тула', '', 2, 1, 0, 0),)"},
        {"SetTeamName", {"2", "Бета-2"}, "()"},
        {"SetTeamTown", {"3", "ТУЛА"}, "()"},
        {"SetTeamTown", {"1", ""}, "()"},
        {"SetTeamTown", {"1", "Казань"}, "()"},
        {"SetTeamCaptain", {"2", "Капитан"}, "()"},
        {"SetTeamTrainer", {"2", "Тренер"}, "()"},
        {"SetTeamCaptain", {"0", "Никто"}, "()"},
        {"GetTeamAtNumber", {"1"}, "(('Альфа', '', 'Казань', '', 1, 1, 0, 0),)"},
        {"GetTeamAtNumber", {"2"}, "(('Бета-2', 'Капитан', 'Тула', 'Тренер', 2, 1, 0, 0),)"},
        {"GetTeamAtNumber", {"3"}, "(('Гамма', '', 'Тула', '', 3, 1, 0, 0),)"},
        // Numbers are swapped, and only within 1..N.
        {"SetTeamNumber", {"1", "3"}, "()"},
        {"SetTeamNumber", {"1", "4"}, "()"},
        {"SetTeamNumber", {"0", "1"}, "()"},
        {"GetTeamAtNumber", {"3"}, "(('Альфа', '', 'Казань', '', 3, 1, 0, 0),)"},
        {"GetTeamAtNumber", {"1"}, "(('Гамма', '', 'Тула', '', 1, 1, 0, 0),)"},
        // Deleting Бета-2 (number 2) moves Альфа down to number 2.
        {"DeleteTeam", {"4"}, "()"},
        {"DeleteTeam", {"0"}, "()"},
        {"DeleteTeam", {"2"}, "()"},
        {"GetTeamCount", {}, "(2,)"},
        {"GetTeamAtNumber", {"2"}, "(('Альфа', '', 'Казань', '', 2, 1, 0, 0),)"},
        {"FindTeam", {"Гамма", ""}, "(2,)"},
    });
}

TEST_F(AutomationTest, GameTextsDateAndQuestionsFollowTheirRules) {
    Run({
        {"NewGame", {"Кубок", "6", "01.02.26", "Иванов"}, "()"},
        {"AddTeam", {"Альфа", "Москва", "", ""}, "()"},
        {"SetGameName", {"Финал"}, "()"},
        {"SetPresenter", {"Петров"}, "()"},
        {"GetGameName", {}, "('Финал',)"},
        {"GetPresenter", {}, "('Петров',)"},
        {"SetGameDate", {"15.03.27"}, "()"},
        {"GetGameDate", {}, "('15.03.2027',)"},
        {"SetGameDate", {"31.02.27"}, "()", {Box("Неправильное значение даты (дд.мм.гг)!")}},
        {"SetGameDate", {"1.2"}, "()", {Box("Неправильный формат даты (дд.мм.гг)!")}},
        {"GetGameDate", {}, "('15.03.2027',)"},
        // A day that is no number is an error inside the method.
        {"SetGameDate", {"ab.03.27"}, "Error: Vemo.Error.Unexpected: 'ab' is not a valid integer value"},
        {"SetQuestionCount", {"0"}, "()"},
        {"GetQuestionCount", {}, "(6,)"},
        {"SetQuestionCount", {"8"}, "()"},
        {"GetQuestionCount", {}, "(8,)"},
        {"SetQuestSign", {"1", "8", "true"}, "()"},
        {"GetQuestSign", {"1", "8"}, "(true,)"},
        // No game at all for no questions: the open one stays.
        {"NewGame", {"Другой", "0", "01.02.26", ""}, "()"},
        {"GetGameName", {}, "('Финал',)"},
        {"GetTeamCount", {}, "(1,)"},
        // A bad date gives its message and a game without tours.
        {"NewGame", {"Третий", "5", "32.01.26", "Сидоров"}, "()", {Box("Неправильное значение даты (дд.мм.гг)!")}},
        {"GetGameName", {}, "('Третий',)"},
        {"GetPresenter", {}, "('Сидоров',)"},
        {"GetQuestionCount", {}, "(0,)"},
        {"GetTeamCount", {}, "(0,)"},
    });
}

TEST_F(AutomationTest, CountParametersAreSetInTheirOrder) {
    Run({
        {"NewGame", {"Кубок", "3", "01.02.26", ""}, "()"},
        {"SetCountParam", {"false", "false", "true", "true"}, "()"},
        {"GetCountParam", {}, "((false, false, true, true),)"},
        {"SetCountParam", {"true", "false", "false", "true"}, "()"},
        {"GetCountParam", {}, "((true, false, false, true),)"},
    });
}

// Arguments of other types find no method; the program goes on answering.
TEST_F(AutomationTest, ArgumentsOfTheWrongTypeAreRefusedByTheBus) {
    const QDBusMessage reply = FBus.Call(QStringLiteral("GetTeamAtNumber"), {QStringLiteral("один")});
    EXPECT_EQ(reply.errorName(), QStringLiteral("org.freedesktop.DBus.Error.UnknownMethod"));
    const QDBusMessage missing = FBus.Call(QStringLiteral("SetQuestSign"), {1, 2});
    EXPECT_EQ(missing.errorName(), QStringLiteral("org.freedesktop.DBus.Error.UnknownMethod"));
    Run({{"GetTeamCount", {}, "(0,)"}});
}

TEST_F(AutomationTest, AMissingFileLeavesAnEmptyGameAndSaysNothing) {
    Run({
        {"NewGame", {"Кубок", "3", "01.02.26", ""}, "()"},
        {"AddTeam", {"Альфа", "Москва", "", ""}, "()"},
        {"OpenFile", {FBus.File("missing.qgm")}, "()"},
        {"GetTeamCount", {}, "(0,)"},
        {"GetQuestionCount", {}, "(0,)"},
        {"GetGameName", {}, "('Новый турнир',)"},
    });
}

// Without a name the window's own dialogs ask; cancelled, nothing happens.
TEST_F(AutomationTest, AnEmptyFileNameAsksInTheWindowsDialogs) {
    Run({
        {"OpenFile", {""}, "()", {QStringLiteral("dialog\topen\tЗагрузка игры")}},
        {"SaveFile", {"", "true"}, "()"},
        {"NewGame", {"Кубок", "3", "01.02.26", ""}, "()"},
        {"AddTeam", {"Альфа", "Москва", "", ""}, "()"},
        {"SaveFile", {"", "true"}, "()", {QStringLiteral("dialog\tsave\tСохранение игры")}},
    });
}
