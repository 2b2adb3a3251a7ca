#pragma once

#include <string>

/// Message boxes of the game. The platform shows real dialogs; with no
/// display they print to stderr. Tests install a hook to answer them.
enum class MessageIcon { Exclamation, Information, Stop };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

struct MessageRequest {
    std::string text;
    std::string caption;
    MessageIcon icon = MessageIcon::Exclamation;
    MessageButtons buttons = MessageButtons::Ok;
};

/// Shows a message and returns the answer (Ok for Ok boxes).
MessageAnswer showMessage(const std::string& text, const std::string& caption,
                          MessageIcon icon = MessageIcon::Exclamation,
                          MessageButtons buttons = MessageButtons::Ok);

using MessageHook = MessageAnswer (*)(const MessageRequest&);
/// Replaces how messages are shown; nullptr restores printing to stderr
/// (where Yes/No questions are answered No).
void setMessageHook(MessageHook hook);

/// The fallback with no display: prints "[caption] text" to stderr and answers
/// No to a question, Ok otherwise.
MessageAnswer printMessage(const MessageRequest& request);
