// The main window's commands that bring results in fast: quick entry from
// the table's current column, the deposits and their effect on the score,
// and joining another hall's game, each through its window or dialog and
// the change tail.
#include "FormMainFixture.h"

#include "base/TransCodes.h"
#include "model/GameJson.h"
#include "model/VemoData.h"
#include "support/GameBuilder.h"
#include "support/GameDump.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>

#include <filesystem>
#include <fstream>

namespace {

using TransCodes::Utf8ToAnsi;

const QString kError = QStringLiteral("Ошибка");

QLineEdit* FieldOf(QDialog& window, const char* name) { return window.findChild<QLineEdit*>(QLatin1String(name)); }

void PressIn(QDialog& window, const char* button, int times = 1) {
    for (int i = 0; i < times; ++i)
        QTest::mouseClick(window.findChild<QAbstractButton*>(QLatin1String(button)), Qt::LeftButton);
}

// Ten questions in tours of 6 and 4; "Кот" took 7 of them.
std::unique_ptr<TVemoData> HallGame(const char* name, const char* town) {
    auto game = MakeGame({6, 4}, {"+++-+++-+-", "+---------"});
    game->TeamByNumber(1)->Name = Utf8ToAnsi(name);
    game->TeamByNumber(1)->Town = Utf8ToAnsi(town);
    game->SetGameName(Utf8ToAnsi("Кубок"));
    return game;
}

}  // namespace

class FormMainAnswerTest : public FormMainTest {
protected:
    void OpenGame(const TVemoData& game) {
        Start();
        Open(SaveGame(game, "open.qgm"));
        ASSERT_FALSE(Action("ActSaveFile")->isEnabled());
    }

    // Joins the file at `path` through ActMix and its open dialog.
    void Mix(const QString& path) {
        FDialogs.fileNames.enqueue(path);
        Action("ActMix")->trigger();
    }
};

TEST_F(FormMainAnswerTest, QuickEntryStartsAtTheCurrentColumnAndIsOneChange) {
    OpenGame(*ThreeTeamGame());
    const std::string saved = FullGameDump(Form().Game());
    ClickCell(7, 2);  // the second question
    FDialogs.windows.enqueue([](QDialog& window) {
        EXPECT_EQ(window.windowTitle(), QStringLiteral("Цифровой ввод"));
        EXPECT_EQ(FieldOf(window, "EnterQ")->text(), QStringLiteral("2"));
        QLineEdit* enterT = FieldOf(window, "EnterT");
        enterT->setFocus();
        for (const char* team : {"2", "3"}) {
            enterT->selectAll();
            QTest::keyClicks(enterT, QString::fromLatin1(team));
            QTest::keyClick(enterT, Qt::Key_Return);
        }
        window.close();
    });
    Action("ActDigEnter")->trigger();
    EXPECT_EQ(Form().Game().TeamByNumber(2)->Mark(1), 1);
    EXPECT_EQ(Form().Game().TeamByNumber(3)->Mark(1), 0);
    EXPECT_TRUE(Action("ActSaveFile")->isEnabled());
    // Counted: T2 now has two answers.
    EXPECT_EQ(Form().Game().TeamByNumber(2)->Score, 2);
    // The whole session is one step.
    EXPECT_EQ(Action("ActUndo")->text(), QStringLiteral("Отменить: Цифровой ввод"));
    Action("ActUndo")->trigger();
    EXPECT_EQ(FullGameDump(Form().Game()), saved);
    EXPECT_FALSE(Action("ActSaveFile")->isEnabled());
    Action("ActRedo")->trigger();
    EXPECT_EQ(Form().Game().TeamByNumber(2)->Mark(1), 1);
    EXPECT_EQ(Form().Game().TeamByNumber(3)->Mark(1), 0);
}

TEST_F(FormMainAnswerTest, QuickEntryWithoutAChangeLeavesTheGameAsSaved) {
    OpenGame(*ThreeTeamGame());
    FDialogs.windows.enqueue([](QDialog& window) { window.close(); });
    Action("ActDigEnter")->trigger();
    EXPECT_FALSE(Action("ActSaveFile")->isEnabled());
    EXPECT_FALSE(Action("ActUndo")->isEnabled());
}

TEST_F(FormMainAnswerTest, DepositsCountedMakeTheScoreOfSevenTakenMinusThree) {
    OpenGame(*HallGame("Кот", "Москва"));
    if (!Action("ActDeposEnable")->isChecked()) Action("ActDeposEnable")->trigger();
    ASSERT_TRUE(Form().Game().DepositScore());
    FDialogs.windows.enqueue([](QDialog& window) {
        EXPECT_EQ(window.windowTitle(), QStringLiteral("Ввод очкового залога"));
        auto* table = window.findChild<QTableWidget*>(QStringLiteral("Table"));
        EXPECT_EQ(table->item(0, 1)->text(), QStringLiteral("Кот (Москва)"));
        table->selectRow(0);
        PressIn(window, "AddButton", 10);
        PressIn(window, "OKButton");
    });
    Action("ActDeposit")->trigger();
    const TTeamData& cat = *Form().Game().TeamByNumber(1);
    EXPECT_EQ(cat.ScoreDeposit, 10);
    EXPECT_EQ(cat.Score, -3);
    EXPECT_EQ(cat.TotalTaken, 7);
    EXPECT_TRUE(Action("ActSaveFile")->isEnabled());
    EXPECT_EQ(Action("ActUndo")->text(), QStringLiteral("Отменить: Очковый залог"));
    Action("ActUndo")->trigger();
    EXPECT_EQ(Form().Game().TeamByNumber(1)->ScoreDeposit, 0);
    EXPECT_EQ(Form().Game().TeamByNumber(1)->Score, 7);
    EXPECT_FALSE(Action("ActSaveFile")->isEnabled());
    EXPECT_FALSE(Action("ActUndo")->isEnabled());
}

// The file keeps the deposits: counted or not, they are not lost at closing.
TEST_F(FormMainAnswerTest, DepositsNotCountedChangeNoScoreButAreSaved) {
    OpenGame(*HallGame("Кот", "Москва"));
    if (Action("ActDeposEnable")->isChecked()) Action("ActDeposEnable")->trigger();
    FDialogs.windows.enqueue([](QDialog& window) {
        PressIn(window, "AddButton", 2);
        PressIn(window, "OKButton");
    });
    Action("ActDeposit")->trigger();
    EXPECT_EQ(Form().Game().TeamByNumber(1)->ScoreDeposit, 2);
    EXPECT_EQ(Form().Game().TeamByNumber(1)->Score, 7);
    EXPECT_TRUE(Action("ActSaveFile")->isEnabled());
    Action("ActUndo")->trigger();
    EXPECT_EQ(Form().Game().TeamByNumber(1)->ScoreDeposit, 0);
    EXPECT_FALSE(Action("ActSaveFile")->isEnabled());
}

// Cancelled, closed, or ready with every deposit as it was: no step.
TEST_F(FormMainAnswerTest, DepositsLeftAsTheyWereChangeNothing) {
    OpenGame(*HallGame("Кот", "Москва"));
    const std::string before = FullGameDump(Form().Game());
    const struct {
        const char* name;
        int adds;
        int removes;
        const char* button;  // none: the window is closed by Escape
    } cases[] = {
        {"cancelled", 3, 0, "CancelButton"},
        {"closed", 3, 0, nullptr},
        {"ready unchanged", 0, 0, "OKButton"},
        {"ready added and removed", 2, 2, "OKButton"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FDialogs.windows.enqueue([&c](QDialog& window) {
            PressIn(window, "AddButton", c.adds);
            PressIn(window, "RemoveButton", c.removes);
            if (c.button)
                PressIn(window, c.button);
            else
                QTest::keyClick(&window, Qt::Key_Escape);
        });
        Action("ActDeposit")->trigger();
        EXPECT_EQ(FullGameDump(Form().Game()), before);
        EXPECT_FALSE(Action("ActSaveFile")->isEnabled());
        EXPECT_FALSE(Action("ActUndo")->isEnabled());
    }
}

TEST_F(FormMainAnswerTest, EveryRefusalLeavesTheOpenGameAsItWas) {
    OpenGame(*HallGame("Кот", "Москва"));
    std::ofstream(FFolder.File("garbage.qgm")) << "not a game at all";
    const QString whole = SaveGame(*HallGame("Пёс", "Тверь"), "whole.qgm");
    std::filesystem::copy_file(whole.toStdString(), FFolder.File("short.qgm"));
    std::filesystem::resize_file(FFolder.File("short.qgm"), 60);
    auto otherTotal = MakeGame({6, 5}, {"-----------"});
    auto otherTours = MakeGame({5, 5}, {"----------"});
    const struct {
        QString path;
        QString message;
    } cases[] = {
        {SaveGame(*otherTotal, "total.qgm"), QStringLiteral("Не совпадает количество вопросов.\rОбъединение невозможно")},
        {SaveGame(*otherTours, "tours.qgm"),
         QStringLiteral("Не совпадает количество туров или вопросов в турах.\rОбъединение невозможно")},
        {SaveGame(*HallGame("КОТ", "москва"), "same.qgm"), QStringLiteral("Обнаружены одинаковые команды.\rОбъединение невозможно")},
        {QString::fromStdString(FFolder.File("garbage.qgm")), QStringLiteral("Ошибка открытия файла.\rОбъединение невозможно")},
        {QString::fromStdString(FFolder.File("short.qgm")), QStringLiteral("Ошибка открытия файла.\rОбъединение невозможно")},
        {QString::fromStdString(FFolder.File("missing.qgm")), QStringLiteral("Ошибка открытия файла.\rОбъединение невозможно")},
    };
    const std::string before = FullGameDump(Form().Game());
    const QStringList rows = TeamOrder();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        FDialogs.ExpectError(c.message, kError);
        Mix(c.path);
        EXPECT_EQ(FullGameDump(Form().Game()), before);
        EXPECT_EQ(TeamOrder(), rows);
        EXPECT_FALSE(Action("ActSaveFile")->isEnabled());
    }
}

TEST_F(FormMainAnswerTest, AnotherHallJoinsTheTable) {
    auto open = HallGame("Кот", "Москва");
    open->SetGameName("A");
    OpenGame(*open);
    const std::string saved = GameToJson(Form().Game());
    auto other = HallGame("Кот", "Тверь");  // the same name from another town
    other->SetGameName("B");
    other->TeamByNumber(2)->Name = "T2b";
    const TGroupData group{"B"};
    other->AddGroup(&group);
    // A file keeps no team outside every group once it has groups.
    other->TeamByNumber(1)->SetGroup(other->GroupByIndex(0));
    other->TeamByNumber(2)->SetGroup(other->GroupByIndex(0));
    Mix(SaveGame(*other, "hall2.qgm"));

    const QList<ShownBox> dialogs = FDialogs.Shown(ShownBox::Kind::Open);
    ASSERT_EQ(dialogs.size(), 2);
    const FileDialogRequest request = dialogs.last().request;
    EXPECT_EQ(request.title, QStringLiteral("Присоединить игру"));
    EXPECT_EQ(request.filter, dialogs.first().request.filter);

    const TVemoData& game = Form().Game();
    ASSERT_EQ(game.TeamCount(), 4);
    EXPECT_EQ(game.GameName(), "A / B");
    EXPECT_EQ(game.TeamByNumber(3)->Town, Utf8ToAnsi("Тверь"));
    ASSERT_EQ(game.GroupCount(), 1);
    EXPECT_EQ(game.TeamByNumber(1)->Group(), nullptr);
    EXPECT_EQ(game.TeamByNumber(3)->Group(), game.GroupByIndex(0));
    EXPECT_EQ(game.TeamByNumber(4)->Group(), game.GroupByIndex(0));
    EXPECT_EQ(game.GroupByIndex(0)->Name, "B");
    EXPECT_EQ(MarksText(*game.TeamByNumber(3)), "+++-+++-+-");
    // Counted and shown: both "Кот" lead with 7, the table has four rows.
    EXPECT_EQ(game.TeamByNumber(3)->Place, 1);
    EXPECT_EQ(TeamOrder().size(), 4);
    EXPECT_TRUE(Action("ActSaveFile")->isEnabled());
    EXPECT_TRUE(Form().windowTitle().contains(QStringLiteral("A / B")));
    EXPECT_EQ(Action("ActUndo")->text(), QStringLiteral("Отменить: Присоединение игры"));
    Action("ActUndo")->trigger();
    EXPECT_EQ(GameToJson(Form().Game()), saved);
    EXPECT_EQ(TeamOrder().size(), 2);
    EXPECT_FALSE(Action("ActSaveFile")->isEnabled());
}

TEST_F(FormMainAnswerTest, CancelledJoinChangesNothing) {
    OpenGame(*HallGame("Кот", "Москва"));
    const std::string before = FullGameDump(Form().Game());
    Mix(QString());
    EXPECT_EQ(FullGameDump(Form().Game()), before);
    EXPECT_FALSE(Action("ActSaveFile")->isEnabled());
    EXPECT_FALSE(Action("ActUndo")->isEnabled());
}
