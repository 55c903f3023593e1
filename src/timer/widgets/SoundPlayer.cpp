#include "timer/widgets/SoundPlayer.h"

#include "timer/widgets/WavePlayer.h"

namespace {

SoundPlayerFactory& InstalledFactory() {
    static SoundPlayerFactory factory;
    return factory;
}

}  // namespace

std::unique_ptr<SoundPlayer> MakeSoundPlayer() {
    if (InstalledFactory()) return InstalledFactory()();
    return std::make_unique<WavePlayer>();
}

void SetSoundPlayerFactory(SoundPlayerFactory factory) { InstalledFactory() = std::move(factory); }
