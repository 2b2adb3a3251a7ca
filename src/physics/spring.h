#pragma once

struct Mass;

/// One link of a rope, joining two masses of the same rope by index.
struct Spring {
    bool active = true;      ///< false once snapped: no force, not drawn
    float restLength = 0.0f; ///< world units at which the spring does not stretch
    int first = 0;           ///< index of one mass in the rope's masses
    int second = 0;          ///< index of the other mass
};

/// Applies the spring law between a (the spring's first mass) and b (its
/// second), given their distance d in world units: a pull or push of the
/// stretch d - restLength along the line between them, plus the whole relative
/// velocity as damping. Adds -F to a and F to b; moves nothing.
void applySpringForce(const Spring& spring, Mass& a, Mass& b, float d);
