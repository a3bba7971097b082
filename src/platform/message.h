#pragma once

#include <QString>

namespace orvane {

// A message box as the rules decide it; the desktop shows it.
enum class MessageButtons { Ok, YesNo, AbortRetryIgnore };
enum class MessageIcon { None, Information, Question, Exclamation, Critical };
// Dismissed: the box was closed without a button (Escape, the title bar's close button).
enum class MessageAnswer { Ok, Yes, No, Abort, Retry, Ignore, Dismissed };

// What a box answers when the user closes it without pressing a button. A question is then
// neither Yes nor No, so a No that would throw text away is never taken for granted.
constexpr MessageAnswer SafestAnswer(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::YesNo:
        return MessageAnswer::Dismissed;
    case MessageButtons::AbortRetryIgnore:
        return MessageAnswer::Abort;
    case MessageButtons::Ok:
        break;
    }
    return MessageAnswer::Ok;
}

struct Message {
    QString text;
    QString title;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::Information;
    // The button Enter presses. Dismissed leaves the box's usual choice; a question whose Yes
    // throws text away names No, so typing on never answers it.
    MessageAnswer defaultAnswer = MessageAnswer::Dismissed;
};

} // namespace orvane
