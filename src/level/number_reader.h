#pragma once

#include <optional>
#include <string_view>

/// The game's own number readers, shared by every data file (level files,
/// the menu description, the progress file). They are deliberately forgiving
/// and odd: every character that is not a digit is thrown away, a '-' anywhere
/// makes the number negative, and a point only counts decimals. Stored files
/// depend on these exact readings, so they must not be "fixed".

/// Reads a 32-bit float from text. Rules, in order:
/// - empty text gives -1;
/// - text containing the letter 'e' gives 0 (exponent notation is not read);
/// - the decimals are the characters after the first '.', whatever they are
///   ("0.5 " has two decimals and reads 0.05);
/// - non-digits are dropped, a '-' anywhere negates ("5-" reads -5);
/// - no digit left gives -1.
/// Pure; may be called at any time.
float parseNumber(std::string_view text);

/// Reads a 32-bit signed integer the same way (digits accumulated in a 32-bit
/// float, so large values lose precision), truncated toward zero. Empty text or
/// text without digits gives -1. Values beyond the int range are clamped to it,
/// so a huge index in a file can never overflow the conversion.
int parseInteger(std::string_view text);

/// Truncates a float toward zero into an int, clamping values beyond the int
/// range (and infinities) to INT_MIN / INT_MAX. For readers that store a
/// parseNumber result in an integer field.
int truncateToInt(float value);

/// A count as the game's newer files store it (pars, results): decimal digits
/// and nothing else, from 0 to `max`. Nothing for any other text. These files
/// are the game's own, so they are read strictly, unlike the old formats above.
std::optional<int> parseCount(std::string_view text, int max);
