#pragma once

#include "platform/message.h"

#include <QString>

#include <optional>

namespace orvane {

// What an insertion command decided: either a message to show, or the text to put into the
// document; and whether its dialog closes afterwards.
struct InsertOutcome {
    std::optional<Message> message;
    QString text;
    bool closesDialog = true;
};

// The insertion commands' refusals all look alike: titled "Orvane", information icon, OK.
Message InsertNotice(const QString& text);

InsertOutcome RefuseAndClose(const QString& text);
InsertOutcome RefuseAndStay(const QString& text);
InsertOutcome InsertText(const QString& text, bool keepOpen);

inline const QString noJavaSourceSpecified = QStringLiteral("No Java source code specified.");

} // namespace orvane
