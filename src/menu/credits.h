#pragma once

#include <string>
#include <vector>

#include "menu/menu.h"
#include "physics/vector2d.h"
#include "ui/btext.h"

/// Updates between the starts of two consecutive credits lines: exactly the
/// time one line takes to type itself in, so the lines follow one another.
constexpr int kCreditsLineDelay = 50;

/// The name that marks the credits screen in the menu description.
inline constexpr const char* kCreditsScreenName = "credits";

/// Gives the first screen named "credits" the credits as its text templates,
/// replacing any the description gave it. Does nothing without such a screen.
/// Called once after the menu description has been read.
void setUpCredits(std::vector<Menu>& screens);

/// Word-wraps text into lines of fewer than wrapWidth / maxSize characters and
/// appends one template per line: line k of the block at position + (0,
/// k * maxSize) pixels, each starting kCreditsLineDelay updates after the
/// template before it in templates. A word longer than a line is broken.
void addTextBlock(std::vector<BTextShadow>& templates, Vector2D position, float wrapWidth,
                  const std::string& text, float maxSize, int alignment);
