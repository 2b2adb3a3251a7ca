// What mixing costs the audio thread: one second of 44.1 kHz stereo sound,
// mixed in the callback's 512-frame buffers, with 16 effects playing all the
// time (every voice busy) and with none. The sound device asks for a buffer
// every 11.6 ms; the figure per second of sound is the share of one core
// the mixing takes. Also what making every effect costs at start-up.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "audio/mixer.h"
#include "audio/sound_synth.h"

namespace {

constexpr int kBufferFrames = 512;
constexpr int kBuffersPerSecond = (kSoundSampleRate + kBufferFrames - 1) / kBufferFrames;

void mixOneSecond(benchmark::State& state, int voices)
{
    const std::vector<float> effect = synthesizeSound(SoundId::LevelCompleted);
    Mixer mixer;
    std::vector<std::int16_t> out(2 * kBufferFrames);
    for (auto _ : state) {
        for (int buffer = 0; buffer < kBuffersPerSecond; ++buffer) {
            // Whatever ended is started again, so `voices` play throughout.
            for (int playing = mixer.activeVoices(); playing < voices; ++playing)
                mixer.play(effect.data(), static_cast<int>(effect.size()), 0.3f, 0.2f);
            mixer.mix(out.data(), kBufferFrames);
            benchmark::DoNotOptimize(out.data());
        }
    }
    // Seconds of CPU per second of sound, as a percentage.
    state.counters["share_of_a_core_%"] = benchmark::Counter(
        static_cast<double>(state.iterations()) / 100.0, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.SetLabel("one iteration = 1 s of sound");
}

void BM_MixSixteenVoices(benchmark::State& state) { mixOneSecond(state, Mixer::kVoices); }
void BM_MixSilence(benchmark::State& state) { mixOneSecond(state, 0); }

/// Every effect made, as the game does once at start-up.
void BM_SynthesizeEveryEffect(benchmark::State& state)
{
    for (auto _ : state)
        for (int i = 0; i < kSoundCount; ++i) benchmark::DoNotOptimize(synthesizeSound(static_cast<SoundId>(i)).data());
}

} // namespace

BENCHMARK(BM_SynthesizeEveryEffect)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MixSixteenVoices)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MixSilence)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
