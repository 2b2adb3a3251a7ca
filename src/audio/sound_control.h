#pragma once

#include <string>

#include "audio/mixer.h"
#include "audio/sound.h"
#include "level/settings.h"

// The sound system's controls, for start-up, the platform's audio output,
// the key handler and tests. Game code asks for effects through app/sound.h.

/// Makes every effect and takes the player's volume and mute from the
/// settings read at start. `muteThisRun` (--mute) silences this run without
/// changing the file. Call once at start, before the output opens.
void initSound(const Settings& stored, bool muteThisRun);

/// Puts the player's volume and mute choice (never --mute's) into settings
/// about to be written, so that a later write keeps what M and +/- chose.
void keepSoundChoice(Settings& settings);

/// The mixer the platform's audio callback drains.
Mixer& soundMixer();

/// Set by the platform: whether a device is playing what the mixer makes.
/// While it is not, playSound does nothing at all.
void setSoundOutputOpen(bool open);
bool soundOutputOpen();

/// The player's volume, 0..100, and the mute. Both take effect at once; the
/// mute set here is also the player's choice, kept in the file.
int soundVolume();
void setSoundVolume(int volume);
bool soundMuted();
void setSoundMuted(bool muted);

/// Writes the player's volume and mute choice to the settings file now,
/// keeping the rest of the file as it is.
void saveSoundChoice();

/// Sound off when on, on when off; the choice is written to the settings file.
void toggleSoundMuted();

/// M mutes and unmutes; + and - raise and lower the volume by 10 (and
/// unmute), also as a held key repeats: the keypad's, and the main row's
/// keys that type - and + or = on the player's layout. A held M's repeats (`repeated`)
/// do nothing, so that it does not flicker between the two. The new choice
/// is written to the settings file. Returns whether the key was one of
/// these. Call for key presses that no text field takes.
bool soundKeyDown(int virtualKey, bool repeated = false);

/// What the corner line says when the sound went from (volumeBefore,
/// mutedBefore) to (volume, muted): "Sound off", "Sound on" when only the
/// mute was lifted, otherwise "Volume 60%" (also when a key found the volume
/// at its end already).
std::string soundChangeText(int volumeBefore, bool mutedBefore, int volume, bool muted);

/// Called with every effect playSound is asked for, before mute, device or
/// rate limits are considered (tests); nullptr removes it.
using SoundRequestHook = void (*)(SoundId id, float volume, float pan);
void setSoundRequestHook(SoundRequestHook hook);
