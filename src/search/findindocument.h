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

// Find Next and Find Previous: the search box's text again, from the selection onward (its end,
// going forward) or back (its start, going back), matched as the dialog matches it.
struct FoundAgain {
    int start = 0;
    int length = 0;
    // Set when the search went past one end of the document and went on from the other: the
    // note to show.
    QString wrapNote;
};

std::optional<FoundAgain> FindAgain(const QString& documentText, const QString& searchBox,
                                    int selStart, int selLength, bool forward);

SearchOutcome SearchDocument(SearchMode mode, const QString& documentText, const QString& searchBox,
                             const QString& replaceBox, bool keepOpen);

} // namespace orvane
