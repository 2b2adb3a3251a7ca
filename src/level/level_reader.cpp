#include "level/level_reader.h"

#include <string>

#include "level/level.h"
#include "level/number_reader.h"
#include "level/record_scanner.h"

namespace {

// Grows list so that element index exists, appending default elements, unless
// the index lies outside the list limit. Returns whether the element exists.
template <class T>
bool reach(std::vector<T>& list, int index, int limit, bool& cut)
{
    if (index >= limit) cut = true;
    if (index < 0 || index >= limit) return false;
    if (list.size() <= static_cast<std::size_t>(index)) list.resize(static_cast<std::size_t>(index) + 1);
    return true;
}

// Applies the values of one level text to a Level, section by section.
class LevelFiller {
public:
    explicit LevelFiller(Level& level) : level_(level)
    {
        for (const Rope& rope : level_.ropes) ropePoints_ += rope.masses.size() + rope.springs.size();
    }

    void store(const RecordPosition& at, std::string_view text)
    {
        // Every value is read as a number first, text fields included.
        float value = parseNumber(text);
        switch (at.section) {
        case kSectionLines: storeLine(at, value); break;
        case kSectionExit: storeExit(at, value); break;
        case kSectionDockPoints: storeDockPoint(at, value); break;
        case kSectionTriangles: storeTriangle(at, value); break;
        case kSectionRopes: storeRope(at, value); break;
        case kSectionBalls: storeBall(at, value); break;
        case kSectionHeader: storeHeader(at, value, text); break;
        default: break;
        }
    }

private:
    void storeLine(const RecordPosition& at, float value)
    {
        if (!reach(level_.lines, at.index, kMaxLevelLines, cuts.lines)) return;
        Line& line = level_.lines[at.index];
        switch (at.field) {
        case 0: line.ends[0].x = value; break;
        case 1: line.ends[0].y = value; break;
        case 2: line.ends[1].x = value; break;
        case 3: line.ends[1].y = value; break;
        default: break;
        }
    }

    void storeExit(const RecordPosition& at, float value)
    {
        switch (at.field) {
        case 0: level_.exitPosition.x = value; break;
        case 1: level_.exitPosition.y = value; break;
        case 2: level_.exitRadius = value; break;
        default: break;
        }
    }

    void storeDockPoint(const RecordPosition& at, float value)
    {
        if (!reach(level_.dockPoints, at.index, kMaxLevelDockPoints, cuts.dockPoints)) return;
        DockPoint& dock = level_.dockPoints[at.index];
        if (at.field == 0) dock.position.x = value;
        if (at.field == 1) dock.position.y = value;
    }

    void storeTriangle(const RecordPosition& at, float value)
    {
        // The triangle list grows whatever the corner; only corners 0 to 2 exist.
        if (!reach(level_.vertices, at.index, kMaxLevelTriangles, cuts.triangles)) return;
        if (at.subIndex < 0 || at.subIndex > 2) return;
        Vector2D& corner = level_.vertices[at.index].corners[at.subIndex];
        if (at.field == 0) corner.x = value;
        if (at.field == 1) corner.y = value;
    }

    void storeRope(const RecordPosition& at, float value)
    {
        if (!reach(level_.ropes, at.index, kMaxLevelRopes, cuts.ropes)) return;
        Rope& rope = level_.ropes[at.index];
        if (!reachRopePart(rope.masses, at.subIndex)) return;
        Mass& mass = rope.masses[at.subIndex];
        switch (at.field) {
        case 0: mass.position.x = value; break;
        case 1: mass.position.y = value; break;
        case 2: mass.mass = value; break;
        case 3: mass.fixed = value != 0.0f; break;
        case 4:
            if (reachRopePart(rope.springs, at.subIndex)) rope.springs[at.subIndex].restLength = value;
            break;
        default: break;
        }
    }

    void storeBall(const RecordPosition& at, float value)
    {
        if (!reach(level_.balls, at.index, kMaxLevelBalls, cuts.balls)) return;
        Ball& ball = level_.balls[at.index];
        switch (at.field) {
        case 0: ball.position.x = value; break;
        case 1: ball.position.y = value; break;
        case 2: ball.radius = value; break;
        case 3: ball.mass = value; break;
        case 4: ball.held = value != 0.0f; break;
        default: break;
        }
    }

    void storeHeader(const RecordPosition& at, float value, std::string_view text)
    {
        switch (at.field) {
        case 0: level_.size.x = value; break;
        case 1: level_.size.y = value; break;
        case 2: level_.description = std::string(text); break;
        case 3: level_.theme = std::string(text); break;
        default: break;
        }
    }

    // A rope's masses or springs grow like any list, but also count against
    // the level-wide budget of rope points: ten thousand ropes of ten thousand
    // points each would not fit in memory.
    template <class T>
    bool reachRopePart(std::vector<T>& list, int index)
    {
        if (index >= kMaxRopeMasses) cuts.ropePoints = true;
        if (index < 0 || index >= kMaxRopeMasses) return false;
        std::size_t wanted = static_cast<std::size_t>(index) + 1;
        if (list.size() >= wanted) return true;
        std::size_t added = wanted - list.size();
        if (ropePoints_ + added > kMaxLevelRopePoints) {
            cuts.ropePoints = true;
            return false;
        }
        ropePoints_ += added;
        list.resize(wanted);
        return true;
    }

public:
    LevelCuts cuts;

private:
    Level& level_;
    std::size_t ropePoints_ = 0;
};

} // namespace

LevelCuts parseLevel(std::string_view text, Level& level)
{
    LevelFiller filler(level);
    scanRecords(text, [&](const RecordPosition& at, std::string_view value) { filler.store(at, value); });
    return filler.cuts;
}

std::string LevelCuts::describe() const
{
    std::string out;
    auto add = [&out](bool cut, const char* kind) {
        if (!cut) return;
        if (!out.empty()) out += ", ";
        out += kind;
    };
    add(balls, "balls");
    add(lines, "lines");
    add(triangles, "triangles");
    add(dockPoints, "dock points");
    add(ropes, "ropes");
    add(ropePoints, "rope points");
    return out;
}
