// The sound output on SDL2's audio. The callback runs on SDL's audio thread
// and only drains the mixer, which never allocates or waits.
#include "platform/audio_device.h"

#include <SDL2/SDL.h>

#include <cstdio>

#include "audio/sound_control.h"
#include "audio/sound_synth.h"

namespace {

SDL_AudioDeviceID gDevice = 0;
/// Frames per callback: about 12 ms, short enough that a click is heard with
/// the press, long enough for a busy machine.
constexpr Uint16 kBufferFrames = 512;

void SDLCALL fillAudio(void*, Uint8* stream, int bytes)
{
    soundMixer().mix(reinterpret_cast<std::int16_t*>(stream), bytes / static_cast<int>(2 * sizeof(std::int16_t)));
}

void reportSilence(const char* what)
{
    std::fprintf(stderr, "tangloop: no sound: %s (%s); the game runs silent\n", what, SDL_GetError());
}

} // namespace

bool openAudioOutput()
{
    if (gDevice != 0) return true;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        reportSilence("no audio driver could start");
        return false;
    }
    SDL_AudioSpec wanted{};
    wanted.freq = kSoundSampleRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 2;
    wanted.samples = kBufferFrames;
    wanted.callback = fillAudio;
    SDL_AudioSpec obtained{};
    // No changes allowed: SDL converts to whatever the device really takes.
    gDevice = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
    if (gDevice == 0) {
        reportSilence("the audio device would not open");
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    setSoundOutputOpen(true);
    SDL_PauseAudioDevice(gDevice, 0);
    return true;
}

void closeAudioOutput()
{
    setSoundOutputOpen(false);
    if (gDevice == 0) return;
    SDL_CloseAudioDevice(gDevice);
    gDevice = 0;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void audioDeviceRemoved(std::uint32_t deviceId)
{
    if (gDevice == 0 || deviceId != gDevice) return;
    std::fprintf(stderr, "tangloop: no sound: the audio device was lost; the game runs silent\n");
    closeAudioOutput();
}
