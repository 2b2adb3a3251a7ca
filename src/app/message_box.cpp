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
    std::fprintf(stderr, "[%s] %s\n", caption.c_str(), text.c_str());
    return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
}

void setMessageHook(MessageHook hook)
{
    gHook = hook;
}
