#pragma once

namespace orvane {

// How document windows show and check their text.
struct EditorOptions {
    bool colouring = true;
    bool lineNumbers = true;
    bool currentLine = true;
    bool checkAsYouType = true; // Java sources are compiled in memory as the user types
    // Columns a tab takes, and the blanks one level of indentation is.
    int tabWidth = 4;
    // Tab and indentation insert blanks, unless the file already indents with tabs.
    bool insertSpaces = true;

    bool operator==(const EditorOptions&) const = default;
};

} // namespace orvane
