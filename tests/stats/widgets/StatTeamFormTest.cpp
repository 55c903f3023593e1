// The team statistics window on real games, played through the dialog
// seam: the team's boxes and the averages in the system's number format,
// the difference in green or red, the two buttons at both ends, and the
// place graph read from the picture on screen.
#include "StatPictureProbe.h"

#include "model/VemoData.h"
#include "stats/PlaceGraphLayout.h"
#include "stats/widgets/TStatTeamForm.h"
#include "support/GameBuilder.h"
#include "support/ScriptedDialogs.h"
#include "support/TestApplication.h"

#include <QLocale>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

const QColor kLeadGreen(0x00, 0x80, 0x00);
const QColor kBehindRed(0xFF, 0x00, 0x00);

// Ratings with plus one: 2, 3, 3, 5 (game average 13 / 4); T3 takes
// nothing; the 7 taken answers carry 18.
std::unique_ptr<TVemoData> RatingsGame() {
    auto game = MakeGame({4}, {"++--", "+-+-", "----", "+++-"});
    game->SetRatingPlusOne(true);
    game->CountResult();
    return game;
}

// The system's number format for the life of the object.
class ScopedLocale {
public:
    explicit ScopedLocale(QLocale::Language language) { QLocale::setDefault(QLocale(language)); }
    ~ScopedLocale() { QLocale::setDefault(QLocale::system()); }
};

void Click(QDialog& window, const char* button) {
    QTest::mouseClick(window.findChild<QToolButton*>(QLatin1String(button)), Qt::LeftButton);
}

TStatTeamForm& Form(QDialog& window) { return static_cast<TStatTeamForm&>(window); }

// The graph's layout for the picture on screen.
PlaceGraphLayout GraphLayout(const QImage& picture, int questions, int teams) {
    const auto layout =
        LayOutPlaceGraph(picture.width(), picture.height(), PictureDigits(), questions, teams, PlacesCaption());
    EXPECT_TRUE(layout);
    return layout.value_or(PlaceGraphLayout{});
}

class StatTeamFormTest : public ::testing::Test {
protected:
    StatTeamFormTest() { TestApplication(); }

    void Run(TVemoData& game, int team, ScriptedDialogs::WindowStep step) {
        dialogs.windows.enqueue(std::move(step));
        TStatTeamForm form(game, team);
        AppDialogs().Exec(form);
    }

    ScriptedDialogs dialogs;
    const Draw::SystemColors colors = ShownColors();
};

}  // namespace

TEST_F(StatTeamFormTest, TheTeamAndItsAveragesInTheSystemsNumberFormat) {
    auto game = RatingsGame();
    game->TeamByNumber(1)->Captain = "Cap";
    game->TeamByNumber(1)->Trainer = "Coach";
    const ScopedLocale russian(QLocale::Russian);
    Run(*game, 0, [](QDialog& window) {
        EXPECT_EQ(window.windowTitle(), QStringLiteral("Командная статистика"));
        const std::pair<const char*, const char*> boxes[] = {
            {"OutStatTeam", "T1"}, {"OutStatNumb", "1"},   {"OutStatTown", "Town"},  {"OutStatCapt", "Cap"},
            {"OutStatCoach", "Coach"}, {"OutStatQ", "2"},   {"OutStatRat", "5"},      {"OutStatPlace", "2"},
            {"OutMaxRat", "3"},    {"OutAvGRat", "3,25"}, {"OutAvTRat", "2,5714"}, {"OutAvRat", "2,5"},
            {"OutDiff", "- 0,0714"},
        };
        for (const auto& [name, text] : boxes) EXPECT_EQ(BoxText(window, name), QString::fromLatin1(text)) << name;
        EXPECT_EQ(Box(window, "OutDiff")->palette().color(QPalette::Text), kBehindRed);
        window.reject();
    });
}

TEST_F(StatTeamFormTest, TheDifferenceInGreenOrRed) {
    auto game = RatingsGame();
    const ScopedLocale english(QLocale::English);
    Run(*game, 1, [](QDialog& window) {
        struct Expected {
            const char* team;
            const char* average;
            const char* difference;
            QColor color;
        };
        const Expected teams[] = {
            {"T2", "2.5", "- 0.0714", kBehindRed},
            {"T3", "0", "- 2.5714", kBehindRed},  // took nothing: minus the teams' average
            {"T4", "2.6666", "+ 0.0952", kLeadGreen},
        };
        for (const Expected& team : teams) {
            SCOPED_TRACE(team.team);
            EXPECT_EQ(BoxText(window, "OutStatTeam"), QString::fromLatin1(team.team));
            EXPECT_EQ(BoxText(window, "OutAvRat"), QString::fromLatin1(team.average));
            EXPECT_EQ(BoxText(window, "OutDiff"), QString::fromLatin1(team.difference));
            EXPECT_EQ(Box(window, "OutDiff")->palette().color(QPalette::Text), team.color);
            Click(window, "NextTeam");
        }
        window.reject();
    });
}

TEST_F(StatTeamFormTest, TheButtonsStopAtBothEndsAndShowTheTeamAgain) {
    auto game = RatingsGame();
    Run(*game, 0, [&](QDialog& window) {
        game->TeamByNumber(1)->Name = "Renamed";
        Click(window, "PrevTeam");
        EXPECT_EQ(Form(window).CurrentTeam(), 0);
        EXPECT_EQ(BoxText(window, "OutStatTeam"), QStringLiteral("Renamed"));
        for (int i = 0; i < 5; ++i) Click(window, "NextTeam");
        EXPECT_EQ(Form(window).CurrentTeam(), 3);
        game->TeamByNumber(4)->Name = "Last";
        Click(window, "NextTeam");
        EXPECT_EQ(BoxText(window, "OutStatTeam"), QStringLiteral("Last"));
        Click(window, "PrevTeam");
        EXPECT_EQ(BoxText(window, "OutStatTeam"), QStringLiteral("T3"));
        window.reject();
    });
}

TEST_F(StatTeamFormTest, ATeamOutOfRangeStartsAtTheFirst) {
    auto game = RatingsGame();
    for (int team : {-1, 4}) {
        Run(*game, team, [](QDialog& window) {
            EXPECT_EQ(Form(window).CurrentTeam(), 0);
            EXPECT_EQ(BoxText(window, "OutStatTeam"), QStringLiteral("T1"));
            window.reject();
        });
    }
}

TEST_F(StatTeamFormTest, TheGraphShowsPlacesCountedWithTheHigherRatingTieBreak) {
    // At the end T1 and T2 tie on score and rating; with the higher-rating
    // tie-break (off in the game) T2 is third after question 4, not second.
    auto game = MakeGame({4}, {"++--", "--++", "-+--", "-+-+", "-+++"});
    game->CountResult();
    ASSERT_EQ(game->ActiveTeam(1)->Place, 2);
    Run(*game, 1, [&](QDialog& window) {
        const QImage picture = ShownPicture(window);
        const PlaceGraphLayout layout = GraphLayout(picture, 4, 5);
        const int places[] = {2, 5, 3, 3};
        for (int q = 1; q <= 4; ++q) {
            SCOPED_TRACE(q);
            // The line's square, one pixel up and left of the place, over its shadow.
            const int place = places[q - 1];
            EXPECT_EQ(picture.pixelColor(layout.X(q) - 1, layout.Y(place) - 1), colors.buttonText);
            EXPECT_EQ(picture.pixelColor(layout.X(q) + 2, layout.Y(place) + 2), colors.buttonShadow);
        }
        EXPECT_NE(picture.pixelColor(layout.X(4) - 1, layout.Y(2) - 1), colors.buttonText);
        window.reject();
    });
    EXPECT_FALSE(game->HiRating());
    EXPECT_EQ(game->ActiveTeam(1)->Place, 2);
}

TEST_F(StatTeamFormTest, QuestionLabelsEveryFiveOfFortyAndEveryOneOfTwelve) {
    struct Case {
        int questions;
        std::vector<int> labelled;
    };
    const Case cases[] = {
        {40, {5, 10, 15, 20, 25, 30, 35, 40}},
        {12, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.questions);
        auto game = MakeGame({c.questions}, {std::string(static_cast<std::size_t>(c.questions), '+'), ""});
        game->CountResult();
        Run(*game, 0, [&](QDialog& window) {
            const QImage picture = ShownPicture(window);
            const PlaceGraphLayout layout = GraphLayout(picture, c.questions, 2);
            const int textHeight = PictureDigits().ZeroHeight;
            for (int q = 1; q <= c.questions; ++q) {
                const QRect under(layout.X(q) - 1, layout.Y(2) + 3, 3, textHeight);
                const bool labelled = std::count(c.labelled.begin(), c.labelled.end(), q) > 0;
                EXPECT_EQ(DarkPixels(picture, under) > 0, labelled) << q;
            }
            window.reject();
        });
    }
}

TEST_F(StatTeamFormTest, AGameWithoutQuestionsShowsZerosAndAnEmptyGraph) {
    auto game = MakeGame({}, {"", ""});
    Run(*game, 0, [&](QDialog& window) {
        EXPECT_EQ(BoxText(window, "OutAvGRat"), QStringLiteral("0"));
        EXPECT_EQ(BoxText(window, "OutAvRat"), QStringLiteral("0"));
        EXPECT_EQ(BoxText(window, "OutDiff"), QStringLiteral("+ 0"));
        const QImage picture = ShownPicture(window);
        for (int y = 0; y < picture.height(); y += 7)
            for (int x = 0; x < picture.width(); x += 7) ASSERT_EQ(picture.pixelColor(x, y), colors.buttonFace);
        window.reject();
    });
}
