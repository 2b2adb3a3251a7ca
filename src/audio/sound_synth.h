#pragma once

#include <vector>

#include "audio/sound.h"

/// Every effect is made by the game itself at start-up: mono floats in
/// -1..1 at this rate, each ending in silence.
inline constexpr int kSoundSampleRate = 44100;

/// The samples of one effect. The same id always gives the same samples.
std::vector<float> synthesizeSound(SoundId id);

/// A short lower-case name for each effect ("ball_on_line"), for tools.
const char* soundName(SoundId id);
