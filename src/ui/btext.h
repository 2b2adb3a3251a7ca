#pragma once

#include <string>
#include <vector>

#include "physics/vector2d.h"

/// A line of text that types itself in from its end after a delay, and out
/// again after hide. Its characters are sized so the line fits between the
/// window edges with a 10-pixel margin, up to maxSize.
struct BText {
    static constexpr float kRevealStep = 0.02f;

    Vector2D position;          ///< left end (alignment 0) or centre (alignment 1)
    float reveal = 0.0f;        ///< shown part of the text, 0 to 1
    float speed = kRevealStep;  ///< added to reveal per update; negative while hiding
    std::string text;
    int delay = 0;              ///< updates to wait before the reveal starts
    int delayCount = 0;         ///< updates waited so far
    int alignment = 0;          ///< 0 = left-aligned at position, 1 = centred on it
    bool hiding = false;        ///< typing itself out
    float maxSize = 15.0f;      ///< largest character size in pixels

    /// One step of the reveal, once per owner update (not scaled by time).
    void update();
    /// Starts typing out.
    void hide();
    /// Starts typing in again from the current reveal, after the delay.
    void show();
    /// The tail of the text currently shown.
    std::string shownText() const;
    /// Character size in pixels for the shown text and the width of the
    /// picture drawn (ui/overlay.h's drawingView).
    float characterSize() const;
    /// Draws the shown text in overlay pixels. GL only.
    void draw() const;
};

/// The stored description of a BText, kept by a main-menu screen; a fresh
/// BText is made from it each time the screen opens.
struct BTextShadow {
    int delay = 0;
    std::string text;
    Vector2D position;
    int alignment = 0;
    float maxSize = 15.0f;
};

/// A fresh BText (reveal 0, speed 0.02) with the shadow's text, position,
/// delay, alignment and maxSize.
BText makeBText(const BTextShadow& shadow);

/// Appends makeBText(shadow) to texts.
void appendBText(std::vector<BText>& texts, const BTextShadow& shadow);
