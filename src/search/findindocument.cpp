#include "search/findindocument.h"

#include "document/typedtext.h"

namespace orvane {

namespace {

const QString noMatchText = QStringLiteral("Sorry, no match could be found.");

} // namespace

std::optional<int> FindInDocument(const QString& text, const QString& search) {
    if (text.isEmpty())
        return std::nullopt;
    const qsizetype position = text.indexOf(search, 0, Qt::CaseInsensitive);
    if (position < 0)
        return std::nullopt;
    return static_cast<int>(position);
}

QString WithCrLfBreaks(const QString& box) {
    QString text = box;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return text;
}

SearchMode SearchModeForCaption(const QString& caption) {
    return caption == u"Find" ? SearchMode::Find : SearchMode::Replace;
}

SearchOutcome SearchDocument(SearchMode mode, const QString& documentText, const QString& searchBox,
                             const QString& replaceBox, bool keepOpen) {
    const QString search = WithCrLfBreaks(TrimBlanks(searchBox));
    const std::optional<int> found = FindInDocument(documentText, search);
    if (!found)
        return {noMatchText, 0, 0, std::nullopt, false};
    SearchOutcome outcome{QString(), *found, static_cast<int>(search.size()), std::nullopt,
                          !keepOpen};
    if (mode == SearchMode::Replace)
        outcome.replacement = WithCrLfBreaks(TrimBlanks(replaceBox));
    return outcome;
}

} // namespace orvane
