#pragma once

#include <QString>

#include <optional>

namespace orvane {

// The zero-based start of the first occurrence of `search` in `text`, letter case ignored for
// every alphabet, or nothing. An empty search is found at 0 in any text that is not empty.
std::optional<int> FindInDocument(const QString& text, const QString& search);

// A box's text with every line break (CR LF, a lone CR or LF) as one CR LF, as the document has
// them, so a search never matches half of a line break.
QString WithCrLfBreaks(const QString& box);

enum class SearchMode { Find, Replace };

// The dialog finds when its caption is exactly "Find" and replaces under any other caption.
SearchMode SearchModeForCaption(const QString& caption);

// What one press of the search dialog's button does to the document and to the dialog.
struct SearchOutcome {
    // Set when nothing was found: the message to show; the document stays unchanged.
    QString message;
    int start = 0;
    int length = 0;
    // Replace mode: the text that takes the place of the selected match.
    std::optional<QString> replacement;
    bool closeDialog = false;
};

SearchOutcome SearchDocument(SearchMode mode, const QString& documentText, const QString& searchBox,
                             const QString& replaceBox, bool keepOpen);

} // namespace orvane
