#include "app/window_placement.h"

constinit WindowPlacement windowPlacement;
