// Contacts heard: which become sounds, how loud, and that listening changes
// nothing in the world.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "audio/contact_sounds.h"
#include "app/globals.h"
#include "physics/rope.h"
#include "physics/simulation.h"

namespace {

struct Request {
    SoundId id;
    float volume;
    float pan;
};
std::vector<Request> requests;

void record(SoundId id, float volume, float pan)
{
    requests.push_back({id, volume, pan});
}

Contact contact(Contact::Kind kind, int ball, float speed, float x = 0.0f)
{
    Contact c;
    c.kind = kind;
    c.ball = ball;
    c.approachSpeed = speed;
    c.position = {x, 0.0f};
    return c;
}

/// Counts what the step reports, and passes it on to the sounds.
struct CountingObserver final : ContactObserver {
    ContactSounds sounds;
    int byKind[4] = {};
    void onContact(const Contact& c) override
    {
        ++byKind[static_cast<int>(c.kind)];
        sounds.onContact(c);
    }
};

/// Balls falling onto lines, ropes, walls and each other.
Simulation busyWorld()
{
    Simulation sim;
    for (int i = 0; i < 5; ++i) {
        Ball& b = sim.balls.emplace_back();
        b.position = {-1.6f + 0.75f * i, 1.2f - 0.2f * i};
        b.velocity = {0.05f * (i - 2), 0.0f};
        b.radius = 0.2f + 0.03f * i;
    }
    for (int i = 0; i < 6; ++i) {
        Line& l = sim.lines.emplace_back();
        l.ends[0] = {-2.0f + 0.7f * i, -1.0f + 0.1f * i};
        l.ends[1] = {-1.6f + 0.7f * i, -1.3f};
    }
    addRope({-1.8f, 0.2f}, {1.8f, 0.0f}, sim);
    for (Rope& r : sim.ropes)
        for (std::size_t i = 1; i + 1 < r.masses.size(); ++i) r.masses[i].fixed = false;
    return sim;
}

std::vector<std::uint32_t> bitsOf(const Simulation& sim)
{
    std::vector<std::uint32_t> bits;
    auto add = [&bits](float v) {
        std::uint32_t u;
        std::memcpy(&u, &v, sizeof u);
        bits.push_back(u);
    };
    for (const Ball& b : sim.balls) add(b.position.x), add(b.position.y), add(b.velocity.x), add(b.velocity.y);
    for (const Rope& r : sim.ropes)
        for (const Mass& m : r.masses) add(m.position.x), add(m.position.y), add(m.velocity.x), add(m.velocity.y);
    return bits;
}

} // namespace

TEST(ContactSounds, OnlyFastApproachesSoundOncePerBallLoudestFirstThenTheBallRests)
{
    requests.clear();
    ContactSounds sounds;
    sounds.listenerX = 0.0f;

    // A ball resting on a line closes at a crawl, or parts: silence.
    sounds.onContact(contact(Contact::Kind::Line, 0, ContactSounds::kThreshold * 0.5f));
    sounds.onContact(contact(Contact::Kind::Line, 0, -1.0f));
    sounds.onContact(contact(Contact::Kind::Line, 0, std::nanf("")));
    sounds.endFrame(record);
    EXPECT_TRUE(requests.empty());

    // One frame, three balls: each heard once, by its strongest contact of
    // the frame, the loudest first, panned by where it is in the view.
    sounds.onContact(contact(Contact::Kind::Line, 0, 0.05f, -3.0f));
    sounds.onContact(contact(Contact::Kind::RopePoint, 0, 0.1f, -3.0f));
    sounds.onContact(contact(Contact::Kind::Wall, 1, 1.0f, 3.0f));
    sounds.onContact(contact(Contact::Kind::Ball, 2, 0.06f));
    sounds.onContact(contact(Contact::Kind::Line, 999, 1.0f));  // beyond the balls heard
    sounds.endFrame(record);
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[0].id, SoundId::BallOnWall);
    EXPECT_FLOAT_EQ(requests[0].volume, 1.0f);  // beyond full speed stays at full
    EXPECT_GT(requests[0].pan, 0.3f);
    EXPECT_EQ(requests[1].id, SoundId::BallOnRope);
    EXPECT_LT(requests[1].pan, -0.3f);
    EXPECT_EQ(requests[2].id, SoundId::BallOnBall);
    EXPECT_GT(requests[1].volume, requests[2].volume);
    EXPECT_GT(requests[2].volume, 0.0f);

    // A heard ball rests a while: a rolling ball bumping along does not buzz,
    // while another ball is heard at once.
    requests.clear();
    sounds.onContact(contact(Contact::Kind::Line, 0, 0.2f));
    sounds.onContact(contact(Contact::Kind::Wall, 3, 0.2f));
    sounds.endFrame(record);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].id, SoundId::BallOnWall);
    for (std::uint32_t frame = 2; frame < ContactSounds::kRestFrames; ++frame) {
        sounds.onContact(contact(Contact::Kind::Line, 0, 0.2f));
        sounds.endFrame(record);
    }
    ASSERT_EQ(requests.size(), 1u);
    sounds.onContact(contact(Contact::Kind::Line, 0, 0.2f));
    sounds.endFrame(record);
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[1].id, SoundId::BallOnLine);

    // A pile-up is capped per frame, and the quietest are the ones left out.
    requests.clear();
    for (int ball = 10; ball < 20; ++ball) sounds.onContact(contact(Contact::Kind::Ball, ball, 0.01f * ball));
    sounds.endFrame(record);
    ASSERT_EQ(requests.size(), static_cast<std::size_t>(ContactSounds::kMaxPerFrame));
    EXPECT_GE(requests.back().volume, std::sqrt(0.16f / ContactSounds::kFullSpeed) - 1e-6f);

    // A ball carried by hand is held still by the world, so its contacts
    // close at the speed it is carried: into a line is heard, away is not.
    requests.clear();
    Contact held = contact(Contact::Kind::Line, 30, 0.0f);
    held.normal = {0.0f, -1.0f};
    sounds.carry(30, {0.0f, 0.2f});
    sounds.onContact(held);
    sounds.endFrame(record);
    EXPECT_TRUE(requests.empty());
    sounds.carry(30, {0.1f, -0.2f});
    sounds.onContact(held);
    sounds.endFrame(record);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_NEAR(requests[0].volume, std::sqrt(0.2f / ContactSounds::kFullSpeed), 1e-5f);

    // The menus' background is quieter.
    requests.clear();
    ContactSounds quiet(0.25f);
    quiet.onContact(contact(Contact::Kind::Wall, 0, 1.0f));
    quiet.endFrame(record);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_FLOAT_EQ(requests[0].volume, 0.25f);
}

TEST(ContactSounds, AWorldHeardMovesBitForBitAsOneNotHeardAndEveryKindIsReported)
{
    Simulation heard = busyWorld();
    Simulation unheard = busyWorld();
    CountingObserver observer;
    heard.contactObserver = &observer;
    requests.clear();
    for (int frame = 0; frame < 3000; ++frame) {
        for (int i = 0; i < 3; ++i) {
            heard.step(1.0f / 6.0f);
            unheard.step(1.0f / 6.0f);
        }
        observer.sounds.endFrame(record);
        ASSERT_EQ(bitsOf(heard), bitsOf(unheard)) << "frame " << frame;
    }
    for (int kind = 0; kind < 4; ++kind) EXPECT_GT(observer.byKind[kind], 0) << "kind " << kind;
    EXPECT_FALSE(requests.empty());

    // The frame helper listens only while it lives: a copy made later, or the
    // world after the frame, reports to no one.
    {
        ContactSoundFrame listening(heard, observer.sounds);
        EXPECT_EQ(heard.contactObserver, &observer.sounds);
    }
    EXPECT_EQ(heard.contactObserver, nullptr);
}
