// The deposits window on its real widgets: the listed teams, one point at a
// time, "Готово" and "Отмена".
#include "base/TransCodes.h"
#include "entry/widgets/TFormDepos.h"
#include "support/GameBuilder.h"
#include "support/TestApplication.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

class FormDeposTest : public ::testing::Test {
protected:
    FormDeposTest() { TestApplication(); }

    TFormDepos& Open(TVemoData& game) {
        FForm = std::make_unique<TFormDepos>(game);
        FForm->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(FForm.get()));
        return *FForm;
    }

    QTableWidget* Table() const { return FForm->findChild<QTableWidget*>(QStringLiteral("Table")); }

    QStringList Row(int row) const {
        QStringList texts;
        for (int column = 0; column < 3; ++column) texts.append(Table()->item(row, column)->text());
        return texts;
    }

    void Select(int row) {
        const QRect cell = Table()->visualRect(Table()->model()->index(row, 1));
        QTest::mouseClick(Table()->viewport(), Qt::LeftButton, {}, cell.center());
    }

    void Press(const char* button, int times = 1) {
        for (int i = 0; i < times; ++i)
            QTest::mouseClick(FForm->findChild<QAbstractButton*>(QLatin1String(button)), Qt::LeftButton);
    }

    std::unique_ptr<TFormDepos> FForm;
};

TEST_F(FormDeposTest, TheTeamsWithTheirDeposits) {
    auto game = MakeGame({2}, {"--", "--"});
    game->TeamByNumber(2)->Name = TransCodes::Utf8ToAnsi("Кот");
    game->TeamByNumber(2)->Town = TransCodes::Utf8ToAnsi("Москва");
    game->TeamByNumber(2)->ScoreDeposit = 5;
    TFormDepos& form = Open(*game);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Ввод очкового залога"));
    ASSERT_EQ(Table()->rowCount(), 2);
    EXPECT_EQ(Table()->horizontalHeaderItem(0)->text(), QStringLiteral("#"));
    EXPECT_EQ(Table()->horizontalHeaderItem(1)->text(), QStringLiteral("Команда"));
    EXPECT_EQ(Table()->horizontalHeaderItem(2)->text(), QStringLiteral("Заложено очков"));
    EXPECT_EQ(Row(1), (QStringList{QStringLiteral("2"), QStringLiteral("Кот (Москва)"), QStringLiteral("5")}));
    EXPECT_EQ(Table()->rowHeight(0), 18);
    const int width = Table()->viewport()->width();
    EXPECT_EQ(Table()->columnWidth(0), qRound(width * 0.09));
    EXPECT_EQ(Table()->columnWidth(1), qRound(width * 0.56));
    EXPECT_EQ(FForm->findChild<QToolButton*>(QStringLiteral("AddButton"))->toolTip(),
              QStringLiteral("Добавить очко в залог"));
    EXPECT_EQ(FForm->findChild<QToolButton*>(QStringLiteral("RemoveButton"))->toolTip(),
              QStringLiteral("Удалить очко из залога"));
}

TEST_F(FormDeposTest, AddThreeThenCancelLeavesTheDeposit) {
    auto game = MakeGame({2}, {"--", "--"});
    game->TeamByNumber(1)->ScoreDeposit = 2;
    Open(*game);
    Select(0);
    Press("AddButton", 3);
    EXPECT_EQ(Table()->item(0, 2)->text(), QStringLiteral("5"));
    Press("CancelButton");
    EXPECT_FALSE(FForm->isVisible());
    EXPECT_EQ(FForm->result(), QDialog::Rejected);
    EXPECT_EQ(game->TeamByNumber(1)->ScoreDeposit, 2);
}

TEST_F(FormDeposTest, RemoveAtZeroStaysZero) {
    auto game = MakeGame({2}, {"--", "--"});
    game->TeamByNumber(2)->ScoreDeposit = 1;
    TFormDepos& form = Open(*game);
    Select(1);
    Press("RemoveButton", 3);
    EXPECT_EQ(Table()->item(1, 2)->text(), QStringLiteral("0"));
    Press("OKButton");
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(game->TeamByNumber(2)->ScoreDeposit, 0);
}

TEST_F(FormDeposTest, OnlyTheGroupsTeamsAreListedAndWrittenBack) {
    auto game = MakeGame({2}, {"--", "--", "--", "--"});
    const TGroupData group{"G"};
    game->AddGroup(&group);
    game->TeamByNumber(2)->SetGroup(game->GroupByIndex(0));
    game->TeamByNumber(4)->SetGroup(game->GroupByIndex(0));
    game->SetCurrentGroup(1);
    for (int n = 1; n <= 4; ++n) game->TeamByNumber(n)->ScoreDeposit = n;
    TFormDepos& form = Open(*game);
    ASSERT_EQ(Table()->rowCount(), 2);
    EXPECT_EQ(Row(0).first(), QStringLiteral("2"));
    EXPECT_EQ(Row(1).first(), QStringLiteral("4"));
    Select(1);
    Press("AddButton");
    Press("OKButton");
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(game->TeamByNumber(1)->ScoreDeposit, 1);
    EXPECT_EQ(game->TeamByNumber(2)->ScoreDeposit, 2);
    EXPECT_EQ(game->TeamByNumber(3)->ScoreDeposit, 3);
    EXPECT_EQ(game->TeamByNumber(4)->ScoreDeposit, 5);
}

}  // namespace
