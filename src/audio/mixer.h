#pragma once

#include <array>
#include <atomic>
#include <cstdint>

/// Plays short mono effects on a fixed set of voices into interleaved
/// 16-bit stereo. Two threads share it: the game's thread asks for effects
/// and sets the master gain, the audio thread mixes. Requests travel through
/// a single-producer single-consumer ring, so neither side ever waits for
/// the other, and mixing touches no allocator.
class Mixer {
public:
    static constexpr int kVoices = 16;
    static constexpr int kQueueSize = 64;  ///< requests waiting for the next mix; a power of two

    /// Queues one effect: `samples` (mono, -1..1, the output's rate) must
    /// outlive the mixer; gains are per channel. Game thread only. Returns
    /// false, dropping the request, when the queue is full (the audio thread
    /// has stalled or stopped).
    bool play(const float* samples, int length, float gainLeft, float gainRight);

    /// Gain applied to the whole mix; the mix glides to it within one buffer
    /// so that a change never clicks. Any thread.
    void setMasterGain(float gain);

    /// Fills `frames` stereo frames (2 * frames samples) with the sum of the
    /// playing voices. Audio thread only; allocates nothing, never blocks.
    void mix(std::int16_t* out, int frames);

    /// Voices still sounding after the last mix. Audio thread (and tests).
    int activeVoices() const;

private:
    struct Request {
        const float* samples = nullptr;
        int length = 0;
        float gainLeft = 0.0f;
        float gainRight = 0.0f;
    };
    struct Voice {
        const float* samples = nullptr;
        int length = 0;
        int position = 0;
        float gainLeft = 0.0f;
        float gainRight = 0.0f;
    };

    void takeRequests();
    void start(const Request& request);
    void mixChunk(std::int16_t* out, int frames);

    std::array<Request, kQueueSize> queue_{};
    std::atomic<std::uint32_t> written_{0};  ///< requests queued so far; game thread writes
    std::atomic<std::uint32_t> read_{0};     ///< requests taken so far; audio thread writes
    std::atomic<float> masterTarget_{1.0f};
    float master_ = 1.0f;                    ///< audio thread's current gain
    std::array<Voice, kVoices> voices_{};
};
