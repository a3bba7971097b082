#include "insert/insertoutcome.h"

namespace orvane {

Message InsertNotice(const QString& text) {
    return {text, QStringLiteral("Orvane"), MessageButtons::Ok, MessageIcon::Information};
}

InsertOutcome RefuseAndClose(const QString& text) {
    return {InsertNotice(text), {}, true};
}

InsertOutcome RefuseAndStay(const QString& text) {
    return {InsertNotice(text), {}, false};
}

InsertOutcome InsertText(const QString& text, bool keepOpen) {
    return {std::nullopt, text, !keepOpen};
}

} // namespace orvane
