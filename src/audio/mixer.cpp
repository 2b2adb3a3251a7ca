#include "audio/mixer.h"

#include <algorithm>
#include <cmath>

// The two threads meet only in these; were they not lock-free, the audio
// thread could wait on a lock the game's thread holds.
static_assert(std::atomic<std::uint32_t>::is_always_lock_free && std::atomic<float>::is_always_lock_free);

namespace {

constexpr int kChunkFrames = 256;

std::int16_t toSample(float value)
{
    const float clipped = std::clamp(value, -1.0f, 1.0f);
    return static_cast<std::int16_t>(std::lrint(clipped * 32767.0f));
}

} // namespace

bool Mixer::play(const float* samples, int length, float gainLeft, float gainRight)
{
    if (samples == nullptr || length <= 0) return false;
    const std::uint32_t written = written_.load(std::memory_order_relaxed);
    if (written - read_.load(std::memory_order_acquire) >= kQueueSize) return false;
    queue_[written % kQueueSize] = Request{samples, length, gainLeft, gainRight};
    written_.store(written + 1, std::memory_order_release);
    return true;
}

void Mixer::setMasterGain(float gain)
{
    masterTarget_.store(std::isfinite(gain) ? std::max(gain, 0.0f) : 0.0f, std::memory_order_relaxed);
}

void Mixer::takeRequests()
{
    std::uint32_t read = read_.load(std::memory_order_relaxed);
    const std::uint32_t written = written_.load(std::memory_order_acquire);
    for (; read != written; ++read) start(queue_[read % kQueueSize]);
    read_.store(read, std::memory_order_release);
}

void Mixer::start(const Request& request)
{
    // A free voice if there is one; otherwise the one closest to its end,
    // which is also the quietest part of any of these decaying effects.
    Voice* chosen = &voices_[0];
    int leastLeft = chosen->length - chosen->position;
    for (Voice& voice : voices_) {
        const int left = voice.length - voice.position;
        if (left < leastLeft) {
            chosen = &voice;
            leastLeft = left;
        }
    }
    *chosen = Voice{request.samples, request.length, 0, request.gainLeft, request.gainRight};
}

void Mixer::mix(std::int16_t* out, int frames)
{
    takeRequests();
    while (frames > 0) {
        const int chunk = std::min(frames, kChunkFrames);
        mixChunk(out, chunk);
        out += 2 * chunk;
        frames -= chunk;
    }
}

void Mixer::mixChunk(std::int16_t* out, int frames)
{
    float sum[2 * kChunkFrames] = {};

    // Each voice adds itself, voice by voice, so the inner loop is a plain
    // multiply-add over contiguous samples.
    for (Voice& voice : voices_) {
        const int count = std::min(frames, voice.length - voice.position);
        if (count <= 0) continue;
        const float* in = voice.samples + voice.position;
        for (int k = 0; k < count; ++k) {
            sum[2 * k] += in[k] * voice.gainLeft;
            sum[2 * k + 1] += in[k] * voice.gainRight;
        }
        voice.position += count;
    }

    // The master gain glides linearly to its target over the chunk.
    const float target = masterTarget_.load(std::memory_order_relaxed);
    const float stepPerFrame = (target - master_) / static_cast<float>(frames);
    for (int k = 0; k < frames; ++k) {
        const float gain = master_ + stepPerFrame * static_cast<float>(k + 1);
        out[2 * k] = toSample(sum[2 * k] * gain);
        out[2 * k + 1] = toSample(sum[2 * k + 1] * gain);
    }
    master_ = target;
}

int Mixer::activeVoices() const
{
    int count = 0;
    for (const Voice& voice : voices_)
        if (voice.position < voice.length) ++count;
    return count;
}
