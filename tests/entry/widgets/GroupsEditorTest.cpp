// The groups editor as the user works it: names typed row after row, a
// rename in place, a deletion with its question, and OK refusing two names
// that differ only in case. The grid and its editor are the list editor
// every setup window shares, so its own behaviour is tested here once: the
// field over the cell, Enter, Escape, leaving the field, the filter.
#include "entry/widgets/TFormGroups.h"

#include "entry/widgets/EntryWindows.h"
#include "entry/EntryGames.h"
#include "entry/ColumnWidths.h"

#include <QDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

namespace {

const QString kDeleteCaption = QStringLiteral("Удаление");

class GroupsEditorTest : public EntryWindowTest {
protected:
    // Runs the editor on `game`; the copy it hands back.
    std::unique_ptr<TVemoData> Run(TVemoData& game, const ScriptedDialogs::WindowStep& step) {
        TFormGroups form(game, nullptr);
        dialogs.windows.enqueue(step);
        AppDialogs().Exec(form);
        accepted = form.Accepted();
        return form.TakeGame();
    }

    bool accepted = false;
};

std::vector<std::string> Names(const TVemoData& game) {
    std::vector<std::string> names;
    for (int i = 0; i < game.GroupCount(); ++i) names.push_back(Utf8(game.GroupByIndex(i)->Name));
    return names;
}

std::unique_ptr<TVemoData> GameWithGroups(const std::vector<std::string>& names) {
    auto game = TeamsGame({{"Кот", "Москва"}, {"Пёс", "Тверь"}});
    AddGroups(*game, names);
    return game;
}

}  // namespace

TEST_F(GroupsEditorTest, NamesAreTypedOneAfterAnother) {
    auto game = TeamsGame({});
    auto result = Run(*game, [](QDialog& w) {
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Группы"));
        EXPECT_EQ(ColumnTexts(w, 0), QStringList{QString()});
        ClickCell(w, 1, 1);
        TypeRows(w, {QStringLiteral("А"), QStringLiteral("Б")});
        EXPECT_EQ(ColumnTexts(w, 0), (QStringList{"1", "2", ""}));
        EXPECT_EQ(ColumnTexts(w, 1), (QStringList{"А", "Б", ""}));
        EXPECT_EQ(EditedCell(w), std::pair(1, 3));
        EXPECT_EQ(OpenEditor(w)->text(), QString());
        Click(w, "OKButton");
    });
    EXPECT_TRUE(accepted);
    EXPECT_EQ(Names(*result), (std::vector<std::string>{"А", "Б"}));
    EXPECT_EQ(game->GroupCount(), 0);
}

TEST_F(GroupsEditorTest, TheFieldLiesOverTheCellOnePixelWiderAndHigher) {
    auto game = GameWithGroups({"Юниоры", "Взрослые"});
    Run(*game, [](QDialog& w) {
        EXPECT_EQ(w.minimumSize(), w.maximumSize());
        QTableView* grid = Grid(w);
        const std::vector<int> widths = ColumnWidths(grid->viewport()->width(), std::vector<double>{0.08, 0.92});
        EXPECT_EQ(grid->columnWidth(0), widths[0]);
        EXPECT_EQ(grid->columnWidth(1), widths[1]);
        EXPECT_EQ(grid->rowHeight(0) - 1, 18);  // the cell, then its grid line
        EXPECT_EQ(grid->horizontalHeader()->height(), grid->rowHeight(0));
        for (int row : {1, 2, 3}) {
            ClickCell(w, 1, row);
            QLineEdit* editor = OpenEditor(w);
            ASSERT_NE(editor, nullptr);
            EXPECT_EQ(editor->geometry(), CellRect(w, 1, row).adjusted(0, 0, 1, 1)) << row;
            EXPECT_EQ(editor->text(), CellText(w, 1, row));
            EXPECT_EQ(editor->selectedText(), editor->text());
        }
        Click(w, "CancelButton");
    });
}

TEST_F(GroupsEditorTest, EnterStoresEscapeAndLeavingDropTheEdit) {
    struct Case {
        const char* what;
        std::function<void(QDialog&)> finish;
        std::vector<std::string> names;
        std::pair<int, int> editedAfter;
        bool asks = false;  // the delete button asks its question
    };
    const std::vector<Case> cases = {
        {"Enter renames and moves on", [](QDialog& w) { Press(w, Qt::Key_Return); }, {"Высшая", "Взрослые"}, {1, 2}},
        {"Escape drops the name", [](QDialog& w) { Press(w, Qt::Key_Escape); }, {"Юниоры", "Взрослые"}, {-1, -1}},
        {"a click on another cell drops it", [](QDialog& w) { ClickCell(w, 1, 3); }, {"Юниоры", "Взрослые"}, {1, 3}},
        {"a click on the number drops it", [](QDialog& w) { ClickCell(w, 0, 1); }, {"Юниоры", "Взрослые"}, {-1, -1}},
        {"a button click drops it", [](QDialog& w) { Click(w, "DelGroupButton"); }, {"Юниоры", "Взрослые"}, {-1, -1},
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto game = GameWithGroups({"Юниоры", "Взрослые"});
        JoinGroup(*game, 1, 0);
        if (c.asks) dialogs.answers.enqueue(Dialogs::Answer::No);
        auto result = Run(*game, [&](QDialog& w) {
            ClickCell(w, 1, 1);
            Type(w, QStringLiteral("Высшая"));
            c.finish(w);
            EXPECT_EQ(EditedCell(w), c.editedAfter);
            if (c.editedAfter.first < 0) {
                EXPECT_EQ(OpenEditor(w), nullptr);
            }
            Click(w, "OKButton");
        });
        EXPECT_EQ(Names(*result), c.names);
        // The team follows its group's new name.
        EXPECT_EQ(Utf8(result->TeamByNumber(1)->Group()->Name), c.names[0]);
    }
}

TEST_F(GroupsEditorTest, EnterOnAnEmptyNameDoesNothing) {
    auto game = GameWithGroups({"Юниоры"});
    auto result = Run(*game, [](QDialog& w) {
        ClickCell(w, 1, 2);
        Press(w, Qt::Key_Return);
        EXPECT_EQ(EditedCell(w), std::pair(1, 2));
        ClickCell(w, 1, 1);
        Press(w, Qt::Key_Backspace);
        Press(w, Qt::Key_Return);
        EXPECT_EQ(EditedCell(w), std::pair(1, 1));
        EXPECT_EQ(ColumnTexts(w, 1), (QStringList{"Юниоры", ""}));
        Click(w, "OKButton");
    });
    EXPECT_EQ(Names(*result), std::vector<std::string>{"Юниоры"});
}

TEST_F(GroupsEditorTest, OnlyTheCharactersOfFreeTextAreTyped) {
    struct Case {
        QString typed;
        std::string stored;
    };
    const std::vector<Case> cases = {
        {QStringLiteral("«Кот»"), "Кот"},
        {QStringLiteral("Київ"), "Кив"},
        {QStringLiteral("Ёлка №1 (ёж) & ~"), "Ёлка №1 (ёж) & ~"},
        {QStringLiteral("a€b"), "ab"},
    };
    for (const Case& c : cases) {
        auto game = TeamsGame({});
        auto result = Run(*game, [&](QDialog& w) {
            ClickCell(w, 1, 1);
            Type(w, c.typed);
            Press(w, Qt::Key_Return);
            Click(w, "OKButton");
        });
        EXPECT_EQ(Names(*result), std::vector<std::string>{c.stored}) << c.typed.toStdString();
    }
}

TEST_F(GroupsEditorTest, DeletingAsksAndYesDeletesTheGroupItsTeamsLeave) {
    auto game = GameWithGroups({"Юниоры", "Взрослые"});
    JoinGroup(*game, 2, 1);
    dialogs.answers.enqueue(Dialogs::Answer::No);
    dialogs.answers.enqueue(Dialogs::Answer::Yes);
    auto result = Run(*game, [](QDialog& w) {
        EXPECT_FALSE(Find<QPushButton>(w, "DelGroupButton")->isEnabled());
        ClickCell(w, 0, 3);
        EXPECT_FALSE(Find<QPushButton>(w, "DelGroupButton")->isEnabled());
        ClickCell(w, 0, 2);
        EXPECT_TRUE(Find<QPushButton>(w, "DelGroupButton")->isEnabled());
        Click(w, "DelGroupButton");
        EXPECT_EQ(ColumnTexts(w, 1), (QStringList{"Юниоры", "Взрослые", ""}));
        Click(w, "DelGroupButton");
        EXPECT_EQ(ColumnTexts(w, 1), (QStringList{"Юниоры", ""}));
        EXPECT_FALSE(Find<QPushButton>(w, "DelGroupButton")->isEnabled());  // the empty row is current now
        Click(w, "OKButton");
    });
    const QList<ShownBox> questions = dialogs.Shown(ShownBox::Kind::Question);
    ASSERT_EQ(questions.size(), 2);
    for (const ShownBox& question : questions) {
        EXPECT_EQ(question.text, QStringLiteral("Вы действительно хотите удалить группу \"Взрослые\" ?"));
        EXPECT_EQ(question.caption, kDeleteCaption);
    }
    EXPECT_EQ(Names(*result), std::vector<std::string>{"Юниоры"});
    EXPECT_EQ(result->TeamByNumber(2)->Group(), nullptr);
}

TEST_F(GroupsEditorTest, OkRefusesTwoNamesThatDifferOnlyInCase) {
    auto game = GameWithGroups({"Юниоры", "Взрослые", "ЮНИОРЫ"});
    dialogs.ExpectError(QStringLiteral("Обнаружены две группы с одинаковыми именами: Юниоры и ЮНИОРЫ"),
                        QStringLiteral("Ошибка"));
    auto result = Run(*game, [](QDialog& w) {
        Click(w, "OKButton");
        EXPECT_TRUE(w.isVisible());
        ClickCell(w, 1, 3);
        TypeRows(w, {QStringLiteral("Ветераны")});
        Click(w, "OKButton");
    });
    EXPECT_TRUE(accepted);
    EXPECT_EQ(Names(*result), (std::vector<std::string>{"Юниоры", "Взрослые", "Ветераны"}));
}

TEST_F(GroupsEditorTest, NoGroupOrOneIsAlwaysAccepted) {
    for (const std::vector<std::string>& names : {std::vector<std::string>{}, std::vector<std::string>{"А"}}) {
        auto game = GameWithGroups(names);
        Run(*game, [](QDialog& w) { Click(w, "OKButton"); });
        EXPECT_TRUE(accepted) << names.size();
    }
}

TEST_F(GroupsEditorTest, CancelAndEscapeLeaveTheGivenGameAsItWas) {
    for (const char* close : {"CancelButton", ""}) {
        auto game = GameWithGroups({"Юниоры"});
        Run(*game, [close](QDialog& w) {
            ClickCell(w, 1, 2);
            TypeRows(w, {QStringLiteral("Взрослые")});
            ClickCell(w, 0, 1);
            if (*close)
                Click(w, close);
            else
                Press(w, Qt::Key_Escape);
        });
        EXPECT_FALSE(accepted);
        EXPECT_EQ(Names(*game), std::vector<std::string>{"Юниоры"});
    }
}
