#pragma once

#include "toolchain/jdktools.h"

#include <QList>

namespace orvane {

// The compile modes chosen in the Options dialog; the store could hold several at once.
struct CompileModes {
    bool normal = false;
    bool debug = false;
    bool optimize = false;
    bool verbose = false;
};

// One compiler run per chosen mode, in the order normal, debugging information, optimised,
// verbose; `compiler` is the program to start. The source path is one argument, blanks and all.
QList<ToolCommand> BuildCompileCommands(const CompileModes& modes, const QString& sourcePath,
                                        const QString& compiler);

} // namespace orvane
