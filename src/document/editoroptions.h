#pragma once

namespace orvane {

// How document windows show and check their text.
struct EditorOptions {
    bool colouring = true;
    bool lineNumbers = true;
    bool currentLine = true;
    bool checkAsYouType = true; // Java sources are compiled in memory as the user types

    bool operator==(const EditorOptions&) const = default;
};

} // namespace orvane
