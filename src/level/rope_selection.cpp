#include "level/rope_selection.h"

#include "level/world_marks.h"
#include "physics/rope.h"

void setSelectedRopesLength(std::vector<Rope>& ropes, const WorldMarks& marks, float length)
{
    for (std::size_t i = 0; i < ropes.size(); ++i) {
        if (!marks.ropeSelected(i)) continue;
        for (Spring& spring : ropes[i].springs) spring.restLength = length;
    }
}

int stepRopeSelection(WorldMarks& marks, int first, int step)
{
    std::vector<RopeMarks>& ropes = marks.ropes;
    if (ropes.empty()) return -1;
    const int last = static_cast<int>(ropes.size()) - 1;
    int target = 0;
    for (int i = first; i <= last; ++i) {
        if (ropes[i].selected) {
            target = i + step;
            ropes[i].selected = false;
            break;
        }
    }
    if (target < first) target = last;
    if (target > last) target = first;
    return target;
}

bool isNearRope(const Rope& rope, const Vector2D& point, float radius)
{
    for (std::size_t k = 0; k + 1 < rope.masses.size(); ++k) {
        const Vector2D& a = rope.masses[k].position;
        const Vector2D& b = rope.masses[k + 1].position;
        if (distance(closestPointOnSegment(a, b, point), point) < radius) return true;
    }
    return false;
}
