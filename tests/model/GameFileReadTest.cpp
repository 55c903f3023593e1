// Reading game files of every version from bytes the tests assemble.
#include "base/Errors.h"
#include "support/AllocationMeter.h"
#include "support/GameBuilder.h"
#include "GameFileBytes.h"
#include "support/TempDir.h"
#include "base/TransCodes.h"
#include "model/VemoData.h"

#include <gtest/gtest.h>

namespace {

// "Знатоки" and "Тула" in code page 866 and in Windows-1251.
const std::string kOemName = "\x87\xAD\xA0\xE2\xAE\xAA\xA8";
const std::string kOemTown = "\x92\xE3\xAB\xA0";
const std::string kAnsiName = TransCodes::Utf8ToAnsi("Знатоки");
const std::string kAnsiTown = TransCodes::Utf8ToAnsi("Тула");

struct Loaded {
    TempDir dir;
    std::unique_ptr<TVemoData> game = std::make_unique<TVemoData>();
    bool ok = false;
};

std::unique_ptr<Loaded> Load(const std::string& bytes) {
    auto loaded = std::make_unique<Loaded>();
    const std::string path = loaded->dir.File("game.qgm");
    WriteBytes(path, bytes);
    loaded->ok = loaded->game->LoadFromFile(path);
    return loaded;
}

std::vector<FileTeam> ThreeTeams() {
    return {{kOemName, kOemTown, "Cap1", "Tr1", "+-+-+-+-+-++", 0, 0},
            {"Beta", "Town", "Cap2", "Tr2", "------------", 0, 0},
            {"Gamma", "Town", "Cap3", "Tr3", "++++++++++++", 0, 0}};
}

}  // namespace

TEST(GameFileRead, OldVersionsGiveTeamsTextsAndOneTour) {
    for (int version = 1; version <= 5; ++version) {
        auto l = Load(OldVersionFile(version, "Cup " + kOemName, 12, ThreeTeams()));
        ASSERT_TRUE(l->ok) << "version " << version;
        const TVemoData& g = *l->game;
        EXPECT_EQ(g.GameName(), "Cup " + kAnsiName);
        EXPECT_EQ(g.GameDate(), (TGameDate{2004, 5, 9}));
        EXPECT_EQ(g.QuestionCount(), 12);
        ASSERT_EQ(g.TourCount(), 1);
        EXPECT_EQ(g.TourName(0), g.GameName());
        ASSERT_EQ(g.TeamCount(), 3);
        EXPECT_EQ(g.TeamByIndex(0)->Name, kAnsiName);
        EXPECT_EQ(g.TeamByIndex(0)->Town, kAnsiTown);
        EXPECT_EQ(g.TeamByIndex(2)->Captain, "Cap3");
        EXPECT_EQ(g.TeamByIndex(1)->Trainer, version >= 3 ? "Tr2" : "");
        EXPECT_EQ(MarksText(*g.TeamByIndex(0)), "+-+-+-+-+-++");
        EXPECT_EQ(MarksText(*g.TeamByIndex(2)), "++++++++++++");
        EXPECT_EQ(g.TeamByIndex(2)->Number, 3);
        EXPECT_EQ(g.Presenter(), "");
        EXPECT_EQ(g.LastQuestion(), 12);
        EXPECT_EQ(g.FileName(), l->dir.File("game.qgm"));
    }
}

TEST(GameFileRead, PackedMarksUseLowBitsFirstAndIgnoreTheRest) {
    // Version 2, 12 questions: two bytes per team; question 9 is bit 0 of
    // the second byte, and its bits 4..7 lie beyond the last question.
    FileBytes bytes;
    bytes.Fixed(kSignatureV2, 41).U8(1).U8(12).U16(2001).U8(1).U8(1).Fixed("G", 61);
    bytes.U8(0b10000001).U8(0b11110001);
    bytes.Fixed("N", 26).Fixed("T", 11).Fixed("C", 21);
    auto l = Load(bytes.Data());
    ASSERT_TRUE(l->ok);
    EXPECT_EQ(MarksText(*l->game->TeamByIndex(0)), "+------++---");
}

TEST(GameFileRead, VersionOneAndSixKeepTheMarkByteAsWritten) {
    FileBytes bytes;
    bytes.Fixed(kSignatureV1, 41).U8(1).U8(3).U16(2001).U8(1).U8(1).Fixed("G", 61);
    bytes.U8(0).U8(7).U8(1);
    bytes.Fixed("N", 26).Fixed("T", 11).Fixed("C", 21);
    auto l = Load(bytes.Data());
    ASSERT_TRUE(l->ok);
    EXPECT_EQ(l->game->TeamByIndex(0)->RawMark(1), 7);
}

TEST(GameFileRead, OverlongFixedLengthIsCutToTheField) {
    FileBytes bytes;
    bytes.Fixed(kSignatureV3, 41).U8(1).U8(1).U16(2001).U8(1).U8(1).Fixed("G", 61).U8(0);
    bytes.U8(200).Raw(std::string(25, 'n'));  // name field claims 200 characters
    bytes.Fixed("T", 11).Fixed("C", 21).Fixed("R", 21);
    auto l = Load(bytes.Data());
    ASSERT_TRUE(l->ok);
    EXPECT_EQ(l->game->TeamByIndex(0)->Name, std::string(25, 'n'));
}

TEST(GameFileRead, CurrentVersionWithEverySection) {
    Version6Layout layout;
    layout.questions = 5;
    layout.teams = {{"A", "X", "c", "t", "+++--", 3, 1}, {"B", "Y", "", "", "--+++", 65535, 0}, {"C", "Z", "", "", "-----", 0, 1}};
    layout.tours = {{{2, "First"}, {3, "Second"}}};
    layout.currentTour = 2;
    layout.groups = {"North", "South"};
    layout.currentGroup = 2;
    auto l = Load(Version6File(layout));
    ASSERT_TRUE(l->ok);
    const TVemoData& g = *l->game;
    EXPECT_EQ(g.Presenter(), "Host");
    EXPECT_EQ(g.TeamByIndex(0)->ScoreDeposit, 3);
    EXPECT_EQ(g.TeamByIndex(1)->ScoreDeposit, 65535);
    ASSERT_EQ(g.TourCount(), 2);
    EXPECT_EQ(g.TourName(1), "Second");
    EXPECT_EQ(g.CurrentTour(), 2);
    EXPECT_EQ(g.TourStart(), 2);
    EXPECT_EQ(g.CurrentGroup(), 2);
    ASSERT_EQ(g.ActiveTeamCount(), 2);
    EXPECT_EQ(g.ActiveTeam(1)->Name, "C");
    // A team written with index 0 belongs to the first group.
    EXPECT_EQ(g.TeamByIndex(1)->Group()->Name, "North");
    EXPECT_EQ(g.LastQuestion(), 5);
}

TEST(GameFileRead, OptionalSectionsOfTheCurrentVersion) {
    Version6Layout layout;
    layout.questions = 2;
    layout.teams = {{"A", "X", "", "", "+-", 9, 0}};
    layout.deposits = false;
    auto noDeposits = Load(Version6File(layout));
    ASSERT_TRUE(noDeposits->ok);
    EXPECT_EQ(noDeposits->game->TeamByIndex(0)->ScoreDeposit, 0);
    ASSERT_EQ(noDeposits->game->TourCount(), 1);
    EXPECT_EQ(noDeposits->game->TourName(0), "Game");

    layout.deposits = true;
    auto noTours = Load(Version6File(layout));
    ASSERT_TRUE(noTours->ok);
    EXPECT_EQ(noTours->game->TeamByIndex(0)->ScoreDeposit, 9);
    EXPECT_EQ(noTours->game->TourCount(), 1);

    layout.tours = std::vector<std::pair<int, std::string>>{};
    auto zeroTours = Load(Version6File(layout));
    ASSERT_TRUE(zeroTours->ok);
    EXPECT_EQ(zeroTours->game->TourCount(), 0);
    EXPECT_EQ(zeroTours->game->WindowQuestionCount(), 2);
}

TEST(GameFileRead, ViewsBeyondTheListsAreIgnored) {
    Version6Layout layout;
    layout.questions = 2;
    layout.teams = {{"A", "X", "", "", "+-", 0, 0}};
    layout.tours = {{{1, "a"}, {1, "b"}}};
    layout.currentTour = 3;
    layout.groups = {"G"};
    layout.currentGroup = 2;
    auto l = Load(Version6File(layout));
    ASSERT_TRUE(l->ok);
    EXPECT_EQ(l->game->CurrentTour(), 0);
    EXPECT_EQ(l->game->CurrentGroup(), 0);
}

TEST(GameFileRead, GroupIndexBeyondTheGroupsIsAnError) {
    Version6Layout layout;
    layout.questions = 1;
    layout.teams = {{"A", "X", "", "", "+", 0, 1}};
    layout.tours = {{{1, "a"}}};
    layout.groups = {"G"};
    EXPECT_THROW(Load(Version6File(layout)), ERangeError);
}

TEST(GameFileRead, TourTableNotCoveringTheQuestionsIsAnError) {
    Version6Layout layout;
    layout.questions = 4;
    layout.teams = {{"A", "X", "", "", "++++", 0, 0}};
    layout.tours = {{{2, "a"}, {3, "b"}}};
    EXPECT_THROW(Load(Version6File(layout)), ERangeError);
}

TEST(GameFileRead, TrailingDotsAreRemovedFromTeamTexts) {
    Version6Layout layout;
    layout.teams = {{"Dr. Who...", "Town.", "...", "A.B.", "", 0, 0}};
    auto l = Load(Version6File(layout));
    ASSERT_TRUE(l->ok);
    const TTeamData& t = *l->game->TeamByIndex(0);
    EXPECT_EQ(t.Name, "Dr. Who");
    EXPECT_EQ(t.Town, "Town");
    EXPECT_EQ(t.Captain, "");
    EXPECT_EQ(t.Trainer, "A.B");
}

TEST(GameFileRead, NegativeTextLengthIsAnEmptyText) {
    FileBytes bytes;
    bytes.Fixed(kSignatureV6, 41).U16(0).U16(0).U16(2001).U8(1).U8(1);
    bytes.U16(0x8005).Counted("Host");
    auto l = Load(bytes.Data());
    ASSERT_TRUE(l->ok);
    EXPECT_EQ(l->game->GameName(), "");
    EXPECT_EQ(l->game->Presenter(), "Host");
}

TEST(GameFileRead, UnknownOrMissingFilesAreRefusedQuietly) {
    TempDir dir;
    TVemoData game;
    EXPECT_FALSE(game.LoadFromFile(dir.File("missing.qgm")));
    EXPECT_FALSE(game.LoadFromFile(dir.Path().string()));
    FileBytes wrongCase;
    wrongCase.Fixed("(C)Q.Durnabelsk VeMo Data File ver 2.01", 41).U16(0).U16(0);
    WriteBytes(dir.File("other.qgm"), wrongCase.Data());
    EXPECT_FALSE(game.LoadFromFile(dir.File("other.qgm")));
}

TEST(GameFileRead, HugeCountsInATinyFileFailBeforeAnythingIsAllocatedForThem) {
    struct Case {
        int version;
        const char* signature;
    };
    for (const Case& c : {Case{4, kSignatureV4}, Case{5, kSignatureV5}, Case{6, kSignatureV6}}) {
        FileBytes bytes;
        bytes.Fixed(c.signature, 41).U16(65535).U16(65535).U16(2001).U8(1).U8(1);
        if (c.version == 6) bytes.Counted("").Counted("");
        else bytes.Fixed("", 61);
        bytes.Raw(std::string(40, '\1'));
        TVemoData game;
        const AllocationMeter meter;
        EXPECT_THROW(game.LoadFromBytes(bytes.Data(), "huge.qgm"), EInOutError) << c.version;
        // The tour the reader adds first and the texts it has read: a few
        // small blocks, never room for the teams or their marks.
        EXPECT_LT(meter.Bytes(), 1024u) << c.version;
    }
}

TEST(GameFileRead, EveryTruncatedPrefixIsAnInputOutputError) {
    Version6Layout layout;
    layout.questions = 3;
    layout.teams = {{"A", "X", "c", "t", "+-+", 2, 1}, {"B", "Y", "", "", "--+", 0, 0}};
    layout.tours = {{{1, "a"}, {2, "b"}}};
    layout.groups = {"G", "H"};
    const std::string v6 = Version6File(layout);
    Version6Layout shortLayout = layout;
    shortLayout.deposits = false;
    const std::size_t afterCoaches = Version6File(shortLayout).size();
    const std::size_t afterDeposits = afterCoaches + 2 * layout.teams.size();

    std::vector<std::string> files = {v6};
    for (int version = 1; version <= 5; ++version) files.push_back(OldVersionFile(version, "G", 10, ThreeTeams()));
    for (const std::string& file : files) {
        for (std::size_t length = 0; length < file.size(); ++length) {
            const bool validCut = file == v6 && (length == afterCoaches || length == afterDeposits);
            if (validCut) {
                EXPECT_TRUE(Load(file.substr(0, length))->ok) << length;
            } else {
                EXPECT_THROW(Load(file.substr(0, length)), EInOutError) << "length " << length << " of " << file.size();
            }
        }
    }
}

TEST(GameFileRead, ResultsAfterReadingAreThoseOfRegisteringTheTeamsOneByOne) {
    for (int currentTour : {1, 3}) {
        Version6Layout layout;
        layout.questions = 6;
        layout.teams = {{"A", "X", "", "", "+++---", 1, 1}, {"B", "Y", "", "", "+-+-+-", 0, 0},
                        {"C", "Z", "", "", "-----+", 0, 1}};
        layout.tours = {{{4, "a"}, {2, "b"}}};
        layout.currentTour = currentTour;
        layout.groups = {"G", "H"};
        layout.currentGroup = 2;
        TempDir dir;
        WriteBytes(dir.File("g.qgm"), Version6File(layout));
        TVemoData loaded;
        loaded.SetRatingPlusOne(true);
        loaded.SetDepositScore(true);
        ASSERT_TRUE(loaded.LoadFromFile(dir.File("g.qgm")));

        // The same game made step by step: a count after every registered
        // team, then the tour put in view.
        TVemoData expected;
        expected.SetRatingPlusOne(true);
        expected.SetDepositScore(true);
        expected.AddTour(4, "a");
        expected.AddTour(2, "b");
        for (const FileTeam& t : layout.teams) {
            auto team = std::make_unique<TTeamData>();
            TTeamData& added = *team;
            expected.AddTeam(std::move(team));
            for (int q = 0; q < 6; ++q) added.SetRawMark(q, t.marks[static_cast<std::size_t>(q)] == '+');
            expected.CountRatings();
        }
        for (int i = 0; i < 3; ++i) expected.TeamByIndex(i)->ScoreDeposit = layout.teams[static_cast<std::size_t>(i)].deposit;
        if (currentTour <= 2) expected.SetCurrentTour(currentTour);
        for (int i = 0; i < 3; ++i) {
            const TTeamData& a = *loaded.TeamByIndex(i);
            const TTeamData& b = *expected.TeamByIndex(i);
            EXPECT_EQ(a.Number, b.Number);
            EXPECT_EQ(a.Score, b.Score) << "team " << i << " tour " << currentTour;
            EXPECT_EQ(a.RatScore, b.RatScore) << "team " << i << " tour " << currentTour;
        }
    }
}
