#include "editor/world_snapshot.h"

#include <cstdint>
#include <cstring>
#include <type_traits>

#include "physics/simulation.h"

// A field added to one of these records must be added to the snapshot too;
// these sizes are the reminder.
static_assert(sizeof(Mass) == 32, "a new Mass field belongs in the snapshot");
static_assert(sizeof(Spring) == 16, "a new Spring field belongs in the snapshot");
static_assert(sizeof(Line) == 20, "a new Line field belongs in the snapshot");
static_assert(sizeof(Vertex) == 56, "a new Vertex field belongs in the snapshot");
static_assert(sizeof(DockPoint) == 12, "a new DockPoint field belongs in the snapshot");
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

void putRope(Writer& w, const Rope& rope)
{
    w.put(rope.selected);
    w.put(rope.hovered);
    w.put(rope.locked);
    w.put(rope.broken);
    w.count(rope.masses.size());
    for (const Mass& m : rope.masses) {
        w.put(m.mass);
        w.put(m.fixed);
        w.put(m.selected);
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

bool getRope(Reader& r, Rope& rope)
{
    std::size_t masses = 0;
    std::size_t springs = 0;
    if (!(r.get(rope.selected) && r.get(rope.hovered) && r.get(rope.locked) && r.get(rope.broken)))
        return false;
    if (!r.count(masses, 30)) return false;
    rope.masses.resize(masses);
    for (Mass& m : rope.masses)
        if (!(r.get(m.mass) && r.get(m.fixed) && r.get(m.selected) && r.get(m.position) &&
              r.get(m.velocity) && r.get(m.force)))
            return false;
    if (!r.count(springs, 13)) return false;
    rope.springs.resize(springs);
    for (Spring& s : rope.springs)
        if (!(r.get(s.active) && r.get(s.restLength) && r.get(s.first) && r.get(s.second)))
            return false;
    return true;
}

void putBall(Writer& w, const Ball& ball)
{
    w.put(ball.position);
    w.put(ball.velocity);
    w.put(ball.force);
    w.put(ball.held);
    w.put(ball.selected);
    w.put(ball.radius);
    w.put(ball.mass);
}

bool getBall(Reader& r, Ball& ball)
{
    return r.get(ball.position) && r.get(ball.velocity) && r.get(ball.force) && r.get(ball.held) &&
           r.get(ball.selected) && r.get(ball.radius) && r.get(ball.mass);
}

bool getWorld(Reader& r, Simulation& world)
{
    std::size_t n = 0;
    if (!(r.get(world.size) && r.get(world.exitPosition) && r.get(world.exitRadius))) return false;

    if (!r.count(n, 12)) return false;
    world.ropes.resize(n);
    for (Rope& rope : world.ropes)
        if (!getRope(r, rope)) return false;

    if (!r.count(n, 34)) return false;
    world.balls.resize(n);
    for (Ball& ball : world.balls)
        if (!getBall(r, ball)) return false;

    if (!r.count(n, 18)) return false;
    world.lines.resize(n);
    for (Line& line : world.lines)
        for (int k = 0; k < 2; ++k)
            if (!(r.get(line.ends[k]) && r.get(line.selected[k]))) return false;

    if (!r.count(n, 54)) return false;
    world.vertices.resize(n);
    for (Vertex& t : world.vertices)
        for (int k = 0; k < 3; ++k)
            if (!(r.get(t.corners[k]) && r.get(t.texCoords[k]) && r.get(t.selected[k]) &&
                  r.get(t.placed[k])))
                return false;

    if (!r.count(n, 9)) return false;
    world.dockPoints.resize(n);
    for (DockPoint& dock : world.dockPoints)
        if (!(r.get(dock.position) && r.get(dock.selected))) return false;
    return r.atEnd();
}

}  // namespace

std::string captureWorld(const Simulation& world)
{
    Writer w;
    w.put(world.size);
    w.put(world.exitPosition);
    w.put(world.exitRadius);
    w.count(world.ropes.size());
    for (const Rope& rope : world.ropes) putRope(w, rope);
    w.count(world.balls.size());
    for (const Ball& ball : world.balls) putBall(w, ball);
    w.count(world.lines.size());
    for (const Line& line : world.lines)
        for (int k = 0; k < 2; ++k) {
            w.put(line.ends[k]);
            w.put(line.selected[k]);
        }
    w.count(world.vertices.size());
    for (const Vertex& t : world.vertices)
        for (int k = 0; k < 3; ++k) {
            w.put(t.corners[k]);
            w.put(t.texCoords[k]);
            w.put(t.selected[k]);
            w.put(t.placed[k]);
        }
    w.count(world.dockPoints.size());
    for (const DockPoint& dock : world.dockPoints) {
        w.put(dock.position);
        w.put(dock.selected);
    }
    return std::move(w.out);
}

bool restoreWorld(std::string_view bytes, Simulation& world)
{
    // Read into a copy so that bad bytes leave the world untouched; the
    // copy keeps the world's physics settings, which the editor never changes.
    Simulation restored = world;
    Reader r(bytes);
    if (!getWorld(r, restored)) return false;
    world = std::move(restored);
    return true;
}
