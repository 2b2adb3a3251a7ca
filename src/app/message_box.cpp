#include "app/message_box.h"

#include <cstdio>

namespace {
MessageHook gHook = nullptr;
}

MessageAnswer showMessage(const std::string& text, const std::string& caption,
                          MessageIcon icon, MessageButtons buttons)
{
    MessageRequest request{text, caption, icon, buttons};
    if (gHook) return gHook(request);
    return printMessage(request);
}

MessageAnswer printMessage(const MessageRequest& request)
{
    std::fprintf(stderr, "[%s] %s\n", request.caption.c_str(), request.text.c_str());
    return request.buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
}

void setMessageHook(MessageHook hook)
{
    gHook = hook;
}
