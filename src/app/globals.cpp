#include "app/globals.h"

// Constant-initialised, so no start-up order can see them unset.
constinit bool windowActive = true;
constinit bool fullscreen = false;
