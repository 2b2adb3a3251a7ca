#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "input/input.h"
#include "app/message_box.h"
#include "editor/editor.h"
#include "fresh_shell.h"
#include "ui/page_holder.h"

/// A fresh shell in the editor, driven through its input's `mouse` and
/// `keys` as the window procedure would set them.
class EditorTest : public ShellTest {
protected:
    /// A pixel well right of the open panel, where the world is drawn.
    static constexpr int kWorldX = 500;
    static constexpr int kWorldY = 300;

    void SetUp() override
    {
        // Questions (the game's dialog, and any message box) are answered by
        // the test: Yes unless it says otherwise.
        questions().clear();
        answer() = MessageAnswer::Yes;
        setMessageHook([](const MessageRequest& request) {
            questions().push_back(request.text);
            return answer();
        });
        shell->carryOut(ModeRequest::enterEditor());
        // Open the panel with the mouse resting over the world.
        for (int i = 0; i < 10; ++i) frame(kWorldX, kWorldY, {0, 0}, false);
    }

    void TearDown() override { setMessageHook(nullptr); }

    /// One shell frame with the mouse at pixel (x, y), world position w.
    void frame(int x, int y, Vector2D w, bool down, float dt = 0.0f)
    {
        mouse.x = x;
        mouse.y = y;
        mouse.world = w;
        mouse.leftDown = down;
        shell->update(dt);
        answerQuestion();
    }

    /// A question the frame asked is answered as answer() says, by Enter
    /// (Yes) or Esc (No) as a player would, and carried out in the frame after.
    void answerQuestion()
    {
        const DialogQuestion* question = shell->dialog.shownQuestion();
        if (question == nullptr) return;
        questions().push_back(question->text);
        keysPressed[answer() == MessageAnswer::Yes ? kVkReturn : kVkEscape] = true;
        shell->update(0.0f);
        clearKeyPresses();
        shell->update(0.0f);
    }

    /// The mouse over the world at world position w.
    void worldFrame(Vector2D w, bool down) { frame(kWorldX, kWorldY, w, down); }

    /// Press and release at one world position.
    void clickWorld(Vector2D w)
    {
        worldFrame(w, true);
        worldFrame(w, false);
    }

    /// Press at a, move to b in `steps` frames, release at b.
    void dragWorld(Vector2D a, Vector2D b, int steps = 1)
    {
        worldFrame(a, true);
        for (int i = 1; i <= steps; ++i) {
            float t = static_cast<float>(i) / steps;
            worldFrame(a + (b - a) * t, true);
        }
        worldFrame(b, false);
    }

    int& page() { return ed->pageHolders[0].currentPage; }

    /// Shows the page of the button and clicks it with the mouse.
    void clickButton(int index)
    {
        const Button& button = ed->buttons[index];
        if (!button.alwaysVisible) page() = button.pageIndex;
        int x = static_cast<int>(button.position.x + button.size.x / 2);
        int y = static_cast<int>(button.position.y + button.size.y / 2);
        frame(x, y, {0, 0}, true);
        frame(x, y, {0, 0}, false);
        // A frame more, as a hand gives: the click flag of a button whose
        // page a test then hides directly would otherwise stay set.
        frame(x, y, {0, 0}, false);
    }

    void selectTool(int index) { clickButton(index); }

    /// Rests the mouse over a text field on page Misc so that it has focus.
    void focusField(int index)
    {
        page() = kPageMisc;
        const Insert& field = ed->inserts[index];
        frame(static_cast<int>(field.position.x + 5), static_cast<int>(field.position.y + 5),
              {0, 0}, false);
    }

    void type(const std::string& text)
    {
        for (char c : text) ed->editorKeyDown(static_cast<unsigned char>(c), input);
    }

    /// The questions asked so far, and the answer the next ones get.
    static std::vector<std::string>& questions()
    {
        static std::vector<std::string> asked;
        return asked;
    }
    static MessageAnswer& answer()
    {
        static MessageAnswer next = MessageAnswer::Yes;
        return next;
    }

    SlideMenu* ed = &shell->editor;
};
