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

std::optional<FoundAgain> FindAgain(const QString& documentText, const QString& searchBox,
                                    int selStart, int selLength, bool forward) {
    const QString search = WithCrLfBreaks(TrimBlanks(searchBox));
    if (search.isEmpty() || documentText.isEmpty())
        return std::nullopt;
    const int length = static_cast<int>(search.size());
    const auto found = [&](qsizetype at, const QString& note) -> std::optional<FoundAgain> {
        if (at < 0)
            return std::nullopt;
        return FoundAgain{static_cast<int>(at), length, note};
    };
    if (forward) {
        const qsizetype at =
            documentText.indexOf(search, selStart + selLength, Qt::CaseInsensitive);
        if (at >= 0)
            return found(at, QString());
        return found(documentText.indexOf(search, 0, Qt::CaseInsensitive),
                     QStringLiteral("Passed the end of the document: found from the top."));
    }
    // lastIndexOf finds a match starting at or before its `from`.
    if (selStart > 0) {
        const qsizetype at = documentText.lastIndexOf(search, selStart - 1, Qt::CaseInsensitive);
        if (at >= 0)
            return found(at, QString());
    }
    return found(documentText.lastIndexOf(search, documentText.size(), Qt::CaseInsensitive),
                 QStringLiteral("Passed the start of the document: found from the bottom."));
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
