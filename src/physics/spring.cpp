#include "physics/spring.h"

#include "physics/constants.h"
#include "physics/mass.h"

void applySpringForce(const Spring& spring, Mass& a, Mass& b, float d)
{
    Vector2D n = a.position - b.position;
    float len = length(n);
    if (len != 0.0f) n = n / len;
    // There is no slack: a compressed spring pushes with the same law. The
    // damping takes the whole relative velocity, not only its part along n.
    Vector2D f = n * ((d - spring.restLength) * kSpringStiffness) + (a.velocity - b.velocity) * kSpringDamping;
    a.applyForce(-f);
    b.applyForce(f);
}
