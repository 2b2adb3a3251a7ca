// Plays one level file without a window and tells whether, and after how
// many frames, the ball reaches the exit.
//
//   play_level LEVEL_FILE ["ROPES"] [FRAME_LIMIT]
//
// ROPES lists the ropes to hang before "Try it out", as dock-point index
// pairs with an optional rope-length slider value: "0-2@40 1-3".
// With PLAY_LEVEL_TRACE=N in the environment, the balls' positions are
// printed every N frames, which is how levels are tuned. PLAY_LEVEL_SETTLE=N
// lets the ropes hang N frames before "Try it out", as a player who waits;
// PLAY_LEVEL_PAUSE=N runs N frames after each rope, as a player who takes a
// moment between two ropes.
// Exit status: 0 completed, 1 not completed, 2 bad arguments, or a file that
// cannot be read or holds no level.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "physics/simulation.h"

#include "devtools/headless_player.h"
#include "level/level_file_check.h"

namespace {

constexpr int kDefaultFrameLimit = 6000;

int usage()
{
    std::fprintf(stderr, "usage: play_level LEVEL_FILE [\"FROM-TO[@SLIDER] ...\"] [FRAME_LIMIT]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 4) return usage();
    const std::string file = argv[1];
    const auto plan = parseRopePlan(argc >= 3 ? argv[2] : "");
    if (!plan) {
        std::fprintf(stderr, "play_level: cannot read the rope plan \"%s\"\n", argv[2]);
        return usage();
    }
    int frameLimit = kDefaultFrameLimit;
    if (argc == 4) {
        char* end = nullptr;
        const long limit = std::strtol(argv[3], &end, 10);
        if (end == argv[3] || *end != '\0' || limit <= 0 || limit > 10'000'000) return usage();
        frameLimit = static_cast<int>(limit);
    }

    // An empty or foreign file would play as an empty level whose ball sits
    // on the exit: "completed at frame 0" would be a lie.
    if (const std::string problem = levelFileProblem(file); !problem.empty()) {
        std::fprintf(stderr, "play_level: %s: %s\n", file.c_str(), problem.c_str());
        return 2;
    }

    int traceEvery = 0;
    if (const char* trace = std::getenv("PLAY_LEVEL_TRACE")) traceEvery = std::atoi(trace);
    auto observer = [traceEvery](int frame, const Simulation& world) {
        if (traceEvery <= 0 || frame % traceEvery != 0) return;
        std::printf("%6d", frame);
        for (const Ball& ball : world.balls) std::printf("  (%7.3f, %7.3f)", ball.position.x, ball.position.y);
        std::printf("\n");
    };
    int settleFrames = 0;
    if (const char* settle = std::getenv("PLAY_LEVEL_SETTLE")) settleFrames = std::max(0, std::atoi(settle));
    int pauseFrames = 0;
    if (const char* pause = std::getenv("PLAY_LEVEL_PAUSE")) pauseFrames = std::clamp(std::atoi(pause), 0, 60000);
    const HeadlessResult result = playHeadless(file, *plan, frameLimit, observer, settleFrames, pauseFrames);
    if (!result.loaded) {
        std::fprintf(stderr, "play_level: cannot read %s\n", file.c_str());
        return 2;
    }
    std::printf("ropes placed: %d of %zu\n", result.ropesPlaced, plan->size());
    if (!result.completed) {
        std::printf("not completed within %d frames\n", frameLimit);
        return 1;
    }
    std::printf("completed at frame %d\n", result.frame);
    return 0;
}
