// The output command of the main window: the count, the question before
// results of an earlier question, the output dialog with the game's types,
// and the order by places a text report leaves behind.
#include "FormMainFixture.h"

#include "base/TransCodes.h"
#include "model/VemoData.h"
#include "support/GameBuilder.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QRadioButton>
#include <QTest>

namespace {

// Fifteen questions, nothing taken after the ninth. By score T1 (6), T3
// (4), T2 (3); by rating T1 (14), T2 (9), T3 (8).
std::unique_ptr<TVemoData> FifteenQuestionGame() {
    return MakeGame({15}, {"++++++---------", "------+++------", "++++-----------"});
}

const QString kQuestion = QStringLiteral("Внимание! Результаты после вопроса №12\rПродолжить?");

}  // namespace

class FormMainOutputTest : public FormMainTest {
protected:
    void OpenSortedByRating() {
        Start();
        Open(SaveGame(*FifteenQuestionGame(), "game.qgm"));
        Button("CheckSortByRating")->click();
        ASSERT_EQ(TeamOrder(), (QStringList{"T1", "T2", "T3"}));
    }

    static QRadioButton* Item(QDialog& form, int i) {
        return form.findChild<QRadioButton*>(QStringLiteral("ChooseInfoType%1").arg(i));
    }
};

TEST_F(FormMainOutputTest, AfterAnEarlierQuestionItAsksAndNoShowsNothing) {
    OpenSortedByRating();
    Form().SetLastQuestionShown(12);
    ASSERT_TRUE(Action("ActOutResult")->isEnabled());
    FDialogs.answers.enqueue(Dialogs::Answer::No);
    Action("ActOutResult")->trigger();

    ASSERT_EQ(FDialogs.shown.size(), 2);  // the open dialog, then the question
    EXPECT_EQ(FDialogs.shown[1].kind, ShownBox::Kind::Question);
    EXPECT_EQ(FDialogs.shown[1].text, kQuestion);
    EXPECT_EQ(FDialogs.shown[1].caption, QStringLiteral("Результаты"));
    EXPECT_EQ(Form().Game().LastQuestion(), 12) << "counted as the count command does";
    EXPECT_TRUE(Action("ActSortByRating")->isChecked());
}

TEST_F(FormMainOutputTest, YesOpensTheGamesTypesAndTheReportLeavesThePlaceOrder) {
    OpenSortedByRating();
    Form().SetLastQuestionShown(12);
    const QString report = QString::fromStdString(FFolder.File("report.txt"));
    FDialogs.answers.enqueue(Dialogs::Answer::Yes);
    FDialogs.windows.enqueue([&](QDialog& form) {
        EXPECT_EQ(form.windowTitle(), QStringLiteral("Вывод информации"));
        for (int i = 0; i < 5; ++i) EXPECT_EQ(Item(form, i)->isEnabled(), i < 4) << i;
        EXPECT_TRUE(Item(form, 0)->isChecked());
        FDialogs.fileNames.enqueue(report);
        QTest::mouseClick(form.findChild<QAbstractButton*>(QStringLiteral("FileButton")), Qt::LeftButton);
    });
    Action("ActOutResult")->trigger();

    ASSERT_EQ(FDialogs.Shown(ShownBox::Kind::Question).size(), 1);
    EXPECT_EQ(FDialogs.Shown(ShownBox::Kind::Question)[0].text, kQuestion);
    ASSERT_EQ(FDialogs.Shown(ShownBox::Kind::Save).size(), 1);
    EXPECT_EQ(FDialogs.Shown(ShownBox::Kind::Save)[0].request.directory, ProgramDir());
    const std::string text = TransCodes::AnsiToUtf8(ReadBytes(report.toStdString()));
    EXPECT_NE(text.find("Информация после вопроса №12\r\n(1  )-T1"), std::string::npos) << text;
    EXPECT_LT(text.find("(2  )-T3"), text.find("(3  )-T2")) << text;

    EXPECT_FALSE(Action("ActSortByRating")->isChecked());
    EXPECT_FALSE(Button("CheckSortByRating")->isChecked());
    EXPECT_FALSE(Form().Game().SortByRating());
    EXPECT_EQ(TeamOrder(), (QStringList{"T1", "T3", "T2"}));
}

TEST_F(FormMainOutputTest, AfterTheLastQuestionTheDialogOpensWithoutAQuestion) {
    Start();
    Open(SaveGame(*FifteenQuestionGame(), "game.qgm"));
    FDialogs.windows.enqueue([](QDialog& form) { form.reject(); });
    Action("ActOutResult")->trigger();
    EXPECT_TRUE(FDialogs.Shown(ShownBox::Kind::Question).isEmpty());
    EXPECT_EQ(FDialogs.Shown(ShownBox::Kind::Window).size(), 1);
}

TEST_F(FormMainOutputTest, WithoutAGameTheCommandIsOff) {
    Start();
    EXPECT_FALSE(Action("ActOutResult")->isEnabled());
}
