// Replaces the global operator new of the whole unit test program with one
// that counts while armed, to show that a world step allocates nothing, nor
// does the audio callback's mixing.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "audio/contact_sounds.h"
#include "audio/mixer.h"
#include "audio/sound_synth.h"
#include "physics/simulation.h"

namespace {
std::atomic<bool> counting{false};
std::atomic<long> allocations{0};
} // namespace

void* operator new(std::size_t size)
{
    if (counting.load()) allocations.fetch_add(1);
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}

// The library's temporary buffers (stable_sort) come from this one; left to
// the sanitizer's own, they would be freed by the free below and reported.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    if (counting.load()) allocations.fetch_add(1);
    return std::malloc(size ? size : 1);
}

// g++ 12 mistakes these for a mismatch once it inlines the sized delete.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
#pragma GCC diagnostic pop

TEST(WorldStep, StepsOfAPopulatedWorldAllocateNothing)
{
    Simulation sim;
    for (int i = 0; i < 4; ++i) {
        Ball& b = sim.balls.emplace_back();
        b.position = {-1.5f + i, 1.0f};
    }
    for (int i = 0; i < 10; ++i) {
        Line& l = sim.lines.emplace_back();
        l.ends[0] = {-2.0f + 0.4f * i, -1.0f};
        l.ends[1] = {-1.8f + 0.4f * i, -1.2f};
    }
    addRope({-2.0f, 0.0f}, {2.0f, 0.0f}, sim);
    addRope({-1.0f, 1.5f}, {1.0f, -1.5f}, sim);
    for (Rope& r : sim.ropes)
        for (size_t i = 1; i + 1 < r.masses.size(); ++i) r.masses[i].fixed = false;

    allocations = 0;
    counting = true;
    for (int i = 0; i < 1000; ++i) sim.step(1.0f / 3.0f);
    counting = false;
    EXPECT_EQ(allocations.load(), 0);

    // Nor does it while heard: the sound observer keeps fixed arrays.
    ContactSounds sounds;
    sim.contactObserver = &sounds;
    counting = true;
    for (int i = 0; i < 1000; ++i) {
        sim.step(1.0f / 3.0f);
        sounds.endFrame([](SoundId, float, float) {});
    }
    counting = false;
    EXPECT_EQ(allocations.load(), 0);

    // The counter itself works: growing an array is seen.
    counting = true;
    sim.lines.reserve(sim.lines.capacity() + 1);
    counting = false;
    EXPECT_GT(allocations.load(), 0);
}

TEST(Mixer, QueueingAndMixingEveryVoiceAllocateNothing)
{
    const std::vector<float> effect = synthesizeSound(SoundId::LevelCompleted);
    Mixer mixer;
    std::int16_t out[2 * 512];
    allocations = 0;
    counting = true;
    for (int buffer = 0; buffer < 100; ++buffer) {
        // More requests than voices: the extra ones are dropped, not stored.
        for (int i = 0; i < 20; ++i) mixer.play(effect.data(), static_cast<int>(effect.size()), 0.3f, 0.2f);
        mixer.setMasterGain(buffer % 2 ? 0.5f : 1.0f);
        mixer.mix(out, 512);
    }
    counting = false;
    EXPECT_EQ(mixer.activeVoices(), Mixer::kVoices);
    EXPECT_EQ(allocations.load(), 0);
}
