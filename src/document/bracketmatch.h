#pragma once

#include "document/syntaxcolouring.h"

#include <QString>

#include <functional>
#include <optional>

namespace orvane {

// A character's place: line and column, both from 0.
struct TextPlace {
    int line = 0;
    int column = 0;

    bool operator==(const TextPlace&) const = default;
};

// What a bracket match reads of a document: its line count, each line's text and the colouring
// state each line starts in.
struct BracketSource {
    SyntaxLanguage language = SyntaxLanguage::None;
    int lineCount = 0;
    std::function<QString(int)> line;
    std::function<int(int)> startState;
};

// Whether `column` of a line coloured as `colouring` is code, not inside a string, character,
// comment or attribute value.
bool IsCodeColumn(const ColouredLine& colouring, int column);

// The partner of the bracket ( ) [ ] { } at `at`, counting only brackets of the code and of
// its own kind; nothing when it has none. `at` must hold a bracket of the code.
std::optional<TextPlace> MatchingBracket(const BracketSource& source, TextPlace at);

} // namespace orvane
