// Time from process start to the first presented frame, for the game and for
// the bare-window baseline, each run many times in turn (so both see the same
// load) with first_frame_probe preloaded. Also the resident memory at that
// frame.
//
//   bench_startup PROBE_LIBRARY GAME_BINARY BARE_BINARY GAME_DIR [RUNS]
//
// Both programs run with GAME_DIR as their working directory; use a copy of
// the game folder, since the game rewrites its logs there.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "frame_stats.h"

namespace {

constexpr int kTimeoutMs = 60000;

struct Sample {
    double ms = -1.0;  ///< process start to first present; negative when it failed
    long rssKb = -1;
};

/// Starts `program` with the probe preloaded and waits for its report.
Sample launch(const std::string& probe, const std::string& program, const std::string& dir)
{
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) return {};
    const double start = clockMs(CLOCK_MONOTONIC);
    const pid_t child = fork();
    if (child == 0) {
        const int reportFd = dup(fds[1]);  // without close-on-exec
        const std::string fdText = std::to_string(reportFd);
        setenv("LD_PRELOAD", probe.c_str(), 1);
        setenv("TANGLOOP_PROBE_FD", fdText.c_str(), 1);
        if (chdir(dir.c_str()) != 0) _exit(127);
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    Sample sample;
    if (child < 0) {
        close(fds[0]);
        return sample;
    }
    pollfd waitFor{fds[0], POLLIN, 0};
    char text[128] = {};
    if (poll(&waitFor, 1, kTimeoutMs) == 1) {
        const ssize_t got = read(fds[0], text, sizeof text - 1);
        long long ns = 0;
        long rss = -1;
        if (got > 0 && std::sscanf(text, "%lld %ld", &ns, &rss) == 2) {
            sample.ms = static_cast<double>(ns) * 1e-6 - start;
            sample.rssKb = rss;
        }
    }
    if (sample.ms < 0.0) kill(child, SIGKILL);  // it never presented; stop this one child
    close(fds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return sample;
}

struct Summary {
    std::vector<double> ms;
    std::vector<double> rss;
    int failures = 0;
};

void book(Summary& summary, const Sample& sample)
{
    if (sample.ms < 0.0) {
        ++summary.failures;
        return;
    }
    summary.ms.push_back(sample.ms);
    summary.rss.push_back(static_cast<double>(sample.rssKb));
}

void print(const char* name, const Summary& s)
{
    std::printf("%-12s median %8.2f ms  min %8.2f  p90 %8.2f  rss %7.0f kB  (%zu runs, %d failed)\n", name,
                median(s.ms), quantile(s.ms, 0.0), quantile(s.ms, 0.9), median(s.rss), s.ms.size(), s.failures);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 5 || argc > 6) {
        std::fprintf(stderr, "usage: bench_startup PROBE_LIBRARY GAME_BINARY BARE_BINARY GAME_DIR [RUNS]\n");
        return 2;
    }
    const int runs = argc == 6 ? std::atoi(argv[5]) : 20;
    if (runs <= 0 || runs > 10000) {
        std::fprintf(stderr, "bench_startup: RUNS must be 1 to 10000\n");
        return 2;
    }
    // The children start in GAME_DIR, so every path must stand on its own.
    std::string paths[3];
    for (int i = 0; i < 3; ++i) {
        char* full = realpath(argv[i + 1], nullptr);
        if (full == nullptr) {
            std::fprintf(stderr, "bench_startup: cannot find %s\n", argv[i + 1]);
            return 2;
        }
        paths[i] = full;
        std::free(full);
    }
    const std::string& probe = paths[0];
    const std::string& gameBinary = paths[1];
    const std::string& bareBinary = paths[2];
    Summary game;
    Summary bare;
    // One of each first, unrecorded, so both start with warm file caches.
    launch(probe, bareBinary, argv[4]);
    launch(probe, gameBinary, argv[4]);
    for (int i = 0; i < runs; ++i) {
        book(bare, launch(probe, bareBinary, argv[4]));
        book(game, launch(probe, gameBinary, argv[4]));
    }
    print("bare window", bare);
    print("game", game);
    if (game.ms.empty() || bare.ms.empty()) return 1;
    const double ratio = median(game.ms) / median(bare.ms);
    std::printf("game / bare window: %.2f (target at most 1.5: %s)\n", ratio, ratio <= 1.5 ? "HOLDS" : "FAILS");
    return 0;
}
