/* Preloaded into the game (or a bench) to make its buffer swap behave like a
 * real display's, which Xvfb's never does:
 *   TANGLOOP_SHIM_HZ=60        each swap returns at the next refresh of a
 *                              display of that rate (vertical sync);
 *   TANGLOOP_SHIM_FRAME_MS=40  each frame takes at least that long, swap to
 *                              swap (a slow renderer);
 *   TANGLOOP_SHIM_REPORT=FILE  the number of swaps so far is kept there
 *                              (rewritten at every swap, so it can be read
 *                              while the game runs).
 * The game's own clock and loop are left alone: the test compares what the
 * game counted with what the shim saw. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>
#include <fcntl.h>
#include <unistd.h>

static long long gSwaps = 0;
static double gLastSwapMs = -1.0;

static double nowMs(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (double)t.tv_sec * 1e3 + (double)t.tv_nsec * 1e-6;
}

static void sleepUntil(double targetMs)
{
    for (;;) {
        const double left = targetMs - nowMs();
        if (left <= 0.0) return;
        struct timespec t;
        t.tv_sec = (time_t)(left / 1e3);
        t.tv_nsec = (long)((left - (double)t.tv_sec * 1e3) * 1e6);
        nanosleep(&t, NULL);
    }
}

static double envNumber(const char* name)
{
    const char* text = getenv(name);
    return text != NULL ? atof(text) : 0.0;
}

static void report(void)
{
    static int fd = -2;
    if (fd == -2) {
        const char* path = getenv("TANGLOOP_SHIM_REPORT");
        fd = path != NULL ? open(path, O_WRONLY | O_CREAT | O_TRUNC, 0644) : -1;
    }
    if (fd < 0) return;
    char line[32];
    const int length = snprintf(line, sizeof line, "swaps %12lld\n", gSwaps);
    if (length > 0 && pwrite(fd, line, (size_t)length, 0) < 0) fd = -1;
}

void SDL_GL_SwapWindow(void* window)
{
    typedef void (*Swap)(void*);
    static Swap realSwap = NULL;
    if (realSwap == NULL) {
        realSwap = (Swap)dlsym(RTLD_NEXT, "SDL_GL_SwapWindow");
    }
    if (realSwap != NULL) realSwap(window);

    const double frameMs = envNumber("TANGLOOP_SHIM_FRAME_MS");
    if (frameMs > 0.0 && gLastSwapMs >= 0.0) sleepUntil(gLastSwapMs + frameMs);
    const double hz = envNumber("TANGLOOP_SHIM_HZ");
    if (hz > 0.0) {
        const double period = 1e3 / hz;
        const double now = nowMs();
        sleepUntil(((long long)(now / period) + 1) * period);
    }
    gLastSwapMs = nowMs();
    ++gSwaps;
    report();
}
