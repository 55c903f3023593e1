#include "champ/Championship.h"

#include "base/FileIO.h"
#include "base/TransCodes.h"
#include "champ/ChampCount.h"

#include <algorithm>

Championship::AddResult Championship::AddGame(const std::string& fileName) {
    const bool loaded = std::any_of(FChampGames.begin(), FChampGames.end(),
                                    [&](const auto& game) { return game->FileName() == fileName; });
    if (loaded) return AddResult::AlreadyLoaded;
    if (!FileIO::FileExists(fileName)) return AddResult::NotFound;
    auto game = std::make_unique<TVemoData>();
    // A file that is not a game is refused here, rather than kept in the
    // list as an empty game as if it had been read.
    if (!game->LoadFromFile(fileName)) return AddResult::NotAGame;
    game->SetRatingPlusOne(true);
    game->CountResult();
    FChampGames.push_back(std::move(game));
    FRowsStale = true;
    return AddResult::Added;
}

const TVemoData* Championship::Game(int index) const {
    if (index < 0 || index >= GameCount()) return nullptr;
    return FChampGames[static_cast<std::size_t>(index)].get();
}

bool Championship::DeleteGame(int index) {
    if (index < 0 || index >= GameCount()) return false;
    FChampGames.erase(FChampGames.begin() + index);
    FRowsStale = true;
    return true;
}

void Championship::Clear() {
    FChampGames.clear();
    FChampTeams.clear();
    FRowsStale = false;
}

void Championship::SetSettings(const ChampSettings& settings) {
    FSettings = settings;
    FRowsStale = true;
}

const std::vector<ChampTeamRec>& Championship::ChampTeams() const {
    if (FRowsStale) {
        std::vector<const TVemoData*> games;
        games.reserve(FChampGames.size());
        for (const auto& game : FChampGames) games.push_back(game.get());
        FChampTeams = BuildChampTeams(games, FSettings);
        FRowsStale = false;
    }
    return FChampTeams;
}

std::string AddGameMessage(Championship::AddResult result) {
    switch (result) {
        case Championship::AddResult::Added: return {};
        case Championship::AddResult::AlreadyLoaded: return TransCodes::Utf8ToAnsi("Игра уже загружена");
        case Championship::AddResult::NotFound: return TransCodes::Utf8ToAnsi("Файл не найден");
        case Championship::AddResult::NotAGame: return TransCodes::Utf8ToAnsi("Файл не является игрой ВеМо");
    }
    return {};
}
