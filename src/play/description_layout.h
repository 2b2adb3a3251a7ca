#pragma once

#include <string>
#include <vector>

/// Widest description line, in characters.
inline constexpr std::size_t kDescriptionLineLength = 27;

/// Cuts a level description into lines of at most `maxLength` characters.
/// A full line is cut at its last space (the space and what follows go back
/// to the text, so the word after it starts the next line); a line without
/// a space is broken where it is full. Empty lines are dropped. Pure.
std::vector<std::string> layoutDescription(const std::string& description,
                                           std::size_t maxLength = kDescriptionLineLength);
