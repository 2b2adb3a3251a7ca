// The floor under a frame of any window size: what the least a scaled 800x600
// picture can cost is, on the renderer at hand, with none of the game's code.
// Each row times 300 presented frames of one way to cover the window:
//   cleared      glClear and present, nothing drawn
//   quad         one textured quad over the window from an 800x600 texture
//                (the game's pictures), nearest or linear, no blending
//   quad 1:1     the same from a texture the window's size, texel for pixel
//   blit         an 800x600 framebuffer cleared, then glBlitFramebuffer to the
//                window, scaled (the "draw small, scale once" design)
//   blit 1:1     the same with a framebuffer the window's size
// Usage: bench_fill_floor [WxH] [--fullscreen]
// Run under the same display and renderer as bench_frame (bench/run's comment).
#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>
#include <SDL2/SDL.h>
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

double clockMs(clockid_t clock)
{
    timespec now{};
    clock_gettime(clock, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

double quantile(std::vector<double> values, double q)
{
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(q * static_cast<double>(values.size() - 1))];
}

GLuint makeTexture(int width, int height, GLint filter)
{
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (std::size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = 0xff000000u | (static_cast<std::uint32_t>(i) * 2654435761u >> 8);
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
    return texture;
}

void drawQuad(GLuint texture, int width, int height)
{
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0), glVertex2i(0, 0);
    glTexCoord2f(1, 0), glVertex2i(width, 0);
    glTexCoord2f(1, 1), glVertex2i(width, height);
    glTexCoord2f(0, 1), glVertex2i(0, height);
    glEnd();
    glDisable(GL_TEXTURE_2D);
}

/// A framebuffer of the given size with a colour texture, for the blit rows.
GLuint makeFramebuffer(int width, int height)
{
    const GLuint texture = makeTexture(width, height, GL_NEAREST);
    GLuint framebuffer = 0;
    glGenFramebuffers(1, &framebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, texture, 0);
    const bool complete = glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    return complete ? framebuffer : 0;
}

} // namespace

int main(int argc, char** argv)
{
    int width = 1600, height = 1200;
    bool fullscreen = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--fullscreen") == 0)
            fullscreen = true;
        else if (std::sscanf(argv[i], "%dx%d", &width, &height) != 2 || width < 1 || height < 1) {
            std::fprintf(stderr, "usage: bench_fill_floor [WxH] [--fullscreen]\n");
            return 2;
        }
    }
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "bench_fill_floor: %s\n", SDL_GetError());
        return 1;
    }
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);  // as the game asks
    SDL_Window* window = SDL_CreateWindow("fill floor", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height,
                                          SDL_WINDOW_OPENGL | (fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0));
    SDL_GLContext context = window ? SDL_GL_CreateContext(window) : nullptr;
    if (context == nullptr) {
        std::fprintf(stderr, "bench_fill_floor: %s\n", SDL_GetError());
        return 1;
    }
    SDL_GL_SetSwapInterval(0);
    SDL_GL_GetDrawableSize(window, &width, &height);
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glOrtho(0, width, height, 0, -1, 1);
    glMatrixMode(GL_MODELVIEW);

    const GLuint smallNearest = makeTexture(800, 600, GL_NEAREST);
    const GLuint smallLinear = makeTexture(800, 600, GL_LINEAR);
    const GLuint fullNearest = makeTexture(width, height, GL_NEAREST);
    const GLuint smallTarget = makeFramebuffer(800, 600);
    const GLuint fullTarget = makeFramebuffer(width, height);

    const auto blit = [&](GLuint source, int sourceWidth, int sourceHeight, GLenum filter) {
        glBindFramebuffer(GL_FRAMEBUFFER, source);
        glClearColor(0.2f, 0.3f, 0.5f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        glBindFramebuffer(GL_READ_FRAMEBUFFER, source);
        glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
        glBlitFramebuffer(0, 0, sourceWidth, sourceHeight, 0, 0, width, height, GL_COLOR_BUFFER_BIT, filter);
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
    };
    struct Row {
        const char* name;
        std::function<void()> draw;
    };
    const std::vector<Row> rows = {
        {"cleared", [] {}},
        {"quad 800x600 nearest", [&] { drawQuad(smallNearest, width, height); }},
        {"quad 800x600 linear", [&] { drawQuad(smallLinear, width, height); }},
        {"quad 1:1 nearest", [&] { drawQuad(fullNearest, width, height); }},
        {"blit 800x600 nearest", [&] { blit(smallTarget, 800, 600, GL_NEAREST); }},
        {"blit 800x600 linear", [&] { blit(smallTarget, 800, 600, GL_LINEAR); }},
        {"blit 1:1", [&] { blit(fullTarget, width, height, GL_NEAREST); }},
    };

    std::printf("drawable %dx%d, %s\n", width, height, reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
    std::printf("%-22s %22s %22s\n", "", "process CPU med/p99", "wall med/p99");
    for (const Row& row : rows) {
        if (row.name[0] == 'b' && (smallTarget == 0 || fullTarget == 0)) continue;
        std::vector<double> process, wall;
        for (int frame = 0; frame < 300; ++frame) {
            SDL_Event event;
            while (SDL_PollEvent(&event)) {}
            const double wall0 = clockMs(CLOCK_MONOTONIC), process0 = clockMs(CLOCK_PROCESS_CPUTIME_ID);
            glClearColor(0, 0, 0, 1);
            glClear(GL_COLOR_BUFFER_BIT);
            row.draw();
            SDL_GL_SwapWindow(window);
            process.push_back(clockMs(CLOCK_PROCESS_CPUTIME_ID) - process0);
            wall.push_back(clockMs(CLOCK_MONOTONIC) - wall0);
        }
        std::printf("%-22s %10.2f %10.2f %10.2f %10.2f\n", row.name, quantile(process, 0.5), quantile(process, 0.99),
                    quantile(wall, 0.5), quantile(wall, 0.99));
    }
    SDL_GL_DeleteContext(context);
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}
