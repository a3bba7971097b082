#pragma once

#include "document/parsepath.h"
#include "document/textformat.h"
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
// The compiler reads the source in `encoding` (a name javac knows), the one Orvane read it in,
// whatever the user's locale says, and finds the other classes of its package root `sourceRoot`
// there, so a project of several files compiles; their classes land beside their sources.
// `options` go before the encoding.
QList<ToolCommand> BuildCompileCommands(const CompileModes& modes, const QString& sourcePath,
                                        const QString& sourceRoot, const QString& compiler,
                                        const QString& encoding, const QStringList& options = {});

// The name javac knows for the encoding a document was read in.
QString JavacEncodingName(TextFormat::Encoding encoding);

} // namespace orvane
