#pragma once

namespace orvane {

// How document windows show their text.
struct EditorOptions {
    bool colouring = true;
    bool lineNumbers = true;
    bool currentLine = true;

    bool operator==(const EditorOptions&) const = default;
};

} // namespace orvane
