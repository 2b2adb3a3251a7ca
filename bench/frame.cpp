// Whole frames of the real game in a real window: the update and draw of the
// title screen and of every shipped level (its solution's ropes hung and the
// try running), against a loop that only clears and presents. A second mode
// runs the real main loop for a while and checks its pace.
//
//   bench_frame [frames] [--game DIR] [--solutions DIR] [--frames N] [--repeat R] [--only NAME]
//   bench_frame pacing [--game DIR] [--solutions DIR] [--seconds S] [--level NAME]
//                      [--swap-hz HZ] [--frame-ms MS]
//   bench_frame sleep
//
// Run it under a display; the figures are meant for Xvfb with Mesa's software
// renderer (bench/run does both). Pacing can make the swap wait like a
// display of HZ refreshes a second, or every frame take MS. CPU time is taken on three clocks: the
// calling thread (update, draw calls and the present), the whole process
// (which adds the renderer's own threads) and the wall.
#include <GL/gl.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "alloc_counter.h"
#include "app/clock.h"
#include "platform/window.h"
#include "app/globals.h"
#include "input/input.h"
#include "platform/events.h"
#include "platform/services.h"
#include "app/viewport.h"
#include "app/window_placement.h"
#include "frame_stats.h"
#include "game/main_loop.h"
#include "game/shell.h"
#include "level/game.h"
#include "ui/overlay.h"
#include "play_driver.h"

namespace {

struct Options {
    std::string mode = "frames";
    std::string gameDir = TANGLOOP_GAME_DIR;
    std::string solutionsDir = std::string(TANGLOOP_SOURCE_DIR) + "/tests/levels";
    int frames = 1000;
    int repeat = 1;
    double seconds = 10.0;
    std::string only;   ///< frames: run just this level (and the title and baseline)
    std::string level;  ///< pacing: play this level instead of staying in the menu
    std::string dump;   ///< frames: also write every frame's figures to this CSV file
    int windowWidth = 800;   ///< frames: the window's size; the picture is scaled to fit it
    int windowHeight = 600;
    bool fullscreen = false;  ///< frames: full screen at the desktop's size instead
    int swapHz = 0;           ///< pacing: the swap waits like a display of this rate
    double frameMs = 0.0;     ///< pacing: every frame takes at least this long
};

bool parseOptions(int argc, char** argv, Options& options)
{
    int i = 1;
    if (i < argc && argv[i][0] != '-') options.mode = argv[i++];
    for (; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--fullscreen") {
            options.fullscreen = true;
            continue;
        }
        if (i + 1 >= argc) return false;
        const char* value = argv[++i];
        if (arg == "--window") {
            if (std::sscanf(value, "%dx%d", &options.windowWidth, &options.windowHeight) != 2) return false;
            continue;
        }
        if (arg == "--game") options.gameDir = value;
        else if (arg == "--solutions") options.solutionsDir = value;
        else if (arg == "--frames") options.frames = std::atoi(value);
        else if (arg == "--repeat") options.repeat = std::atoi(value);
        else if (arg == "--seconds") options.seconds = std::atof(value);
        else if (arg == "--only") options.only = value;
        else if (arg == "--level") options.level = value;
        else if (arg == "--dump") options.dump = value;
        else if (arg == "--swap-hz") options.swapHz = std::atoi(value);
        else if (arg == "--frame-ms") options.frameMs = std::atof(value);
        else return false;
    }
    return (options.mode == "frames" || options.mode == "pacing" || options.mode == "sleep") && options.frames > 0 && options.frames <= 1000000 &&
           options.repeat > 0 && options.repeat <= 100 && options.seconds > 0.0 && options.seconds <= 3600.0 && options.swapHz >= 0 &&
           options.swapHz <= 1000 && options.frameMs >= 0.0 && options.frameMs <= 1000.0;
}

Shell& gameShell();

/// Hands pending window events to the game, as the main loop does between frames.
void drainMessages()
{
    WindowMessage message;
    while (peekWindowMessage(message))
        if (message.kind != MessageKind::Quit) windowProc(message, gameShell().input, gameShell().view);
}

void pointAtPixel(int x, int y)
{
    Shell& shell = gameShell();
    shell.input.pointerMove(x, y, shell.view);
    shell.input.mouse.leftDown = false;
}

// --- Frame timing ------------------------------------------------------------

struct FrameSeries {
    std::string name;
    std::vector<double> thread, process, wall;  ///< ms per frame
    std::vector<double> news, mallocs;          ///< allocations per frame
    std::vector<double> updateNews;             ///< C++ allocations in the shell's update alone
};

/// C++ allocations made by the last gameFrame's update (the game's own code
/// only; the draw also counts the driver's, whose shader compiler is C++).
std::uint64_t gUpdateNews = 0;

/// Times `count` frames of `frame` (which must present), events drained and
/// the mouse placed by `before` outside the timing.
template <typename Before, typename Frame>
FrameSeries timeFrames(const std::string& name, int count, Before before, Frame frame)
{
    FrameSeries series;
    series.name = name;
    for (int i = 0; i < count; ++i) {
        drainMessages();
        before(i);
        const std::uint64_t news = newCount();
        const std::uint64_t mallocs = mallocCount();
        const double wall = clockMs(CLOCK_MONOTONIC);
        const double process = clockMs(CLOCK_PROCESS_CPUTIME_ID);
        const double thread = clockMs(CLOCK_THREAD_CPUTIME_ID);
        gUpdateNews = 0;
        frame();
        series.thread.push_back(clockMs(CLOCK_THREAD_CPUTIME_ID) - thread);
        series.process.push_back(clockMs(CLOCK_PROCESS_CPUTIME_ID) - process);
        series.wall.push_back(clockMs(CLOCK_MONOTONIC) - wall);
        series.news.push_back(static_cast<double>(newCount() - news));
        series.mallocs.push_back(static_cast<double>(mallocCount() - mallocs));
        series.updateNews.push_back(static_cast<double>(gUpdateNews));
    }
    return series;
}

/// The game's own shell, as the main loop holds it.
Shell& gameShell()
{
    static const std::unique_ptr<Shell> shell = std::make_unique<Shell>();
    return *shell;
}

void gameFrame()
{
    const std::uint64_t before = newCount();
    gameShell().update(1.0f);
    gUpdateNews = newCount() - before;
    gameShell().draw();
    swapGameBuffers();
}

void clearedFrame()
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    swapGameBuffers();
}

FrameSeries baselineFrames(int count)
{
    return timeFrames("(cleared frame)", count, [](int) {}, clearedFrame);
}

/// Yardsticks for the software renderer: a cleared frame plus one layer over
/// the whole window, either the theme picture (opaque, textured, as the level
/// background is drawn) or a blended shade (as the darkened field and panel).
FrameSeries layerFrames(int count, bool textured)
{
    auto frame = [textured]() {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        beginOverlay();
        placeAt(0.0f, 0.0f);
        if (textured) {
            glDisable(GL_BLEND);
            glEnable(GL_TEXTURE_2D);
            const unsigned int* scene = gameShell().game.currentTexture;
            if (scene) glBindTexture(GL_TEXTURE_2D, *scene);
            glColor3f(1.0f, 1.0f, 1.0f);
            glBegin(GL_QUADS);
            glTexCoord2f(0.0f, 0.0f);
            glVertex2f(0.0f, 600.0f);
            glTexCoord2f(1.0f, 0.0f);
            glVertex2f(800.0f, 600.0f);
            glTexCoord2f(1.0f, 1.0f);
            glVertex2f(800.0f, 0.0f);
            glTexCoord2f(0.0f, 1.0f);
            glVertex2f(0.0f, 0.0f);
            glEnd();
            glDisable(GL_TEXTURE_2D);
        } else {
            glEnable(GL_BLEND);
            drawShadeRect(0.0f, 0.0f, 800.0f, 600.0f, 0.5f);
            glDisable(GL_BLEND);
        }
        endOverlay();
        swapGameBuffers();
    };
    return timeFrames(textured ? "(+1 picture)" : "(+1 shade)", count, [](int) {}, frame);
}

/// The title screen with the pointer going round in a circle, so the ball it
/// carries pushes the background ropes and passes over the buttons.
FrameSeries titleFrames(int count)
{
    gameShell().carryOut(ModeRequest::leave());
    auto circle = [](int i) {
        const double a = 0.02 * i;
        pointAtPixel(static_cast<int>(500 + 150 * std::cos(a)), static_cast<int>(300 + 150 * std::sin(a)));
    };
    return timeFrames("(title screen)", count, circle, gameFrame);
}

/// Starts a shipped level in the game's own play mode, hangs its solution's
/// ropes and starts the try.
void startSolvedLevel(const ShippedLevel& level, int index)
{
    Shell& shell = gameShell();
    shell.playLevelFile(levelFilePath(level.name), level.name, index);
    hangRopes(shell.play, level.solution.ropes);
    startTry(shell.play);
}

FrameSeries levelFrames(const ShippedLevel& level, int index, int count)
{
    startSolvedLevel(level, index);
    Shell& shell = gameShell();
    const MouseState still = shell.input.mouse;
    FrameSeries series = timeFrames(level.name, count, [&still, &shell](int) { shell.input.mouse = still; }, gameFrame);
    gameShell().carryOut(ModeRequest::leave());
    return series;
}

// --- Reporting -----------------------------------------------------------------

/// The median over repeats of one statistic of each repeat.
template <typename Stat>
double overRepeats(const std::vector<FrameSeries>& runs, Stat stat)
{
    std::vector<double> values;
    for (const FrameSeries& run : runs) values.push_back(stat(run));
    return median(values);
}

double mean(const std::vector<double>& v)
{
    double sum = 0.0;
    for (double x : v) sum += x;
    return v.empty() ? 0.0 : sum / static_cast<double>(v.size());
}

double maximum(const std::vector<double>& v)
{
    return v.empty() ? 0.0 : *std::max_element(v.begin(), v.end());
}

struct Row {
    std::string name;
    double threadMed, threadP99, processMed, processP99, wallMed, wallP99;
    double newsMean, newsMax, mallocsMean, updateNewsMean;
};

Row summarise(const std::vector<FrameSeries>& runs)
{
    Row row;
    row.name = runs.front().name;
    row.threadMed = overRepeats(runs, [](const FrameSeries& s) { return median(s.thread); });
    row.threadP99 = overRepeats(runs, [](const FrameSeries& s) { return quantile(s.thread, 0.99); });
    row.processMed = overRepeats(runs, [](const FrameSeries& s) { return median(s.process); });
    row.processP99 = overRepeats(runs, [](const FrameSeries& s) { return quantile(s.process, 0.99); });
    row.wallMed = overRepeats(runs, [](const FrameSeries& s) { return median(s.wall); });
    row.wallP99 = overRepeats(runs, [](const FrameSeries& s) { return quantile(s.wall, 0.99); });
    row.newsMean = overRepeats(runs, [](const FrameSeries& s) { return mean(s.news); });
    row.newsMax = overRepeats(runs, [](const FrameSeries& s) { return maximum(s.news); });
    row.mallocsMean = overRepeats(runs, [](const FrameSeries& s) { return mean(s.mallocs); });
    row.updateNewsMean = overRepeats(runs, [](const FrameSeries& s) { return mean(s.updateNews); });
    return row;
}

constexpr double kP99TargetMs = 3.0;

/// One line per frame of every run, for a closer look at where the slow frames fall.
void writeDump(const std::string& path, const std::vector<std::vector<FrameSeries>>& all)
{
    std::FILE* out = std::fopen(path.c_str(), "w");
    if (out == nullptr) {
        std::fprintf(stderr, "bench_frame: cannot write %s\n", path.c_str());
        return;
    }
    std::fprintf(out, "series,repeat,frame,thread_ms,process_ms,wall_ms,news,update_news,mallocs\n");
    for (const auto& runs : all)
        for (std::size_t r = 0; r < runs.size(); ++r)
            for (std::size_t i = 0; i < runs[r].wall.size(); ++i)
                std::fprintf(out, "%s,%zu,%zu,%.4f,%.4f,%.4f,%.0f,%.0f,%.0f\n", runs[r].name.c_str(), r, i,
                             runs[r].thread[i], runs[r].process[i], runs[r].wall[i], runs[r].news[i],
                             runs[r].updateNews[i], runs[r].mallocs[i]);
    std::fclose(out);
}

void printTable(const std::vector<Row>& rows, const Row& base)
{
    std::printf("\nms per frame (median over repeats of each run's median / 99th percentile)\n");
    std::printf("%-16s %15s %15s %15s %11s %11s %9s %9s %9s %9s\n", "frame", "thread med/p99", "process med/p99",
                "wall med/p99", "x base p99", "x base med", "new/frm", "new max", "upd new", "malloc/f");
    auto line = [&base](const Row& r) {
        std::printf("%-16s %7.3f %7.3f %7.3f %7.3f %7.3f %7.3f %11.2f %11.2f %9.2f %9.0f %9.2f %9.1f\n",
                    r.name.c_str(), r.threadMed, r.threadP99, r.processMed, r.processP99, r.wallMed, r.wallP99,
                    r.processP99 / base.processP99, r.processMed / base.processMed, r.newsMean, r.newsMax,
                    r.updateNewsMean, r.mallocsMean);
    };
    line(base);
    double worstP99 = 0.0;
    std::string worst;
    for (const Row& r : rows) {
        line(r);
        if (r.processP99 > worstP99 && r.name[0] != '(') {
            worstP99 = r.processP99;
            worst = r.name;
        }
    }
    std::printf("\nworst level p99 process CPU %.3f ms (%s): target under %.1f ms %s\n", worstP99, worst.c_str(),
                kP99TargetMs, worstP99 < kP99TargetMs ? "HOLDS" : "FAILS");
    if (!mallocCounted()) std::printf("(malloc not counted in this build)\n");
}

int runFrames(const Options& options)
{
    std::string error;
    std::vector<ShippedLevel> levels = shippedLevels(".", options.solutionsDir, error);
    if (levels.empty()) {
        std::fprintf(stderr, "bench_frame: %s\n", error.c_str());
        return 1;
    }

    // The first frame has been presented (by main): memory after start-up.
    const long rssStart = procStatusKb("VmRSS");

    std::vector<FrameSeries> baseRuns;
    std::vector<FrameSeries> pictureRuns;
    std::vector<FrameSeries> shadeRuns;
    std::vector<FrameSeries> titleRuns;
    std::vector<std::vector<FrameSeries>> levelRuns(levels.size());
    long rssAfterFirstPlay = -1;
    for (int r = 0; r < options.repeat; ++r) {
        baseRuns.push_back(baselineFrames(options.frames));
        pictureRuns.push_back(layerFrames(options.frames, true));
        shadeRuns.push_back(layerFrames(options.frames, false));
        titleRuns.push_back(titleFrames(options.frames));
        for (std::size_t i = 0; i < levels.size(); ++i) {
            if (!options.only.empty() && levels[i].name != options.only) continue;
            levelRuns[i].push_back(levelFrames(levels[i], static_cast<int>(i), options.frames));
            if (rssAfterFirstPlay < 0) rssAfterFirstPlay = procStatusKb("VmRSS");
        }
        std::fprintf(stderr, "bench_frame: repeat %d of %d done\n", r + 1, options.repeat);
    }

    const Row base = summarise(baseRuns);
    std::vector<Row> rows{summarise(pictureRuns), summarise(shadeRuns), summarise(titleRuns)};
    for (const auto& runs : levelRuns)
        if (!runs.empty()) rows.push_back(summarise(runs));
    if (!options.dump.empty()) {
        std::vector<std::vector<FrameSeries>> all{baseRuns, pictureRuns, shadeRuns, titleRuns};
        all.insert(all.end(), levelRuns.begin(), levelRuns.end());
        writeDump(options.dump, all);
    }
    std::printf("%d frames per series, %d repeat(s)\n", options.frames, options.repeat);
    printTable(rows, base);
    std::printf("\nresident memory: after start %ld kB; after %d frames of play %ld kB; at the end %ld kB "
                "(peak %ld kB)\n",
                rssStart, options.frames, rssAfterFirstPlay, procStatusKb("VmRSS"), procStatusKb("VmHWM"));
    return 0;
}

// --- Pacing ------------------------------------------------------------------

struct Pacing {
    Options options;
    std::vector<ShippedLevel> levels;
    int swaps = 0;
    bool counting = false;
    double startMs = 0.0;
    double lastSwapMs = 0.0;
    std::uint64_t startUpdates = 0;
    std::uint64_t startFrames = 0;
    std::uint64_t updates = 0;  ///< updates the loop ran over the counted span
    int frames = 0;
    std::vector<double> periods;  ///< ms between presents
};
Pacing gPacing;

void startPacingLevel()
{
    for (std::size_t i = 0; i < gPacing.levels.size(); ++i)
        if (gPacing.levels[i].name == gPacing.options.level) return startSolvedLevel(gPacing.levels[i], static_cast<int>(i));
    std::fprintf(stderr, "bench_frame: no level %s; staying in the menu\n", gPacing.options.level.c_str());
}

/// Sleeps to `targetMs` on the monotonic clock.
void sleepUntilMs(double targetMs)
{
    const double left = targetMs - clockMs(CLOCK_MONOTONIC);
    if (left > 0.0) std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(left));
}

/// Presents, as a display of --swap-hz would (returning at its next
/// refresh) or a renderer whose frames take --frame-ms, then books the frame.
void pacingSwap()
{
    swapGameBuffers();
    Pacing& p = gPacing;
    if (p.options.frameMs > 0.0 && p.lastSwapMs > 0.0) sleepUntilMs(p.lastSwapMs + p.options.frameMs);
    if (p.options.swapHz > 0) {
        const double period = 1000.0 / p.options.swapHz;
        sleepUntilMs((std::floor(clockMs(CLOCK_MONOTONIC) / period) + 1.0) * period);
    }
    const double now = clockMs(CLOCK_MONOTONIC);
    ++p.swaps;

    if (p.swaps == 1 && !p.options.level.empty()) startPacingLevel();
    // The first frames carry start-up and the level start; count from the third.
    const LoopCounts& counts = loopCounts();
    if (p.swaps == 3) {
        p.counting = true;
        p.startMs = now;
        p.startUpdates = counts.updates;
        p.startFrames = counts.frames;
    } else if (p.counting) {
        ++p.frames;
        p.periods.push_back(now - p.lastSwapMs);
        if (now - p.startMs >= p.options.seconds * 1000.0) {
            p.counting = false;
            p.updates = counts.updates - p.startUpdates;
            gameShell().carryOut(ModeRequest::quit());
            p.startMs = now - p.startMs;  // now the counted span
        }
    }
    p.lastSwapMs = now;
}

int runPacing(const Options& options)
{
    std::string error;
    gPacing.options = options;
    gPacing.levels = shippedLevels(".", options.solutionsDir, error);

    WindowServices window;
    window.createWindow = createGameWindow;
    window.destroyWindow = destroyGameWindow;
    window.peekMessage = peekWindowMessage;
    window.swapBuffers = pacingSwap;
    // The display the swap stands for; the real one's rate otherwise.
    window.refreshRate = options.swapHz > 0 ? +[]() { return gPacing.options.swapHz; } : gameDisplayRefreshRate;
    runGame(gameShell(), window);

    const Pacing& p = gPacing;
    const double seconds = p.startMs / 1000.0;
    if (p.frames == 0 || seconds <= 0.0) {
        std::fprintf(stderr, "bench_frame: the loop presented no frame to count\n");
        return 1;
    }
    const double rate = static_cast<double>(p.updates) / seconds;
    std::string swap = "swap as it is";
    if (options.swapHz > 0) swap = "swap waiting like " + std::to_string(options.swapHz) + " Hz";
    if (options.frameMs > 0.0) swap += ", frames of " + std::to_string(static_cast<int>(options.frameMs)) + " ms";
    std::printf("%s, %s: %d frames in %.3f s: %.2f frames/s, %.2f updates/s; %s\n",
                options.level.empty() ? "main menu" : options.level.c_str(), swap.c_str(), p.frames, seconds,
                p.frames / seconds, rate, loopCounts().pacing ? "paced by sleeping" : "paced by the swap");
    std::printf("present-to-present ms: median %.3f, p99 %.3f, max %.3f; %.0f ms dropped in the whole run\n",
                median(p.periods), quantile(p.periods, 0.99), maximum(p.periods),
                static_cast<double>(loopCounts().droppedMs));
    const bool holds = std::fabs(rate - 100.0) <= 1.0;
    std::printf("target 100 updates/s within 1%%: %s\n", holds ? "HOLDS" : "FAILS");
    return 0;
}

// --- Sleep -----------------------------------------------------------------------

/// How far past its target the tick count stands when a pacing-sized sleep
/// returns: the platform's sleepMs against a plain sleep of whole milliseconds
/// (what SDL_Delay does), each started at whatever point of a millisecond the
/// previous one left off, as a frame's wait is.
int runSleep()
{
    constexpr int kTrials = 400;
    constexpr std::uint32_t kWaitMs = 3;
    auto overshoots = [](auto sleep) {
        std::vector<double> late;
        for (int i = 0; i < kTrials; ++i) {
            const std::uint32_t start = tickCount();
            sleep(kWaitMs);
            const auto elapsed = static_cast<std::int32_t>(tickCount() - start);
            late.push_back(static_cast<double>(elapsed - static_cast<std::int32_t>(kWaitMs)));
        }
        return late;
    };
    auto report = [](const char* name, const std::vector<double>& late) {
        int onTime = 0;
        int early = 0;
        for (double l : late) {
            onTime += l == 0.0 ? 1 : 0;
            early += l < 0.0 ? 1 : 0;
        }
        std::printf("%-24s of %zu waits: %5.1f%% end in the target millisecond, %d early; "
                    "mean %.2f ms late, p99 %.0f ms\n",
                    name, late.size(), 100.0 * onTime / static_cast<double>(late.size()), early, mean(late),
                    quantile(late, 0.99));
    };
    report("whole-millisecond sleep", overshoots([](std::uint32_t ms) {
               std::this_thread::sleep_for(std::chrono::milliseconds(ms));
           }));
    report("platform sleepMs", overshoots([](std::uint32_t ms) { sleepMs(ms); }));
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!parseOptions(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: bench_frame [frames|pacing|sleep] [--game DIR] [--solutions DIR] [--frames N] [--repeat R]\n"
                     "                   [--only LEVEL] [--dump CSV] [--window WxH | --fullscreen]\n"
                     "                   [--seconds S] [--level LEVEL] [--swap-hz HZ] [--frame-ms MS]\n");
        return 2;
    }
    // The game reads and writes its files relative to its folder.
    if (options.mode != "sleep" && chdir(options.gameDir.c_str()) != 0) {
        std::fprintf(stderr, "bench_frame: cannot enter the game folder %s\n", options.gameDir.c_str());
        return 2;
    }
    installPlatformServices();
    int status = 0;
    if (options.mode == "pacing") {
        status = runPacing(options);
    } else if (options.mode == "sleep") {
        status = runSleep();
    } else {
        // Where start-up goes: the window and context, the shell's start, the first frame.
        windowPlacement.width = options.windowWidth;
        windowPlacement.height = options.windowHeight;
        fullscreen = options.fullscreen;
        const double t0 = clockMs(CLOCK_MONOTONIC);
        if (!createGameWindow(kWindowTitle, kLogicalWidth, kLogicalHeight, kColorBits, fullscreen)) {
            shutdownPlatform();
            return 1;
        }
        gameShell().loadTextures();
        const double t1 = clockMs(CLOCK_MONOTONIC);
        gameShell().start();
        const double t2 = clockMs(CLOCK_MONOTONIC);
        drainMessages();
        gameShell().update(1.0f);
        const double t3 = clockMs(CLOCK_MONOTONIC);
        gameShell().draw();
        const double t4 = clockMs(CLOCK_MONOTONIC);
        swapGameBuffers();
        const double t5 = clockMs(CLOCK_MONOTONIC);
        std::printf("start-up in this process: window and context %.1f ms, shell start %.1f ms, first frame %.1f ms "
                    "(update %.1f, draw %.1f, present %.1f)\n",
                    t1 - t0, t2 - t1, t5 - t2, t3 - t2, t4 - t3, t5 - t4);
        int drawableWidth = 0;
        int drawableHeight = 0;
        drawableSize(drawableWidth, drawableHeight);
        std::printf("drawable %dx%d%s\n", drawableWidth, drawableHeight, fullscreen ? " (full screen)" : "");
        status = runFrames(options);
        destroyGameWindow();
    }
    shutdownPlatform();
    return status;
}
