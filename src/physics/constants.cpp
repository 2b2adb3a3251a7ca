#include "physics/constants.h"

// Constant-initialised so that no start-up order between the globals of the
// game can ever see them unset.
constinit Vector2D gravity(0.0f, -0.01f);
constinit float maxBallSpeed = 0.3f;
constinit int subSteps = 3;
