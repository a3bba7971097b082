#include "toolchain/compilecommands.h"

namespace orvane {

QList<ToolCommand> BuildCompileCommands(const CompileModes& modes, const QString& sourcePath,
                                        const QString& compiler) {
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
    QList<ToolCommand> commands;
    for (const auto& run : runs) {
        if (run.chosen)
            commands.append({compiler, run.switches + QStringList{sourcePath}});
    }
    return commands;
}

} // namespace orvane
