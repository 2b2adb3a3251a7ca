// The synthesised effects and the mixer that plays them.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "audio/mixer.h"
#include "audio/sound_synth.h"

namespace {

struct Expected {
    SoundId id;
    int milliseconds;
};

// Short effects for touches and clicks, longer ones for the little tunes.
constexpr Expected kLengths[] = {
    {SoundId::BallOnLine, 160},    {SoundId::BallOnRope, 300},   {SoundId::BallOnBall, 120},
    {SoundId::BallOnWall, 200},    {SoundId::RopeHung, 500},     {SoundId::RopeRemoved, 300},
    {SoundId::RopeSelected, 90},   {SoundId::SliderTick, 30},    {SoundId::ButtonClick, 60},
    {SoundId::TryItOut, 400},      {SoundId::Return, 400},       {SoundId::LevelCompleted, 1300},
    {SoundId::ScreenOpened, 450},  {SoundId::SaveSucceeded, 450}, {SoundId::SaveFailed, 500},
};

} // namespace

TEST(SoundEffects, EachIsAsLongAsMeantAudibleUnclippedCentredAndRepeatable)
{
    static_assert(std::size(kLengths) == static_cast<std::size_t>(kSoundCount));
    for (const Expected& expected : kLengths) {
        SCOPED_TRACE(soundName(expected.id));
        const std::vector<float> samples = synthesizeSound(expected.id);
        ASSERT_EQ(samples.size(), static_cast<std::size_t>(kSoundSampleRate * expected.milliseconds / 1000));

        double sum = 0.0;
        double squares = 0.0;
        float peak = 0.0f;
        for (float v : samples) {
            ASSERT_TRUE(std::isfinite(v));
            sum += v;
            squares += static_cast<double>(v) * v;
            peak = std::max(peak, std::fabs(v));
        }
        const double rms = std::sqrt(squares / static_cast<double>(samples.size()));
        // Room left for a few at once before the mix clips.
        EXPECT_LE(peak, 0.8f);
        EXPECT_GE(peak, 0.2f);
        EXPECT_GT(rms, 0.02);
        // No DC offset: it would thump when the effect starts and stops.
        EXPECT_LT(std::fabs(sum / static_cast<double>(samples.size())), 0.002);
        // Starts and ends at rest, so nothing clicks.
        EXPECT_LT(std::fabs(samples.front()), 0.01f);
        EXPECT_LT(std::fabs(samples.back()), 0.001f);
        EXPECT_EQ(samples, synthesizeSound(expected.id));
    }
    EXPECT_TRUE(synthesizeSound(SoundId::Count).empty());
}

TEST(Mixer, PannedEffectPlaysInItsChannelsScaledByTheMasterThenFallsSilent)
{
    Mixer mixer;
    const std::vector<float> half(300, 0.5f);
    ASSERT_TRUE(mixer.play(half.data(), static_cast<int>(half.size()), 1.0f, 0.25f));

    std::vector<std::int16_t> out(2 * 400, 123);
    mixer.mix(out.data(), 400);
    EXPECT_EQ(out[0], 16384);        // 0.5 * 32767, rounded
    EXPECT_EQ(out[1], 4096);
    EXPECT_EQ(out[2 * 299], 16384);
    EXPECT_EQ(out[2 * 300], 0);      // over: silence, not what was in the buffer
    EXPECT_EQ(out[2 * 399 + 1], 0);
    EXPECT_EQ(mixer.activeVoices(), 0);

    // The master gain glides over one chunk, then holds.
    mixer.setMasterGain(0.0f);
    ASSERT_TRUE(mixer.play(half.data(), static_cast<int>(half.size()), 1.0f, 1.0f));
    mixer.mix(out.data(), 300);
    EXPECT_GT(out[0], 0);
    EXPECT_LT(out[0], 16384);
    EXPECT_EQ(out[2 * 299], 0);
    mixer.setMasterGain(std::nanf(""));  // garbage means silence, never noise
    ASSERT_TRUE(mixer.play(half.data(), static_cast<int>(half.size()), 1.0f, 1.0f));
    mixer.mix(out.data(), 300);
    for (std::int16_t v : out) EXPECT_EQ(v, 0);
}

TEST(Mixer, LoudSumsClipAtFullScaleAndAFullQueueOrVoiceSetNeverBlocks)
{
    Mixer mixer;
    const std::vector<float> loud(100, 0.9f);
    const std::vector<float> longer(1000, -0.9f);
    mixer.play(loud.data(), 100, 1.0f, 1.0f);
    mixer.play(loud.data(), 100, 1.0f, 1.0f);
    std::vector<std::int16_t> out(2 * 50);
    mixer.mix(out.data(), 50);
    EXPECT_EQ(out[0], 32767);  // clipped, not wrapped round to a negative value

    // The queue holds a fixed number of requests between two mixes; the
    // rest are dropped at once rather than waited for.
    int accepted = 0;
    for (int i = 0; i < 2 * Mixer::kQueueSize; ++i) accepted += mixer.play(longer.data(), 1000, 0.01f, 0.01f);
    EXPECT_EQ(accepted, Mixer::kQueueSize);
    EXPECT_FALSE(mixer.play(nullptr, 10, 1.0f, 1.0f));

    // More requests than voices: each new one takes the voice nearest its
    // end, so the two loud ones, half played, go first and all voices stay busy.
    mixer.mix(out.data(), 1);
    EXPECT_EQ(mixer.activeVoices(), Mixer::kVoices);
    EXPECT_TRUE(mixer.play(longer.data(), 1000, 0.01f, 0.01f));
}
