// Ticks, sleeping, message boxes and termination signals on SDL2.
#include "platform/services.h"

#include <SDL2/SDL.h>

#include <chrono>
#include <csignal>
#include <thread>
#include <vector>

#include "app/clock.h"
#include "app/message_box.h"
#include "platform/events.h"

namespace {

std::uint32_t sdlTicks()
{
    // SDL_GetTicks wraps like a 32-bit unsigned count, which is what the
    // frame-time rule expects.
    return static_cast<std::uint32_t>(SDL_GetTicks());
}

/// Returns once the tick count has moved on by ms. A sleep of whole
/// milliseconds that begins part-way through a millisecond ends in the next
/// one about half the time, which stretched the 10 ms frame pace by several
/// per cent; so all but the last millisecond is slept in one piece and the
/// rest in short naps.
void sdlSleep(std::uint32_t ms)
{
    const std::uint32_t start = sdlTicks();
    if (ms > 1) SDL_Delay(ms - 1);
    while (sdlTicks() - start < ms) std::this_thread::sleep_for(std::chrono::microseconds(100));
}

Uint32 iconFlag(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information: return SDL_MESSAGEBOX_INFORMATION;
    case MessageIcon::Stop: return SDL_MESSAGEBOX_ERROR;
    case MessageIcon::Exclamation: break;
    }
    return SDL_MESSAGEBOX_WARNING;
}

enum ButtonId { kOkButton = 1, kYesButton = 2, kNoButton = 3 };

/// A real dialog with no owner window; with no display it falls back to
/// printing, so nothing ever waits on a dialog nobody can see.
MessageAnswer showDialog(const MessageRequest& request)
{
    std::vector<SDL_MessageBoxButtonData> buttons;
    if (request.buttons == MessageButtons::YesNo) {
        buttons.push_back({SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, kYesButton, "Yes"});
        buttons.push_back({SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, kNoButton, "No"});
    } else {
        buttons.push_back({SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT | SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT,
                           kOkButton, "OK"});
    }
    SDL_MessageBoxData data{};
    data.flags = iconFlag(request.icon);
    data.window = nullptr;
    data.title = request.caption.c_str();
    data.message = request.text.c_str();
    data.numbuttons = static_cast<int>(buttons.size());
    data.buttons = buttons.data();

    int pressed = -1;
    if (SDL_ShowMessageBox(&data, &pressed) != 0) return printMessage(request);
    if (request.buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    // Closing the dialog without choosing counts as No.
    return pressed == kYesButton ? MessageAnswer::Yes : MessageAnswer::No;
}

extern "C" void onTerminationSignal(int)
{
    requestTermination();
}

void catchTerminationSignals()
{
    struct sigaction action {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

} // namespace

void installPlatformServices()
{
    // The game handles the signals itself, so that they arrive as the close
    // request even while no SDL subsystem is running (between the windows of
    // a full-screen toggle, for instance).
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // The window's close box arrives on its own, so that the game may ask
    // before it closes; otherwise SDL adds a quit that cannot be refused.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    catchTerminationSignals();
    // Under a file-size limit a save that grows too big must fail and say
    // so, not end the game and lose the progress with it.
    std::signal(SIGXFSZ, SIG_IGN);
    setTickSource(sdlTicks);
    setSleepSink(sdlSleep);
    setMessageHook(showDialog);
}

void shutdownPlatform()
{
    setMessageHook(nullptr);
    SDL_Quit();
}
