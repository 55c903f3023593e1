#include "model/VemoData.h"

#include "base/Errors.h"

#include <algorithm>
#include <unordered_map>

TTeamData* TVemoData::TeamByIndex(int i) const {
    if (i < 0 || i >= TeamCount()) return nullptr;
    return FTeams[static_cast<std::size_t>(i)].get();
}

int TVemoData::ActiveTeamCount() const {
    return FCurrentGroup == 0 ? TeamCount() : static_cast<int>(FGroupTeams.size());
}

TTeamData* TVemoData::ActiveTeam(int i) const {
    if (FCurrentGroup == 0) return TeamByIndex(i);
    if (i < 0 || i >= static_cast<int>(FGroupTeams.size())) return nullptr;
    return FGroupTeams[static_cast<std::size_t>(i)];
}

TeamArrayType TVemoData::TeamsInView() const {
    if (FCurrentGroup != 0) return FGroupTeams;
    TeamArrayType all;
    all.reserve(FTeams.size());
    for (const auto& team : FTeams) all.push_back(team.get());
    return all;
}

TTeamData* TVemoData::TeamByNumber(int number) const {
    if (number <= 0 || number > TeamCount()) return nullptr;
    for (const auto& team : FTeams)
        if (team->Number == number) return team.get();
    return nullptr;
}

TTeamData* TVemoData::ActiveTeamByNumber(int number) const {
    if (FCurrentGroup == 0) return TeamByNumber(number);
    for (TTeamData* team : FGroupTeams)
        if (team->Number == number) return team;
    return nullptr;
}

TTeamData* TVemoData::NextTeamByNumber(int number) const {
    TTeamData* best = nullptr;
    const int count = ActiveTeamCount();
    for (int i = 0; i < count; ++i) {
        TTeamData* team = ActiveTeam(i);
        if (team->Number <= number) continue;
        if (!best || team->Number < best->Number) best = team;
        if (team->Number == number + 1) break;
    }
    return best;
}

int TVemoData::AddTeam(std::unique_ptr<TTeamData> team) {
    if (TeamCount() >= kMaxCount) throw ERangeError();
    team->FOwner = this;
    int largest = 0;
    for (const auto& other : FTeams) largest = std::max(largest, other->Number);
    team->Number = largest + 1;
    team->SetMarkCount(FQuestionCount);
    FTeams.push_back(std::move(team));
    UpdateGroupTeams();
    CountRatings();
    return TeamCount() - 1;
}

void TVemoData::AddTeams(std::vector<std::unique_ptr<TTeamData>> teams) {
    if (teams.size() > static_cast<std::size_t>(kMaxCount - TeamCount())) throw ERangeError();
    int largest = 0;
    for (const auto& other : FTeams) largest = std::max(largest, other->Number);
    FTeams.reserve(FTeams.size() + teams.size());
    for (auto& team : teams) {
        team->FOwner = this;
        team->Number = ++largest;
        team->SetMarkCount(FQuestionCount);
        FTeams.push_back(std::move(team));
    }
    UpdateGroupTeams();
    CountRatings();
}

bool TVemoData::DeleteTeam(const TTeamData* team) {
    const auto found = std::find_if(FTeams.begin(), FTeams.end(),
                                    [team](const auto& t) { return t.get() == team; });
    if (found == FTeams.end()) return false;
    const int removedNumber = (*found)->Number;
    FTeams.erase(found);
    for (const auto& other : FTeams)
        if (other->Number > removedNumber) --other->Number;
    UpdateGroupTeams();
    CountRatings();
    return true;
}

bool TVemoData::DeleteTeam(int i) {
    const TTeamData* team = ActiveTeam(i);
    return team && DeleteTeam(team);
}

bool TVemoData::SwapTeamNumbers(int numberA, int numberB) {
    TTeamData* a = TeamByNumber(numberA);
    TTeamData* b = TeamByNumber(numberB);
    if (!a || !b) return false;
    std::swap(a->Number, b->Number);
    CountRatings();
    return true;
}

char TVemoData::QuestSign(int i, int q) const {
    const TTeamData* team = ActiveTeam(i);
    if (!team) return 0;
    return team->Mark(q) ? '+' : '-';
}

void TVemoData::SetCountOptions(const CountOptions& options) {
    if (FCountOptions == options) return;
    FCountOptions = options;
    CountRatings();
}

void TVemoData::SetHiRating(bool on) {
    CountOptions options = FCountOptions;
    options.HiRating = on;
    SetCountOptions(options);
}

void TVemoData::SetRatingPlusOne(bool on) {
    CountOptions options = FCountOptions;
    options.RatingPlusOne = on;
    SetCountOptions(options);
}

void TVemoData::SetDepositScore(bool on) {
    CountOptions options = FCountOptions;
    options.DepositScore = on;
    SetCountOptions(options);
}

void TVemoData::SetSortByRating(bool on) {
    CountOptions options = FCountOptions;
    options.SortByRating = on;
    SetCountOptions(options);
}

int TVemoData::WindowQuestionCount() const {
    if (FCurrentTour == 0) return FQuestionCount;
    return TourQuestCount(FCurrentTour - 1);
}

std::string TVemoData::CurrentTourName() const {
    if (FCurrentTour == 0) return FGameName;
    return TourName(FCurrentTour - 1);
}

bool TVemoData::SetLastQuestion(int n) {
    if (n <= 0 || n > WindowQuestionCount()) return false;
    FLastQuestion = static_cast<uint16_t>(n);
    CountRatings();
    return true;
}

int TVemoData::GetLastQuestion() {
    CountRatings();
    return FLastQuestion;
}

// The source is recounted first, so the copy takes its results as they are.
std::unique_ptr<TVemoData> TVemoData::CreateCopy(TVemoData& source) {
    source.GetLastQuestion();
    return source.Clone();
}

// A team keeps the group object at the same position in the copy's list.
std::unique_ptr<TVemoData> TVemoData::Clone() const {
    auto copy = std::make_unique<TVemoData>();
    static_cast<TGameValues&>(*copy) = *this;
    std::unordered_map<const TGroupData*, TGroupData*> groupOf;
    for (const auto& group : FGroups) {
        copy->FGroups.push_back(std::make_unique<TGroupData>(*group));
        groupOf[group.get()] = copy->FGroups.back().get();
    }
    copy->FTeams.reserve(FTeams.size());
    for (const auto& team : FTeams) {
        auto twin = std::make_unique<TTeamData>(copy.get());
        static_cast<TTeamValues&>(*twin) = *team;
        twin->FMarks = team->FMarks;
        if (team->Group()) {
            const auto found = groupOf.find(team->Group());
            twin->FGroup = found != groupOf.end() ? found->second : copy->GroupNamed(team->Group()->Name);
        }
        copy->FTeams.push_back(std::move(twin));
    }
    copy->UpdateGroupTeams();
    return copy;
}

void TVemoData::RestoreValues(const TGameValues& values) {
    const CountOptions options = FCountOptions;
    static_cast<TGameValues&>(*this) = values;
    FCountOptions = options;
    UpdateGroupTeams();
}
