/* Preloaded into the game by fullscreen_refused_test.sh: the window system
 * refuses every request for full screen, as some systems do. */
#include <stdint.h>

int SDL_SetWindowFullscreen(void* window, uint32_t flags)
{
    (void)window;
    return flags != 0 ? -1 : 0;
}
