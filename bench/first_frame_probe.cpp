// Loaded with LD_PRELOAD into a program under measurement (the game itself,
// unchanged, or the bare-window baseline): when the program presents its
// first frame, the probe writes the monotonic clock in nanoseconds and the
// resident memory in kilobytes to the file descriptor named by
// TANGLOOP_PROBE_FD, then ends the process at once.
#include <dlfcn.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

long residentKb()
{
    FILE* status = std::fopen("/proc/self/status", "r");
    if (status == nullptr) return -1;
    char line[256];
    long kb = -1;
    while (std::fgets(line, sizeof line, status) != nullptr)
        if (std::strncmp(line, "VmRSS:", 6) == 0) kb = std::strtol(line + 6, nullptr, 10);
    std::fclose(status);
    return kb;
}

}  // namespace

extern "C" void SDL_GL_SwapWindow(void* window)
{
    using Swap = void (*)(void*);
    static Swap realSwap = reinterpret_cast<Swap>(dlsym(RTLD_NEXT, "SDL_GL_SwapWindow"));
    if (realSwap != nullptr) realSwap(window);

    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const char* fdText = std::getenv("TANGLOOP_PROBE_FD");
    const int fd = fdText != nullptr ? std::atoi(fdText) : 2;
    char report[96];
    const int length = std::snprintf(report, sizeof report, "%lld %ld\n",
                                     static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec, residentKb());
    if (length > 0 && write(fd, report, static_cast<size_t>(length)) < 0) _exit(3);
    _exit(0);
}
