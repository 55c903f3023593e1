// The groups editor as the user works it: names typed row after row, a
// rename in place, a deletion with its question, and OK refusing two names
// that differ only in case.
#include "entry/widgets/TFormGroups.h"

#include "EntryWindows.h"
#include "../EntryGames.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

class GroupsEditorTest : public EntryWindowTest {
protected:
    // Runs the editor on `game`; what it hands back, when accepted.
    std::unique_ptr<TVemoData> Run(TVemoData& game, const ScriptedDialogs::WindowStep& step) {
        TFormGroups form(game, nullptr);
        dialogs.windows.enqueue(step);
        AppDialogs().Exec(form);
        accepted = form.Accepted();
        return form.TakeGame();
    }

    static std::vector<std::string> Names(const TVemoData& game) {
        std::vector<std::string> names;
        for (int i = 0; i < game.GroupCount(); ++i) names.push_back(Utf8(game.GroupByIndex(i)->Name));
        return names;
    }

    bool accepted = false;
};

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
}
