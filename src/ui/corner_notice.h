#pragma once

#include <string>

/// A short line in the top right corner that tells the player what just
/// changed ("Volume 60%", "Sound off") without stopping the game. The shell
/// owns one, updates it with the game and draws it over every mode. A new
/// line takes the place of the one shown, so a slider moved step by step
/// ends on its last value; a line stays about two seconds.
class CornerNotice {
public:
    /// Updates a line stays up: two seconds of 10 ms updates.
    static constexpr int kShownUpdates = 200;
    /// Character size of the line, overlay pixels.
    static constexpr float kTextSize = 10.0f;

    /// Shows text now, for kShownUpdates updates; an empty text is ignored.
    void show(const std::string& text);

    /// One update of game time: the line counts down and goes.
    void update();

    /// The line up now; empty when none.
    const std::string& text() const { return text_; }

    /// Draws the line, if any, on a dark band in the overlay. GL only.
    void draw() const;

private:
    std::string text_;
    int left_ = 0;  ///< updates the line stays
};
