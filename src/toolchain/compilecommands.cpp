#include "toolchain/compilecommands.h"

namespace orvane {

QList<ToolCommand> BuildCompileCommands(const CompileModes& modes, const QString& sourcePath,
                                        const QString& sourceRoot, const QString& compiler,
                                        const QString& encoding, const QStringList& options) {
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
    QStringList common = options;
    common << QStringLiteral("-encoding") << encoding;
    if (!sourceRoot.isEmpty())
        common << QStringLiteral("-sourcepath") << sourceRoot;
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
