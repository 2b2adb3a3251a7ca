#pragma once

#include <deque>
#include <string>

/// A short line in the bottom corner of the screen that tells the player
/// something without stopping the game ("Progress not saved: the disk is
/// full", "Volume 60%"). The shell owns one and draws it over every mode.
/// A line is shown for about two seconds; lines that come while one shows
/// wait their turn, and a line already showing or waiting is not repeated.
class CornerNotice {
public:
    /// Updates a line stays up: two seconds of 10 ms updates.
    static constexpr int kShownUpdates = 200;
    /// Characters of the longest line; longer ones are cut with "..".
    static constexpr std::size_t kMaxCharacters = 76;

    /// Shows text once the line before it has had its time; an empty text
    /// is ignored.
    void show(const std::string& text);

    /// Shows text in place of `replaced` where that is up (with a fresh two
    /// seconds) or waiting; otherwise as show. A volume moved step by step so
    /// ends on its last value instead of queueing every step.
    void showInstead(const std::string& replaced, const std::string& text);

    /// One update: a shown line counts down and gives way to the next.
    void update();

    /// The line up now; empty when none.
    const std::string& text() const { return text_; }

    /// Draws the line, if any, on a dark band in the overlay. GL only.
    void draw() const;

private:
    std::deque<std::string> waiting_;
    std::string text_;
    int left_ = 0;  ///< updates the shown line stays
};
