// The championship window through its buttons and grids: games added
// through the open dialog and refused, removed, the two modes, the settings
// window with its refusals, the output dialog of type 4, the grids'
// columns following the window's width, the splitter, and a new
// championship at every showing.
#include "base/Errors.h"
#include "base/Rounding.h"
#include "base/TransCodes.h"
#include "champ/widgets/TFormChamp.h"
#include "model/VemoData.h"
#include "output/TextReport.h"
#include "support/ScriptedDialogs.h"
#include "support/SeasonFiles.h"
#include "support/TempDir.h"
#include "support/TestApplication.h"
#include "ui/platform/ProgramTitle.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

using TransCodes::AnsiToUtf8;

const QString kError = QStringLiteral("Ошибка");

template <class T>
T* In(QWidget& window, const char* name) {
    auto* child = window.findChild<T*>(QLatin1String(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

void Click(QWidget& window, const char* name) { QTest::mouseClick(In<QAbstractButton>(window, name), Qt::LeftButton); }

// Types `text` over a field's content, as a user who selects it all first;
// letters beyond ASCII come as the keyboard sends them, text without a key code.
void Retype(QLineEdit* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    for (const QChar c : text) QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

QString Text(const QTableWidget* grid, int row, int column) {
    const QTableWidgetItem* item = grid->item(row, column);
    return item ? item->text() : QString();
}

QStringList Row(const QTableWidget* grid, int row) {
    QStringList texts;
    for (int c = 0; c < grid->columnCount(); ++c) texts.append(Text(grid, row, c));
    return texts;
}

QString Caption(const QTableWidget* grid, int column) { return grid->horizontalHeaderItem(column)->text(); }

ChampSettings Settings(bool byScore, int32_t exlGames) {
    ChampSettings settings;
    settings.CountByScore = byScore;
    settings.ExlGames = exlGames;
    return settings;
}

class FormChampTest : public ::testing::Test {
protected:
    FormChampTest() : FGames(SaveSeason(FDir.Path().string())), FForm(Folder() + u'/') {
        FForm.SetSettings(Settings(true, 2));
        FForm.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&FForm));
    }

    QString Folder() const { return QString::fromStdString(FDir.Path().string()); }
    QString Game(int i) const { return QString::fromStdString(FGames[static_cast<std::size_t>(i)]); }
    QTableWidget* GamesTable() { return In<QTableWidget>(FForm, "GamesTable"); }
    QTableWidget* ResTable() { return In<QTableWidget>(FForm, "ResTable"); }
    QToolButton* Button(const char* name) { return In<QToolButton>(FForm, name); }

    void Add(const QString& path) {
        FDialogs.fileNames.enqueue(path);
        Click(FForm, "AddGameButton");
    }
    void AddGames(int count) {
        for (int i = 0; i < count; ++i) Add(Game(i));
    }
    // The championship of the first `count` games of the season, counted as the window counts it.
    Championship Expected(int count, const ChampSettings& settings) const {
        Championship champ;
        champ.SetSettings(settings);
        for (int i = 0; i < count; ++i) EXPECT_EQ(champ.AddGame(FGames[static_cast<std::size_t>(i)]), Championship::AddResult::Added);
        return champ;
    }
    // What ResTable must show for `champ`, row by row.
    static std::vector<QStringList> ShownRows(const Championship& champ) {
        std::vector<QStringList> rows;
        const ChampSettings& s = champ.Settings();
        for (const ChampTeamRec& r : champ.ChampTeams()) {
            const QString games = s.CountByScore && r.Games > s.ExlGames
                                      ? QStringLiteral("%1(%2)").arg(s.ExlGames).arg(r.Games)
                                      : QString::number(r.Games);
            const QString result = s.CountByScore ? QStringLiteral("%1/%2").arg(r.Score).arg(r.RatScore)
                                                  : QString::number(r.Points);
            rows.push_back({QString::number(r.Place), QString::fromStdString(AnsiToUtf8(r.Name)),
                            QString::fromStdString(AnsiToUtf8(r.Town)), games, result});
        }
        return rows;
    }
    void ExpectTable(const Championship& champ) {
        const std::vector<QStringList> rows = ShownRows(champ);
        ASSERT_EQ(ResTable()->rowCount(), static_cast<int>(rows.size()));
        for (std::size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(Row(ResTable(), static_cast<int>(i)), rows[i]) << i;
    }
    void ExpectEmpty() {
        for (QTableWidget* grid : {GamesTable(), ResTable()}) {
            EXPECT_EQ(grid->rowCount(), 1) << grid->objectName().toStdString();
            EXPECT_EQ(Row(grid, 0), QStringList(5, QString()));
        }
        EXPECT_FALSE(Button("DelGameButton")->isEnabled());
        EXPECT_FALSE(Button("PrintButton")->isEnabled());
    }

    VemoApplication& FApplication = TestApplication();
    TempDir FDir;
    std::vector<std::string> FGames;
    ScriptedDialogs FDialogs;
    TFormChamp FForm;
};

TEST_F(FormChampTest, ShowsAnEmptyChampionshipUnderItsButtons) {
    EXPECT_EQ(FForm.windowTitle(), QStringLiteral("Подсчет чемпионата"));
    EXPECT_EQ(In<QLineEdit>(FForm, "EnterChampName")->text(), QStringLiteral("Без названия"));
    ExpectEmpty();
    EXPECT_TRUE(Button("AddGameButton")->isEnabled());
    EXPECT_TRUE(Button("SettingsButton")->isEnabled());
    EXPECT_TRUE(Button("ScoreCountButton")->isChecked());
    EXPECT_FALSE(Button("PointsCountButton")->isChecked());
    const std::pair<const char*, const char*> hints[] = {
        {"AddGameButton", "Включить игру в чемпионат"},
        {"DelGameButton", "Исключить игру из чемпионата"},
        {"PrintButton", "Печать итоговой таблицы чемпионата"},
        {"ScoreCountButton", "Подсчет суммарного результата (возможно исключение худших игр)"},
        {"PointsCountButton", "Подсчет суммарного количества очков за занятые в играх места"},
        {"SettingsButton", "Настройки подсчета чемпионата"},
    };
    for (auto [name, hint] : hints) EXPECT_EQ(Button(name)->toolTip(), QString::fromUtf8(hint)) << name;
    const QStringList games = {"#", "Описание тура", "Дата", "Ком.", "Вопр."};
    const QStringList table = {"М", "Команда", "Город", "Игры", "Рез."};
    for (int c = 0; c < 5; ++c) {
        EXPECT_EQ(Caption(GamesTable(), c), games[c]);
        EXPECT_EQ(Caption(ResTable(), c), table[c]);
    }
    EXPECT_EQ(GamesTable()->rowHeight(0), 18);
    EXPECT_EQ(In<QSplitter>(FForm, "Splitter")->sizes().first(), 120);

    QTest::keyClick(&FForm, Qt::Key_F1);
    ASSERT_EQ(FDialogs.Shown(ShownBox::Kind::Help).size(), 1);
    EXPECT_EQ(FDialogs.Shown(ShownBox::Kind::Help)[0].text, QStringLiteral("1026"));
}

TEST_F(FormChampTest, GamesAddedThroughTheOpenDialogFillBothGrids) {
    AddGames(4);
    const QList<ShownBox> opens = FDialogs.Shown(ShownBox::Kind::Open);
    ASSERT_EQ(opens.size(), 4);
    EXPECT_EQ(opens[0].request.directory, Folder() + u'/');
    EXPECT_EQ(opens[0].request.filter, QStringLiteral("Игровые файлы \"ВеМо 2003\" (*.qgm)"));
    EXPECT_EQ(opens[0].request.defaultSuffix, QStringLiteral("qgm"));

    ASSERT_EQ(GamesTable()->rowCount(), 4);
    for (int i = 0; i < 4; ++i) {
        TVemoData game;
        ASSERT_TRUE(game.LoadFromFile(FGames[static_cast<std::size_t>(i)]));
        EXPECT_EQ(Row(GamesTable(), i),
                  (QStringList{QString::number(i + 1), QString::fromStdString(AnsiToUtf8(game.GameName())),
                               QString::fromStdString(game.GameDateText()), QString::number(game.TeamCount()),
                               QString::number(game.QuestionCount())}));
    }
    EXPECT_EQ(Text(GamesTable(), 3, 1), QStringLiteral("Тур 4 сезона"));
    ExpectTable(Expected(4, Settings(true, 2)));
    EXPECT_TRUE(Button("DelGameButton")->isEnabled());
    EXPECT_TRUE(Button("PrintButton")->isEnabled());
    // "Знатоки" played all four, once as "ЗНАТОКИ" from "МОСКВА": one row, 2 of 4 counted.
    const auto found = ResTable()->findItems(QStringLiteral("Знатоки"), Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    EXPECT_EQ(Text(ResTable(), found[0]->row(), 3), QStringLiteral("2(4)"));
    EXPECT_TRUE(ResTable()->findItems(QStringLiteral("ЗНАТОКИ"), Qt::MatchExactly).isEmpty());
}

TEST_F(FormChampTest, AGameAlreadyInTheListAFileThatIsNoGameAndACancelAddNothing) {
    AddGames(2);
    FDialogs.ExpectError(QStringLiteral("Игра уже загружена"), kError);
    Add(Game(1));
    WriteBytes(FDir.File("notes.qgm"), std::string(200, 'x'));
    FDialogs.ExpectError(QStringLiteral("Файл не является игрой ВеМо"), kError);
    Add(QString::fromStdString(FDir.File("notes.qgm")));
    Add(QString());
    EXPECT_EQ(GamesTable()->rowCount(), 2);
    ExpectTable(Expected(2, Settings(true, 2)));
}

TEST_F(FormChampTest, AFileThatBreaksOffIsReportedAndLeavesNothingInTheList) {
    AddGames(1);
    const std::string cut = FDir.File("cut.qgm");
    WriteBytes(cut, ReadBytes(FGames[1]).substr(0, ReadBytes(FGames[1]).size() / 2));
    std::string message;
    try {
        TVemoData().LoadFromFile(cut);
    } catch (const Exception& error) {
        message = AnsiToUtf8(error.what());
    }
    ASSERT_FALSE(message.empty()) << "the half file must fail to read";
    FDialogs.ExpectError(QString::fromStdString(message), kProgramTitle);
    Add(QString::fromStdString(cut));
    EXPECT_EQ(GamesTable()->rowCount(), 1);
    ExpectTable(Expected(1, Settings(true, 2)));
}

TEST_F(FormChampTest, RemovingTheSelectedGameRecountsWithoutAQuestion) {
    AddGames(3);
    QTest::mouseClick(GamesTable()->viewport(), Qt::LeftButton, {},
                      GamesTable()->visualRect(GamesTable()->model()->index(1, 1)).center());
    Click(FForm, "DelGameButton");
    ASSERT_EQ(GamesTable()->rowCount(), 2);
    EXPECT_EQ(Row(GamesTable(), 1).mid(0, 2), (QStringList{"2", "Тур 3 сезона"}));
    Championship expected;
    expected.SetSettings(Settings(true, 2));
    for (int i : {0, 2}) expected.AddGame(FGames[static_cast<std::size_t>(i)]);
    ExpectTable(expected);
    EXPECT_TRUE(FDialogs.Shown(ShownBox::Kind::Question).isEmpty());

    // The selection stays on the last row; removing every game empties both grids.
    Click(FForm, "DelGameButton");
    EXPECT_EQ(Text(GamesTable(), 0, 1), QStringLiteral("Тур 1 сезона"));
    Click(FForm, "DelGameButton");
    ExpectEmpty();
}

TEST_F(FormChampTest, TheModeButtonsRecountAndRenameTheLastColumn) {
    AddGames(5);
    Click(FForm, "PointsCountButton");
    EXPECT_TRUE(Button("PointsCountButton")->isChecked());
    EXPECT_FALSE(Button("ScoreCountButton")->isChecked());
    EXPECT_EQ(Caption(ResTable(), 4), QStringLiteral("Очки"));
    EXPECT_FALSE(FForm.Settings().CountByScore);
    ExpectTable(Expected(5, Settings(false, 2)));
    Click(FForm, "ScoreCountButton");
    EXPECT_EQ(Caption(ResTable(), 4), QStringLiteral("Рез."));
    EXPECT_TRUE(FForm.Settings().CountByScore);
    ExpectTable(Expected(5, Settings(true, 2)));
}

TEST_F(FormChampTest, TheSettingsWindowRefusesEmptyFieldsLettersAndNumbersTooLarge) {
    AddGames(7);
    FDialogs.windows.enqueue([this](QDialog& sett) {
        EXPECT_EQ(sett.windowTitle(), QStringLiteral("Настройки подсчета чемпионата"));
        const char* const points[] = {"10", "6", "4", "3", "2", "1", "0", "0", "0", "0"};
        for (int k = 1; k <= 10; ++k) {
            const QByteArray name = "EnterPlacePoints" + QByteArray::number(k);
            EXPECT_EQ(In<QLineEdit>(sett, name.constData())->text(), QLatin1String(points[k - 1])) << k;
        }
        QLineEdit* games = In<QLineEdit>(sett, "EnterExlGames");
        EXPECT_EQ(games->text(), QStringLiteral("2"));
        EXPECT_EQ(In<QPushButton>(sett, "OKButton")->text(), QStringLiteral("ОК"));
        QTest::keyClick(&sett, Qt::Key_F1);

        // Letters never reach a field.
        Retype(games, QStringLiteral("3a-b"));
        EXPECT_EQ(games->text(), QStringLiteral("3"));
        // An empty field: OK does nothing, silently.
        Retype(In<QLineEdit>(sett, "EnterPlacePoints4"), QString());
        Click(sett, "OKButton");
        EXPECT_TRUE(sett.isVisible());
        // A number beyond 32 bits is told.
        Retype(In<QLineEdit>(sett, "EnterPlacePoints4"), QStringLiteral("99999999999"));
        FDialogs.ExpectError(QStringLiteral("Ошибка формата числа!"), kError);
        Click(sett, "OKButton");
        EXPECT_TRUE(sett.isVisible());
        Retype(In<QLineEdit>(sett, "EnterPlacePoints4"), QStringLiteral("7"));
        QTest::keyClick(games, Qt::Key_Return);
        EXPECT_FALSE(sett.isVisible());
    });
    Click(FForm, "SettingsButton");
    EXPECT_EQ(FDialogs.Shown(ShownBox::Kind::Help).last().text, QStringLiteral("1027"));
    ChampSettings stored = Settings(true, 3);
    stored.PlacePoints[3] = 7;
    EXPECT_EQ(FForm.Settings(), stored);
    ExpectTable(Expected(7, stored));
    const auto found = ResTable()->findItems(QStringLiteral("Знатоки"), Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    EXPECT_EQ(Text(ResTable(), found[0]->row(), 3), QStringLiteral("3(7)"));

    // Cancel stores nothing; no obligatory games count nothing in score mode.
    FDialogs.windows.enqueue([](QDialog& sett) {
        Retype(In<QLineEdit>(sett, "EnterExlGames"), QStringLiteral("5"));
        Click(sett, "CancelButton");
    });
    Click(FForm, "SettingsButton");
    EXPECT_EQ(FForm.Settings(), stored);
    FDialogs.windows.enqueue([](QDialog& sett) {
        Retype(In<QLineEdit>(sett, "EnterExlGames"), QStringLiteral("0"));
        Click(sett, "OKButton");
    });
    Click(FForm, "SettingsButton");
    for (int r = 0; r < ResTable()->rowCount(); ++r) {
        EXPECT_EQ(Text(ResTable(), r, 0), QStringLiteral("1")) << r;
        EXPECT_EQ(Text(ResTable(), r, 4), QStringLiteral("0/0")) << r;
    }
}

TEST_F(FormChampTest, ThePrintButtonOffersOnlyTheChampionshipAndWritesItsReport) {
    AddGames(6);
    Click(FForm, "PointsCountButton");
    QLineEdit* name = In<QLineEdit>(FForm, "EnterChampName");
    Retype(name, QStringLiteral("Кубок сезона"));
    const QString report = QString::fromStdString(FDir.File("champ.txt"));
    FDialogs.windows.enqueue([&](QDialog& print) {
        EXPECT_EQ(print.objectName(), QStringLiteral("FormPrint"));
        for (int i = 0; i < 5; ++i) {
            auto* item = In<QRadioButton>(print, ("ChooseInfoType" + QByteArray::number(i)).constData());
            EXPECT_EQ(item->isEnabled(), i == 4) << i;
            EXPECT_EQ(item->isChecked(), i == 4) << i;
        }
        FDialogs.fileNames.enqueue(report);
        Click(print, "FileButton");
    });
    Click(FForm, "PrintButton");
    EXPECT_EQ(ReadBytes(report.toStdString()),
              TextReportBytes(ChampReportData(Expected(6, Settings(false, 2)), TransCodes::Utf8ToAnsi("Кубок сезона"))));
}

TEST_F(FormChampTest, ColumnsTakeTheirSharesOfTheGridsWidthAsTheWindowResizes) {
    AddGames(3);
    const double games[] = {0.1, 0.5, 0.2, 0.09, 0.09};
    const double table[] = {0.07, 0.34, 0.34, 0.1, 0.1};
    std::vector<int> nameWidths;
    for (const QSize size : {QSize(640, 480), QSize(1001, 700), QSize(500, 400)}) {
        FForm.resize(size);
        QApplication::processEvents();
        nameWidths.push_back(ResTable()->columnWidth(1));
        for (int c = 0; c < 5; ++c) {
            EXPECT_EQ(GamesTable()->columnWidth(c), RoundHalfEven(games[c] * GamesTable()->viewport()->width()))
                << size.width() << " " << c;
            EXPECT_EQ(ResTable()->columnWidth(c), RoundHalfEven(table[c] * ResTable()->viewport()->width()))
                << size.width() << " " << c;
        }
    }
    EXPECT_GT(nameWidths[1], nameWidths[0] + 100) << "the window did grow";
    EXPECT_LT(nameWidths[2], nameWidths[0] - 40) << "and shrink";
}

TEST_F(FormChampTest, TheSplitterMovesTheBorderBetweenTheGrids) {
    auto* splitter = In<QSplitter>(FForm, "Splitter");
    QWidget* handle = splitter->handle(1);
    const QPoint from = handle->rect().center();
    auto send = [handle](QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
        QMouseEvent event(type, at, handle->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(handle, &event);
    };
    send(QEvent::MouseButtonPress, from, Qt::LeftButton);
    send(QEvent::MouseMove, from + QPoint(0, 60), Qt::LeftButton);
    send(QEvent::MouseButtonRelease, from + QPoint(0, 60), Qt::NoButton);
    EXPECT_EQ(splitter->sizes().first(), 180);
}

TEST_F(FormChampTest, ClosingDropsTheGamesAndEveryShowingStartsAnew) {
    AddGames(2);
    Retype(In<QLineEdit>(FForm, "EnterChampName"), QStringLiteral("Кубок"));
    Click(FForm, "PointsCountButton");
    FForm.reject();
    FForm.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&FForm));
    EXPECT_EQ(In<QLineEdit>(FForm, "EnterChampName")->text(), QStringLiteral("Без названия"));
    ExpectEmpty();
    EXPECT_TRUE(Button("PointsCountButton")->isChecked()) << "the mode stays as last chosen";
    EXPECT_EQ(Caption(ResTable(), 4), QStringLiteral("Очки"));
    Add(Game(0));
    ExpectTable(Expected(1, Settings(false, 2)));
}

}  // namespace
