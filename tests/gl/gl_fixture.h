// One hidden SDL window with a GL context, shared by every drawing test.
#pragma once
#include <GL/gl.h>
#include <GL/glu.h>
#include <SDL.h>
#include <gtest/gtest.h>
#include "app/globals.h"
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
        windowWidth = 800; windowHeight = 600;
        glViewport(0, 0, 800, 600);
        glMatrixMode(GL_PROJECTION); glLoadIdentity(); gluPerspective(45.0, 800.0 / 600.0, 0.1, 100.0);
        glMatrixMode(GL_MODELVIEW); glLoadIdentity();
        glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    }
    void TearDown() override {}
};
