#include "audio/contact_sounds.h"

#include <algorithm>
#include <cmath>

#include "physics/simulation.h"

namespace {

SoundId soundOf(Contact::Kind kind)
{
    switch (kind) {
    case Contact::Kind::Line: return SoundId::BallOnLine;
    case Contact::Kind::Ball: return SoundId::BallOnBall;
    case Contact::Kind::RopePoint: return SoundId::BallOnRope;
    case Contact::Kind::Wall: break;
    }
    return SoundId::BallOnWall;
}

} // namespace

void ContactSounds::onContact(const Contact& contact)
{
    if (contact.ball < 0 || contact.ball >= kMaxBalls) return;
    float speed = contact.approachSpeed;
    if (contact.ball == carriedBall_) speed += dot(carriedVelocity_, contact.normal);
    // NaN speeds fail this test too.
    if (!(speed >= kThreshold)) return;
    Heard& heard = balls_[static_cast<std::size_t>(contact.ball)];
    if (speed <= heard.speed) return;
    heard.speed = speed;
    heard.x = contact.position.x;
    heard.kind = contact.kind;
}

void ContactSounds::carry(int ball, Vector2D velocity)
{
    carriedBall_ = ball;
    carriedVelocity_ = velocity;
}

void ContactSounds::endFrame(Sink sink)
{
    ++frame_;
    // The loudest few of this frame, found by repeated picks: kMaxPerFrame
    // passes over a small array, with no sorting storage.
    for (int played = 0; played < kMaxPerFrame; ++played) {
        Heard* loudest = nullptr;
        for (Heard& heard : balls_) {
            if (heard.speed == 0.0f) continue;
            if (heard.heardBefore && frame_ - heard.lastFrame < kRestFrames) continue;
            if (loudest == nullptr || heard.speed > loudest->speed) loudest = &heard;
        }
        if (loudest == nullptr) break;
        const float strength = std::min(loudest->speed / kFullSpeed, 1.0f);
        // A gentle curve: soft touches stay audible without the hard ones shouting.
        const float volume = loudness_ * std::sqrt(strength);
        if (sink) sink(soundOf(loudest->kind), volume, panForWorldX(loudest->x, listenerX));
        loudest->lastFrame = frame_;
        loudest->heardBefore = true;
        loudest->speed = 0.0f;
    }
    for (Heard& heard : balls_) heard.speed = 0.0f;
    carriedBall_ = -1;
}

ContactSoundFrame::ContactSoundFrame(Simulation& world, ContactSounds& sounds, float listenerX)
    : world_(world), sounds_(sounds)
{
    sounds_.listenerX = listenerX;
    world_.contactObserver = &sounds_;
}

ContactSoundFrame::~ContactSoundFrame()
{
    world_.contactObserver = nullptr;
    sounds_.endFrame();
}
