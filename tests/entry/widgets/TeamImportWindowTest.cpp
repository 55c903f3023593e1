// The team list import as the registration's user works it: the button, the
// file dialog, the preview of what will be added and what is refused, and
// the working copy after "Добавить" or Cancel. Files the tests write.
#include "entry/widgets/TFormReg.h"

#include "entry/EntryGames.h"
#include "entry/TeamImport.h"
#include "entry/widgets/EntryWindows.h"
#include "support/TempDir.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include <filesystem>

namespace {

const QString kError = QStringLiteral("Ошибка");

class TeamImportWindowTest : public EntryWindowTest {
protected:
    TeamImportWindowTest() : game(TeamsGame({{"Знатоки", "Москва"}, {"Ёжики", "Тверь"}}, {10})) {}

    // The registration on the game; `step` plays the user in it after the
    // import button is clicked with `file` chosen (empty: Cancel). The
    // working copy the window hands back.
    std::unique_ptr<TVemoData> ImportInRegistration(const QString& file, const ScriptedDialogs::WindowStep& step,
                                                    const ScriptedDialogs::WindowStep& after = {}) {
        TFormReg form(*game, nullptr);
        dialogs.windows.enqueue([&](QDialog& w) {
            dialogs.fileNames.enqueue(file);
            if (step) dialogs.windows.enqueue(step);
            Click(w, "ImportButton");
            if (after) after(w);
            Click(w, "CancelButton");
        });
        AppDialogs().Exec(form);
        return form.TakeGame();
    }

    QString Write(const std::string& bytes) {
        WriteBytes(dir.File("teams.csv"), bytes);
        return QString::fromStdString(dir.File("teams.csv"));
    }

    TempDir dir;
    std::unique_ptr<TVemoData> game;
};

QStringList RowTexts(const QTableWidget& table, int row) {
    QStringList texts;
    for (int column = 0; column < table.columnCount(); ++column) texts << table.item(row, column)->text();
    return texts;
}

QList<QStringList> TableTexts(const QDialog& preview, const char* name) {
    const auto* table = Find<QTableWidget>(preview, name);
    QList<QStringList> rows;
    for (int row = 0; row < table->rowCount(); ++row) rows << RowTexts(*table, row);
    return rows;
}

QStringList HeaderTexts(const QDialog& preview, const char* name) {
    const auto* table = Find<QTableWidget>(preview, name);
    QStringList texts;
    for (int column = 0; column < table->columnCount(); ++column)
        texts << table->horizontalHeaderItem(column)->text();
    return texts;
}

std::vector<std::vector<std::string>> Teams(const TVemoData& game) {
    std::vector<std::vector<std::string>> teams;
    for (int n = 1; n <= game.TeamCount(); ++n) {
        const TTeamData& team = *game.TeamByNumber(n);
        teams.push_back({Utf8(team.Name), Utf8(team.Town), Utf8(team.Captain), Utf8(team.Trainer),
                         team.Group() ? Utf8(team.Group()->Name) : std::string("-")});
    }
    return teams;
}

// Windows-1251 with a header, semicolons, a quoted name, an empty line,
// a team of the game in other letters, a repeat and a row without a town.
const std::string kTeamList = Ansi(
    "Команда;Город;Капитан;Тренер;Группа\r\n"
    "\"Совы; ночные\";Омск;Иванов;Петров;Высшая\r\n"
    "\r\n"
    "ЗНАТОКИ;москва;;;\r\n"
    "Щит;Уфа;;;высшая\r\n"
    "щит;УФА;;;\r\n"
    "Кот;;;;\r\n");

}  // namespace

TEST_F(TeamImportWindowTest, ThePreviewShowsWhatWillBeAddedAndWhatIsRefusedWithWhy) {
    const QString file = Write(kTeamList);
    auto copy = ImportInRegistration(file, [](QDialog& preview) {
        EXPECT_EQ(preview.windowTitle(), QStringLiteral("Импорт команд"));
        EXPECT_EQ(HeaderTexts(preview, "AcceptedTable"),
                  (QStringList{"Строка", "Команда", "Город", "Капитан", "Тренер", "Группа"}));
        EXPECT_EQ(TableTexts(preview, "AcceptedTable"),
                  (QList<QStringList>{{"2", "Совы; ночные", "Омск", "Иванов", "Петров", "Высшая"},
                                      {"5", "Щит", "Уфа", "", "", "высшая"}}));
        EXPECT_EQ(TableTexts(preview, "RefusedTable"),
                  (QList<QStringList>{{"4", "ЗНАТОКИ", "москва", "такая команда уже есть: №1"},
                                      {"6", "щит", "УФА", "повтор строки 5"},
                                      {"7", "Кот", "", "нет города"}}));
        EXPECT_EQ(Find<QLabel>(preview, "AcceptedLabel")->text(), QStringLiteral("Будут добавлены команды: 2"));
        EXPECT_EQ(Find<QLabel>(preview, "RefusedLabel")->text(), QStringLiteral("Отклонены строки: 3"));
        EXPECT_EQ(Find<QLabel>(preview, "NewGroupsLabel")->text(), QStringLiteral("Будут созданы группы: Высшая"));
        auto* ok = Find<QPushButton>(preview, "OKButton");
        EXPECT_EQ(ok->text(), QStringLiteral("Добавить"));
        EXPECT_TRUE(ok->isEnabled());
        Click(preview, "OKButton");
    });
    const ShownBox open = dialogs.Shown(ShownBox::Kind::Open).constFirst();
    EXPECT_EQ(open.caption, QStringLiteral("Импорт команд"));
    EXPECT_EQ(open.request.filter, QStringLiteral("Таблицы CSV (*.csv *.txt);;Все файлы (*)"));
    EXPECT_EQ(Teams(*copy), (std::vector<std::vector<std::string>>{{"Знатоки", "Москва", "", "", "-"},
                                                                   {"Ёжики", "Тверь", "", "", "-"},
                                                                   {"Совы; ночные", "Омск", "Иванов", "Петров", "Высшая"},
                                                                   {"Щит", "Уфа", "", "", "Высшая"}}));
    EXPECT_EQ(copy->GroupCount(), 1);
    EXPECT_EQ(game->TeamCount(), 2) << "the window works on its own copy";
}

TEST_F(TeamImportWindowTest, TheTableShowsTheAddedTeamsAndTheirGroupsAtOnce) {
    const QString file = Write(kTeamList);
    ImportInRegistration(
        file, [](QDialog& preview) { Click(preview, "OKButton"); },
        [](QDialog& w) {
            EXPECT_EQ(ColumnTexts(w, 1), (QStringList{"Знатоки", "Ёжики", "Совы; ночные", "Щит", ""}));
            EXPECT_EQ(ColumnTexts(w, 5), (QStringList{"???", "???", "Высшая", "Высшая", ""}));
            ClickCell(w, 5, 1);
            auto* groups = w.findChild<QComboBox*>(QStringLiteral("ChooseValue"));
            ASSERT_NE(groups, nullptr);
            EXPECT_EQ(groups->count(), 1) << "the new group is in the list";
        });
}

TEST_F(TeamImportWindowTest, CancelInThePreviewOrTheFileDialogAddsNothing) {
    const QString file = Write(kTeamList);
    auto copy = ImportInRegistration(file, [](QDialog& preview) { Click(preview, "CancelButton"); });
    EXPECT_EQ(copy->TeamCount(), 2);
    EXPECT_EQ(copy->GroupCount(), 0);

    copy = ImportInRegistration(QString(), {});
    EXPECT_EQ(copy->TeamCount(), 2);
    EXPECT_TRUE(dialogs.windows.isEmpty());
    EXPECT_EQ(dialogs.Shown(ShownBox::Kind::Window).size(), 3) << "two registrations and one preview";
}

TEST_F(TeamImportWindowTest, AFileWithNothingToAddCannotBeConfirmed) {
    const QString file = Write("Команда;Город\nЗнатоки;МОСКВА\n;Омск\n");
    auto copy = ImportInRegistration(file, [](QDialog& preview) {
        EXPECT_FALSE(Find<QPushButton>(preview, "OKButton")->isEnabled());
        EXPECT_EQ(preview.findChild<QLabel*>(QStringLiteral("NewGroupsLabel")), nullptr);
        EXPECT_EQ(TableTexts(preview, "RefusedTable").size(), 2);
        Click(preview, "CancelButton");
    });
    EXPECT_EQ(copy->TeamCount(), 2);
}

TEST_F(TeamImportWindowTest, AFileThatCannotBeReadIsToldAndNoPreviewOpens) {
    std::filesystem::create_directory(dir.File("folder.csv"));
    {
        WriteBytes(dir.File("huge.csv"), "");
        std::filesystem::resize_file(dir.File("huge.csv"), kLargestTeamList + 1);
    }
    const struct {
        QString file;
        QString message;
    } cases[] = {
        {QString::fromStdString(dir.File("missing.csv")),
         QStringLiteral("Не удается прочитать файл:\r") + QString::fromStdString(dir.File("missing.csv"))},
        {QString::fromStdString(dir.File("folder.csv")),
         QStringLiteral("Не удается прочитать файл:\r") + QString::fromStdString(dir.File("folder.csv"))},
        {QString::fromStdString(dir.File("huge.csv")),
         QStringLiteral("Файл слишком велик для списка команд:\r") + QString::fromStdString(dir.File("huge.csv"))},
    };
    for (const auto& c : cases) {
        dialogs.ExpectError(c.message, kError);
        auto copy = ImportInRegistration(c.file, {});
        EXPECT_EQ(copy->TeamCount(), 2);
    }
    EXPECT_EQ(dialogs.Shown(ShownBox::Kind::Window).size(), 3) << "the registrations alone";
}
