// One quiz game: its tours of questions, its teams with their marks, the
// optional groups, the header and the four count parameters. Everything
// else sees the game through two views: the teams in view (all, or the
// current group's) and the window of questions (the current tour, or the
// whole game).
#pragma once

#include "base/CountOptions.h"
#include "model/GameDate.h"
#include "model/GroupData.h"
#include "model/TeamData.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

using TeamArrayType = std::vector<TTeamData*>;

// The game's plain values: everything but the teams and groups it owns and
// the list of teams in view drawn from them. CreateCopy takes them whole,
// so a value added here is copied without a word in CreateCopy.
struct TGameValues {
    std::vector<std::string> FTourNames;
    std::vector<uint16_t> FTourQuestCounts;
    uint16_t FQuestionCount = 0;
    std::string FGameName;
    std::string FPresenter;
    uint16_t FCurrentTour = 0;
    uint16_t FLastQuestion = 0;
    // A game nobody has given options counts with every one of them off.
    CountOptions FCountOptions{.RatingPlusOne = false, .HiRating = false, .SortByRating = false, .DepositScore = false};
    TGameDate FGameDate;
    std::string FFileName;
    uint16_t FCurrentGroup = 0;
    uint16_t FTourStart = 0;

    bool operator==(const TGameValues&) const = default;
};

class TVemoData : private TGameValues {
public:
    // Counts of teams, questions, tours and groups are 16-bit.
    static constexpr int kMaxCount = 65535;
    // The longest text (name, town, title...) a game file can hold.
    static constexpr int kMaxTextLength = 32767;

    TVemoData() = default;
    TVemoData(const TVemoData&) = delete;
    TVemoData& operator=(const TVemoData&) = delete;
    ~TVemoData() = default;

    // A private copy for an editing dialog. Reads the source's last question
    // with GetLastQuestion, so the source's scores are recounted first.
    static std::unique_ptr<TVemoData> CreateCopy(TVemoData& source);
    // A copy of everything as it stands, the results of the last count
    // included, without counting anything (the undo history keeps these).
    std::unique_ptr<TVemoData> Clone() const;

    // The plain values as they stand, and putting back values this game had
    // earlier (undo). The count options stay as they are: they follow the
    // program's options, not the game's history.
    const TGameValues& Values() const { return *this; }
    void RestoreValues(const TGameValues& values);

    // Teams.
    int TeamCount() const { return static_cast<int>(FTeams.size()); }
    TTeamData* TeamByIndex(int i) const;
    int ActiveTeamCount() const;
    TTeamData* ActiveTeam(int i) const;
    TTeamData* TeamByNumber(int number) const;
    TTeamData* ActiveTeamByNumber(int number) const;
    TTeamData* NextTeamByNumber(int number) const;
    int AddTeam(std::unique_ptr<TTeamData> team);
    // Appends `teams` in order as AddTeam does one by one (each numbered
    // after the highest), with one recount for all of them. Throws before
    // any change when they would pass the limit of teams.
    void AddTeams(std::vector<std::unique_ptr<TTeamData>> teams);
    // Removes `team` and closes the gap in the numbers; false when it is not
    // a team of this game.
    bool DeleteTeam(const TTeamData* team);
    // Removes the team at position i among the teams in view.
    bool DeleteTeam(int i);
    bool SwapTeamNumbers(int numberA, int numberB);
    // '+' or '-' for team in view i and window question q; 0 when no team.
    char QuestSign(int i, int q) const;

    // Header.
    const std::string& GameName() const { return FGameName; }
    void SetGameName(std::string name) { FGameName = std::move(name); }
    const std::string& Presenter() const { return FPresenter; }
    void SetPresenter(std::string presenter) { FPresenter = std::move(presenter); }
    const std::string& FileName() const { return FFileName; }
    const TGameDate& GameDate() const { return FGameDate; }
    void SetGameDate(const TGameDate& date) { FGameDate = date; }
    std::string GameDateText() const { return GameDateToText(FGameDate); }

    // Count parameters; a setter recounts scores and ratings when a value changes.
    const CountOptions& GetCountOptions() const { return FCountOptions; }
    void SetCountOptions(const CountOptions& options);
    bool HiRating() const { return FCountOptions.HiRating; }
    void SetHiRating(bool on);
    bool RatingPlusOne() const { return FCountOptions.RatingPlusOne; }
    void SetRatingPlusOne(bool on);
    bool DepositScore() const { return FCountOptions.DepositScore; }
    void SetDepositScore(bool on);
    bool SortByRating() const { return FCountOptions.SortByRating; }
    void SetSortByRating(bool on);

    // Questions and the window.
    int QuestionCount() const { return FQuestionCount; }
    int WindowQuestionCount() const;
    int CurrentTour() const { return FCurrentTour; }
    int TourStart() const { return FTourStart; }
    std::string CurrentTourName() const;
    // The stored number of questions that enter the count, as it stands.
    int LastQuestion() const { return FLastQuestion; }
    // Stores n without any check or count (the main window does this while
    // it sets its own controls).
    void StoreLastQuestion(int n) { FLastQuestion = static_cast<uint16_t>(n); }
    bool SetLastQuestion(int n);
    int GetLastQuestion();

    // Tours.
    int TourCount() const { return static_cast<int>(FTourNames.size()); }
    std::string TourName(int i) const;
    void SetTourName(int i, std::string name);
    int TourQuestCount(int i) const;
    bool AddTour(int count, std::string name);
    bool SetTourQuestCount(int i, int count);
    bool SplitTour(int i, int count);
    bool UniteTours(int i, int count);
    bool DeleteTour(int i);
    bool ExchangeTours(int i, int j);
    bool SetCurrentTour(int tour);
    void UpdateTourStart();

    // Groups.
    int GroupCount() const { return static_cast<int>(FGroups.size()); }
    TGroupData* GroupByIndex(int i) const;
    bool AddGroup(const TGroupData* group);
    bool DeleteGroup(int i);
    int CurrentGroup() const { return FCurrentGroup; }
    bool SetCurrentGroup(int group);
    void UpdateGroupTeams();
    int GroupTeamCount(const TGroupData* group) const;
    // The first group with this name, appended when there is none.
    TGroupData* GroupNamed(const std::string& name);

    // Counting.
    int QuestionRating(int q) const;
    // QuestionRating of every window question, in one pass over the marks.
    std::vector<int> WindowQuestionRatings() const;
    int TeamTakenCount(int i) const;
    int TeamTakenCountByNumber(int number) const;
    void CountRatings();
    void CountResult();
    // The teams in view in the order of the last count (by SortPos). Every
    // team is listed once even when the places are stale (teams with equal
    // or foreign SortPos keep their order in view).
    TeamArrayType TeamsInCountedOrder() const;

    // The game file. LoadFromFile expects a freshly created game.
    bool LoadFromFile(const std::string& fileName);
    // The same from the file's bytes already in memory; false for an
    // unknown signature.
    bool LoadFromBytes(std::string_view data, const std::string& fileName);
    bool SaveToFile(const std::string& fileName) const;
    // The bytes SaveToFile writes.
    std::string GameFileBytes() const;

private:
    friend class GameFileReader;

    // The teams in view as one list (a copy of the pointers when all teams are in view).
    TeamArrayType TeamsInView() const;
    // Recounts scores and ratings of `teams` and returns the ratings of the
    // counted questions.
    std::vector<int> CountRatingsOf(const TeamArrayType& teams);
    // The ratings of the window's first `count` questions among `teams`.
    std::vector<int> RatingsOf(const TeamArrayType& teams, int count) const;
    int TourStartOf(int i) const;
    void AfterTourChange();

    std::vector<std::unique_ptr<TTeamData>> FTeams;
    // The current group's teams; they belong to FTeams.
    TeamArrayType FGroupTeams;
    std::vector<std::unique_ptr<TGroupData>> FGroups;
};
