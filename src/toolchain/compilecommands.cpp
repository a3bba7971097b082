#include "toolchain/compilecommands.h"

namespace orvane {

QList<ToolCommand> BuildCompileCommands(const CompileModes& modes, const QString& sourcePath,
                                        const QString& compiler, const QString& encoding,
                                        PathStyle style) {
    // "-g" is the compiler's switch for debugging information; it has no "-debug".
    const struct {
        bool chosen;
        QStringList switches;
    } runs[] = {
        {modes.normal, {}},
        {modes.debug, {QStringLiteral("-g")}},
        {modes.optimize, {QStringLiteral("-O")}},
        {modes.verbose, {QStringLiteral("-verbose")}},
    };
    QStringList common{QStringLiteral("-encoding"), encoding};
    // The folder without its final separator, except where that is all there is ("/", "C:\").
    const QString withSeparator = ParsePath(sourcePath, 3, style);
    const QString folder = ParsePath(sourcePath, -3, style);
    if (!withSeparator.isEmpty())
        common << QStringLiteral("-sourcepath")
               << (folder.isEmpty() || folder.endsWith(u':') ? withSeparator : folder);
    QList<ToolCommand> commands;
    for (const auto& run : runs) {
        if (run.chosen)
            commands.append({compiler, run.switches + common + QStringList{sourcePath}});
    }
    return commands;
}

QString JavacEncodingName(TextFormat::Encoding encoding) {
    switch (encoding) {
    case TextFormat::Encoding::Windows1252:
        return QStringLiteral("windows-1252");
    case TextFormat::Encoding::Utf16Le:
    case TextFormat::Encoding::Utf16Be:
        // Java's UTF-16 takes the byte order from the mark the file starts with.
        return QStringLiteral("UTF-16");
    case TextFormat::Encoding::Utf8:
        break;
    }
    return QStringLiteral("UTF-8");
}

} // namespace orvane
