#include "level/rope_selection.h"

#include "physics/rope.h"

void setSelectedRopesLength(std::vector<Rope>& ropes, float length)
{
    for (Rope& rope : ropes) {
        if (!rope.selected) continue;
        for (Spring& spring : rope.springs) spring.restLength = length;
    }
}

int stepRopeSelection(std::vector<Rope>& ropes, int first, int step)
{
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
