#pragma once

#include <cstdint>

/// The game's sound effects by name. The rest of the game asks for them
/// with playSound and knows nothing of how or where they are played.
enum class SoundId : int {
    BallOnLine,
    BallOnRope,
    BallOnBall,
    BallOnWall,
    RopeHung,
    RopeRemoved,
    RopeSelected,
    SliderTick,
    ButtonClick,
    TryItOut,
    Return,
    LevelCompleted,
    ScreenOpened,
    SaveSucceeded,
    SaveFailed,
    Count
};

inline constexpr int kSoundCount = static_cast<int>(SoundId::Count);

/// Plays one effect: volume 0..1 (times the player's volume), pan -1 (left)
/// to 1 (right). Returns at once; does nothing while muted or when the game
/// has no sound device. Game thread only.
void playSound(SoundId id, float volume = 1.0f, float pan = 0.0f);

/// The pan of something at world x in a view whose camera stands at
/// cameraX: 0 at the centre of the screen, towards -1 and 1 at its left and
/// right edges.
float panForWorldX(float x, float cameraX);

/// The pan of something at overlay pixel x (0 to 800 across the game's picture).
float panForOverlayX(float x);
