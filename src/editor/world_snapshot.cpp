#include "editor/world_snapshot.h"

#include <cstdint>
#include <cstring>
#include <type_traits>

#include "level/triangle_mapping.h"
#include "level/world_marks.h"
#include "physics/simulation.h"

// A field added to one of these records must be added to the snapshot too;
// these sizes are the reminder.
static_assert(sizeof(Mass) == 32, "a new Mass field belongs in the snapshot");
static_assert(sizeof(Spring) == 16, "a new Spring field belongs in the snapshot");
static_assert(sizeof(Line) == 16, "a new Line field belongs in the snapshot");
static_assert(sizeof(Vertex) == 24, "a new Vertex field belongs in the snapshot");
static_assert(sizeof(TriangleMapping) == 24, "a new TriangleMapping field belongs in the snapshot");
static_assert(sizeof(DockPoint) == 8, "a new DockPoint field belongs in the snapshot");
static_assert(sizeof(Rope) == 56, "a new Rope field belongs in the snapshot");
static_assert(sizeof(Ball) == 36, "a new Ball field belongs in the snapshot");

namespace {

class Writer {
public:
    template <typename T>
    void put(const T& value)
    {
        static_assert(std::is_trivially_copyable_v<T>);
        const char* bytes = reinterpret_cast<const char*>(&value);
        out.append(bytes, sizeof(T));
    }
    // A bool as one byte, so padding never reaches the string.
    void put(bool value) { out.push_back(value ? 1 : 0); }
    void put(Vector2D v)
    {
        put(v.x);
        put(v.y);
    }
    void count(std::size_t n) { put(static_cast<std::uint32_t>(n)); }

    std::string out;
};

class Reader {
public:
    explicit Reader(std::string_view in) : in(in) {}

    template <typename T>
    bool get(T& value)
    {
        static_assert(std::is_trivially_copyable_v<T>);
        if (in.size() - at < sizeof(T)) return false;
        std::memcpy(&value, in.data() + at, sizeof(T));
        at += sizeof(T);
        return true;
    }
    bool get(bool& value)
    {
        if (at >= in.size()) return false;
        value = in[at++] != 0;
        return true;
    }
    bool get(Vector2D& v) { return get(v.x) && get(v.y); }
    /// An element count, refused when the bytes left cannot hold that many
    /// elements of at least minBytes each.
    bool count(std::size_t& n, std::size_t minBytes)
    {
        std::uint32_t value = 0;
        if (!get(value)) return false;
        if (value > (in.size() - at) / minBytes) return false;
        n = value;
        return true;
    }
    bool atEnd() const { return at == in.size(); }

private:
    std::string_view in;
    std::size_t at = 0;
};

void putRope(Writer& w, const Rope& rope, const WorldMarks& marks, std::size_t i)
{
    w.put(marks.ropeSelected(i));
    w.put(marks.ropeHovered(i));
    w.put(rope.broken);
    w.count(rope.masses.size());
    for (std::size_t k = 0; k < rope.masses.size(); ++k) {
        const Mass& m = rope.masses[k];
        w.put(m.mass);
        w.put(m.fixed);
        w.put(marks.massSelected(i, k));
        w.put(m.position);
        w.put(m.velocity);
        w.put(m.force);
    }
    w.count(rope.springs.size());
    for (const Spring& s : rope.springs) {
        w.put(s.active);
        w.put(s.restLength);
        w.put(s.first);
        w.put(s.second);
    }
}

bool getRope(Reader& r, Rope& rope, RopeMarks& marks)
{
    std::size_t masses = 0;
    std::size_t springs = 0;
    if (!(r.get(marks.selected) && r.get(marks.hovered) && r.get(rope.broken)))
        return false;
    if (!r.count(masses, 30)) return false;
    rope.masses.resize(masses);
    marks.masses.resize(masses);
    for (std::size_t k = 0; k < masses; ++k) {
        Mass& m = rope.masses[k];
        if (!(r.get(m.mass) && r.get(m.fixed) && r.get(marks.masses[k].selected) && r.get(m.position) &&
              r.get(m.velocity) && r.get(m.force)))
            return false;
    }
    if (!r.count(springs, 13)) return false;
    rope.springs.resize(springs);
    for (Spring& s : rope.springs)
        if (!(r.get(s.active) && r.get(s.restLength) && r.get(s.first) && r.get(s.second)))
            return false;
    return true;
}

void putBall(Writer& w, const Ball& ball, bool marked)
{
    w.put(ball.position);
    w.put(ball.velocity);
    w.put(ball.force);
    w.put(ball.held);
    w.put(marked);
    w.put(ball.radius);
    w.put(ball.mass);
}

bool getBall(Reader& r, Ball& ball, PointMark& mark)
{
    return r.get(ball.position) && r.get(ball.velocity) && r.get(ball.force) && r.get(ball.held) &&
           r.get(mark.selected) && r.get(ball.radius) && r.get(ball.mass);
}

bool getWorld(Reader& r, Simulation& world, WorldMarks& marks, TriangleMappings& mappings)
{
    std::size_t n = 0;
    if (!(r.get(world.size) && r.get(world.exitPosition) && r.get(world.exitRadius))) return false;

    if (!r.count(n, 11)) return false;
    world.ropes.resize(n);
    marks.ropes.resize(n);
    for (std::size_t i = 0; i < n; ++i)
        if (!getRope(r, world.ropes[i], marks.ropes[i])) return false;

    if (!r.count(n, 34)) return false;
    world.balls.resize(n);
    marks.balls.resize(n);
    for (std::size_t i = 0; i < n; ++i)
        if (!getBall(r, world.balls[i], marks.balls[i])) return false;

    if (!r.count(n, 18)) return false;
    world.lines.resize(n);
    marks.lines.resize(n);
    for (std::size_t i = 0; i < n; ++i)
        for (int k = 0; k < 2; ++k)
            if (!(r.get(world.lines[i].ends[k]) && r.get(marks.lines[i].selected[k]))) return false;

    if (!r.count(n, 54)) return false;
    world.vertices.resize(n);
    marks.triangles.resize(n);
    mappings.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
        Vertex& t = world.vertices[i];
        for (int k = 0; k < 3; ++k) {
            bool placed = true;
            if (!(r.get(t.corners[k]) && r.get(mappings[i].texCoords[k]) && r.get(marks.triangles[i].selected[k]) &&
                  r.get(placed)))
                return false;
            marks.triangles[i].unplaced[k] = !placed;
        }
    }

    if (!r.count(n, 9)) return false;
    world.dockPoints.resize(n);
    marks.dockPoints.resize(n);
    for (std::size_t i = 0; i < n; ++i)
        if (!(r.get(world.dockPoints[i].position) && r.get(marks.dockPoints[i].selected))) return false;
    return r.atEnd();
}

}  // namespace

std::string captureWorld(const Simulation& world, const WorldMarks& marks, const TriangleMappings& mappings)
{
    Writer w;
    w.put(world.size);
    w.put(world.exitPosition);
    w.put(world.exitRadius);
    w.count(world.ropes.size());
    for (std::size_t i = 0; i < world.ropes.size(); ++i) putRope(w, world.ropes[i], marks, i);
    w.count(world.balls.size());
    for (std::size_t i = 0; i < world.balls.size(); ++i) putBall(w, world.balls[i], marks.ballSelected(i));
    w.count(world.lines.size());
    for (std::size_t i = 0; i < world.lines.size(); ++i)
        for (int k = 0; k < 2; ++k) {
            w.put(world.lines[i].ends[k]);
            w.put(marks.lineEndSelected(i, k));
        }
    w.count(world.vertices.size());
    for (std::size_t i = 0; i < world.vertices.size(); ++i)
        for (int k = 0; k < 3; ++k) {
            w.put(world.vertices[i].corners[k]);
            w.put(mappingOf(mappings, i).texCoords[k]);
            w.put(marks.cornerSelected(i, k));
            w.put(!marks.cornerUnplaced(i, k));
        }
    w.count(world.dockPoints.size());
    for (std::size_t i = 0; i < world.dockPoints.size(); ++i) {
        w.put(world.dockPoints[i].position);
        w.put(marks.dockSelected(i));
    }
    return std::move(w.out);
}

bool restoreWorld(std::string_view bytes, Simulation& world, WorldMarks& marks, TriangleMappings& mappings)
{
    // Read into copies so that bad bytes leave the world untouched; the
    // copy keeps the world's physics settings, which the editor never changes.
    Simulation restored = world;
    WorldMarks restoredMarks;
    TriangleMappings restoredMappings;
    Reader r(bytes);
    if (!getWorld(r, restored, restoredMarks, restoredMappings)) return false;
    world = std::move(restored);
    marks = std::move(restoredMarks);
    mappings = std::move(restoredMappings);
    return true;
}
