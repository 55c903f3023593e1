#include "champ/ChampSettings.h"

ChampSettings ChampSettingsOf(const ProgramConfig& config) {
    ChampSettings settings;
    settings.PlacePoints = config.PlacePoints;
    settings.ExlGames = config.ExlGames;
    settings.CountByScore = config.CountChampByScore;
    return settings;
}

void StoreChampSettings(const ChampSettings& settings, ProgramConfig& config) {
    config.PlacePoints = settings.PlacePoints;
    config.ExlGames = settings.ExlGames;
    config.CountChampByScore = settings.CountByScore;
}
