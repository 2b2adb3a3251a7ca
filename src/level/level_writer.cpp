#include "level/level_writer.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "level/atomic_file.h"
#include "level/path_case.h"
#include "physics/simulation.h"

namespace {

// Appends "{field}<value>" for a number.
void putNumber(std::string& out, int field, float value)
{
    out += '{';
    out += std::to_string(field);
    out += "}<";
    out += formatLevelNumber(value);
    out += '>';
}

void putFlag(std::string& out, int field, bool flag)
{
    out += '{';
    out += std::to_string(field);
    out += flag ? "}<1>" : "}<0>";
}

// Appends an opener, a decimal integer and its closer: "[3]", ":1;".
void putSelector(std::string& out, char open, int value, char close)
{
    out += open;
    out += std::to_string(value);
    out += close;
}

void putText(std::string& out, int field, const std::string& text)
{
    out += '{';
    out += std::to_string(field);
    out += "}<";
    out += levelTextValue(text);
    out += '>';
}

void putHeader(std::string& out, const Simulation& world, const std::string& themeName,
               const std::string& description)
{
    out += "(0)";
    putNumber(out, 0, world.size.x);
    putNumber(out, 1, world.size.y);
    // A level without words is written as it always was, without the field.
    if (!levelTextValue(description).empty()) putText(out, 2, description);
    putText(out, 3, themeName);
}

void putLines(std::string& out, const Simulation& world)
{
    out += "(6)";
    for (std::size_t i = 0; i < world.lines.size(); ++i) {
        const Line& line = world.lines[i];
        putSelector(out, '[', static_cast<int>(i), ']');
        putNumber(out, 0, line.ends[0].x);
        putNumber(out, 1, line.ends[0].y);
        putNumber(out, 2, line.ends[1].x);
        putNumber(out, 3, line.ends[1].y);
    }
}

void putExit(std::string& out, const Simulation& world)
{
    out += "(5)";
    putNumber(out, 0, world.exitPosition.x);
    putNumber(out, 1, world.exitPosition.y);
    putNumber(out, 2, world.exitRadius);
}

void putDockPoints(std::string& out, const Simulation& world)
{
    out += "(4)";
    for (std::size_t i = 0; i < world.dockPoints.size(); ++i) {
        putSelector(out, '[', static_cast<int>(i), ']');
        putNumber(out, 0, world.dockPoints[i].position.x);
        putNumber(out, 1, world.dockPoints[i].position.y);
    }
}

void putTriangles(std::string& out, const Simulation& world)
{
    out += "(3)";
    for (std::size_t i = 0; i < world.vertices.size(); ++i) {
        putSelector(out, '[', static_cast<int>(i), ']');
        for (int k = 0; k < 3; ++k) {
            putSelector(out, ':', k, ';');
            putNumber(out, 0, world.vertices[i].corners[k].x);
            putNumber(out, 1, world.vertices[i].corners[k].y);
        }
    }
}

void putRopes(std::string& out, const Simulation& world)
{
    out += "(2)";
    for (std::size_t i = 0; i < world.ropes.size(); ++i) {
        const Rope& rope = world.ropes[i];
        putSelector(out, '[', static_cast<int>(i), ']');
        for (std::size_t j = 0; j < rope.masses.size(); ++j) {
            const Mass& mass = rope.masses[j];
            putSelector(out, ':', static_cast<int>(j), ';');
            putNumber(out, 0, mass.position.x);
            putNumber(out, 1, mass.position.y);
            putNumber(out, 2, mass.mass);
            putFlag(out, 3, mass.fixed);
            // Spring j rides along with mass j; the last mass has none.
            if (j < rope.springs.size()) putNumber(out, 4, rope.springs[j].restLength);
        }
    }
}

void putBalls(std::string& out, const Simulation& world)
{
    out += "(1)";
    for (std::size_t i = 0; i < world.balls.size(); ++i) {
        const Ball& ball = world.balls[i];
        putSelector(out, '[', static_cast<int>(i), ']');
        putNumber(out, 0, ball.position.x);
        putNumber(out, 1, ball.position.y);
        putNumber(out, 2, ball.radius);
        putNumber(out, 3, ball.mass);
        putFlag(out, 4, ball.held);
    }
}

} // namespace

std::string levelSaveName(const std::string& typedName)
{
    if (typedName.empty()) return "output.txt";
    if (typedName.find(".TXT") != std::string::npos) return typedName;
    return typedName + ".TXT";
}

namespace {

// The six significant digits of %g written out without an exponent, which
// the reader would take as 0: "1e-05" becomes "0.00001", "2.5e+06" becomes
// "2500000". Only called for finite values %g writes with an exponent, so
// the exponent is below -4 or above 5.
std::string plainDecimal(double value)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.5e", value);
    const std::string text = buffer;
    const std::size_t e = text.find('e');
    const bool negative = text[0] == '-';
    std::string digits;
    for (std::size_t i = negative ? 1 : 0; i < e; ++i)
        if (text[i] != '.') digits += text[i];
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    const int exponent = std::atoi(text.c_str() + e + 1);

    std::string out = negative ? "-" : "";
    if (exponent >= 0) {
        out += digits;
        out.append(static_cast<std::size_t>(exponent + 1) - digits.size(), '0');
    } else {
        out += "0.";
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out += digits;
    }
    return out;
}

// A 1 followed by 39 zeros: the reader's running value overflows to infinity
// on it, so an infinite value reads back as it was.
const std::string kInfinityDigits = "1" + std::string(39, '0');

} // namespace

std::string formatLevelNumber(float value)
{
    // No text reads back as NaN; 0 is the harmless stand-in ("nan" would
    // read as -1, which also sets flags).
    if (std::isnan(value)) return "0";
    if (std::isinf(value)) return value > 0.0f ? kInfinityDigits : "-" + kInfinityDigits;
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%g", static_cast<double>(value));
    if (std::strchr(buffer, 'e') != nullptr) return plainDecimal(static_cast<double>(value));
    return buffer;
}

bool isLevelGrammarChar(char c)
{
    return kLevelGrammarChars.find(c) != std::string_view::npos;
}

std::string levelTextValue(const std::string& text)
{
    std::string out;
    for (char c : text)
        if (!isLevelGrammarChar(c)) out += c;
    return out;
}

std::string formatLevel(const Simulation& world, const std::string& themeName, const std::string& description)
{
    std::string out;
    putHeader(out, world, themeName, description);
    putLines(out, world);
    putExit(out, world);
    putDockPoints(out, world);
    putTriangles(out, world);
    putRopes(out, world);
    putBalls(out, world);
    return out;
}

LevelSaveResult saveLevelFile(const Simulation& world, const std::string& themeName,
                              const std::string& typedName, const std::string& folder,
                              const std::string& description)
{
    LevelSaveResult result;
    result.fileName = levelSaveName(typedName);
    // An existing file (or folder) is written under its own spelling, so a
    // save never leaves a second spelling of the level beside it; a name
    // that already has two spellings is refused, not guessed.
    const std::string prefix =
        folder.empty() || folder == "." ? std::string() : folder + (folder.back() == '/' ? "" : "/");
    const ResolvedPath resolved = resolvePathIgnoringCase(folder, result.fileName);
    if (resolved.outcome == PathCase::kAmbiguous) {
        std::fprintf(stderr, "Not saving %s: names in %s differ only in letter case\n", result.fileName.c_str(),
                     resolved.clash.c_str());
        return result;
    }
    // The folder is the game's own and spelled exactly; only the name may change.
    result.fileName = resolved.path.substr(prefix.size());
    result.written = writeFileAtomically(resolved.path, formatLevel(world, themeName, description));
    return result;
}
