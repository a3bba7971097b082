#pragma once

#include "document/parsepath.h"
#include "toolchain/javacdiagnostics.h"
#include "toolchain/jdktools.h"

#include <QByteArray>

#include <optional>

namespace orvane {

// The file of Orvane's checker, which lies beside the program.
inline const QString checkerFileName = QStringLiteral("orvane-checker.jar");

// The checker's JVM: a small heap, the serial collector and the quick compiler only, so that a
// program that stays running next to the editor costs little memory and starts fast. The
// `javacOptions` go to each check (the Applet API where the JDK lacks it).
ToolCommand CheckerCommand(const QString& java, const QString& programFolder,
                           const QStringList& javacOptions, PathStyle style = nativePathStyle());

// Request `number` to check `text` (lines separated by "\n") as the file at `path`, looking for
// the classes it uses in `sourcePath`; in UTF-8, as the checker reads it.
QByteArray CheckerRequest(qint64 number, const QString& path, const QString& sourcePath,
                          const QString& text);

// One line of the checker's answers.
struct CheckerAnswer {
    enum class Kind { Diagnostic, End, Skipped, Unavailable };
    qint64 number = 0;
    Kind kind = Kind::End;
    CompilerDiagnostic diagnostic{}; // path left empty: it is the request's document

    friend bool operator==(const CheckerAnswer&, const CheckerAnswer&) = default;
};

// The answer a line of the checker's output gives; nothing for a line it does not know.
std::optional<CheckerAnswer> ParseCheckerAnswer(const QString& line);

} // namespace orvane
