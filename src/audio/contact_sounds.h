#pragma once

#include <array>
#include <cstdint>

#include "audio/sound.h"
#include "physics/contact_observer.h"

struct Simulation;

/// Turns the contacts of a running world into sounds. Each ball is heard at
/// most once a frame and then rests a while: the strongest contact of its
/// frame counts, and only when it closed fast enough, so a ball resting on a
/// line is silent and a rolling one does not buzz. Loudness grows with the
/// speed of approach. Keeps fixed arrays only: the step allocates nothing.
class ContactSounds final : public ContactObserver {
public:
    static constexpr int kMaxBalls = 64;         ///< balls beyond this are not heard
    static constexpr int kMaxPerFrame = 4;       ///< the loudest first
    static constexpr float kThreshold = 0.03f;   ///< closing speed (units per time unit) below which nothing plays
    static constexpr float kFullSpeed = 0.3f;    ///< closing speed heard at full loudness
    static constexpr std::uint32_t kRestFrames = 9; ///< a ball heard is silent this many frames (of 10 ms)

    using Sink = void (*)(SoundId id, float volume, float pan);

    /// loudness scales every request (the menus' background plays quieter).
    explicit ContactSounds(float loudness = 1.0f) : loudness_(loudness) {}

    void onContact(const Contact& contact) override;

    /// For this frame, ball `ball` is carried by hand at `velocity` (units
    /// per time unit): the world holds it still, yet what it runs into hears it.
    void carry(int ball, Vector2D velocity);

    /// The camera's x: a sound there is heard in the middle.
    float listenerX = 0.0f;

    /// Ends a frame: hands the frame's strongest contacts, loudest first, to
    /// the sink, panned by where the ball is in the view; forgets the rest.
    /// Time is counted in these frames, the world's own time, so a headless
    /// run hears what a player would.
    void endFrame(Sink sink = playSound);

private:
    struct Heard {
        float speed = 0.0f;          ///< strongest closing speed this frame; 0 for none
        float x = 0.0f;              ///< the ball's world x at that contact
        Contact::Kind kind = Contact::Kind::Wall;
        std::uint32_t lastFrame = 0; ///< when it was last heard
        bool heardBefore = false;
    };

    float loudness_;
    int carriedBall_ = -1;
    Vector2D carriedVelocity_;
    std::uint32_t frame_ = 0;
    std::array<Heard, kMaxBalls> balls_{};
};

/// Listens to `world` for the steps of one frame and plays what it heard when
/// it goes out of scope:
///     { ContactSoundFrame listening(world, sounds, cameraX); for (...) world.step(dt); }
/// The sounds are panned for a camera at listenerX.
class ContactSoundFrame {
public:
    ContactSoundFrame(Simulation& world, ContactSounds& sounds, float listenerX = 0.0f);
    ~ContactSoundFrame();
    ContactSoundFrame(const ContactSoundFrame&) = delete;
    ContactSoundFrame& operator=(const ContactSoundFrame&) = delete;

private:
    Simulation& world_;
    ContactSounds& sounds_;
};
