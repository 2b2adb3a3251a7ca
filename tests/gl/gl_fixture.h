// One hidden SDL window with a GL context, shared by every drawing test.
#pragma once
#include <GL/gl.h>
#include <GL/glu.h>
#include <SDL.h>
#include <gtest/gtest.h>

#include <vector>

#include "app/globals.h"
#include "ui/overlay.h"
#include "ui/text.h"
/// A colour read back from the frame, 0 to 255 a channel.
struct Rgb {
    int r, g, b;
};

/// The colour at an overlay pixel (x right, y down) of the back buffer.
inline Rgb overlayPixelAt(int x, int y)
{
    glFinish();
    unsigned char p[4] = {};
    glReadBuffer(GL_BACK);
    glReadPixels(x, kLogicalHeight - 1 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p);
    return {p[0], p[1], p[2]};
}

/// A texture of width by height texels from packed RGB rows (bottom row
/// first), sampled nearest and repeating.
inline GLuint makeRgbTexture(int width, int height, const std::vector<unsigned char>& rgb)
{
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, width, height, 0, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    return name;
}

class GlFixture : public ::testing::Test {
protected:
    static inline SDL_Window* window = nullptr;
    static inline SDL_GLContext context = nullptr;
    void SetUp() override
    {
        if (!window) {
            SDL_Init(SDL_INIT_VIDEO);
            SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
            window = SDL_CreateWindow("Tangloop", 0, 0, 800, 600, SDL_WINDOW_OPENGL | SDL_WINDOW_SHOWN);
            context = SDL_GL_CreateContext(window);
        }
        useView(View());
        glViewport(0, 0, 800, 600);
        glMatrixMode(GL_PROJECTION); glLoadIdentity(); gluPerspective(45.0, 800.0 / 600.0, 0.1, 100.0);
        glMatrixMode(GL_MODELVIEW); glLoadIdentity();
        glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    }
    void TearDown() override {}
};

/// A drawing test that writes text with a font picture of its own (made by
/// the test, deleted after it) on a cleared grey frame, the game's font put
/// back afterwards.
class FontFixture : public GlFixture {
protected:
    void useFont(GLuint font, float grey)
    {
        endOverlay();
        buildGlyphTable();
        savedFont_ = fontTexture();
        font_ = font;
        setFontTexture(font_);
        glDisable(GL_DEPTH_TEST);
        glClearColor(grey, grey, grey, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
    void TearDown() override
    {
        endOverlay();
        setFontTexture(savedFont_);
        glDeleteTextures(1, &font_);
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
        GlFixture::TearDown();
    }

private:
    GLuint font_ = 0;
    std::uint32_t savedFont_ = 0;
};
