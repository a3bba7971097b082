#include "toolchain/compilermarkers.h"

#include "document/codeeditor.h"
#include "document/documentwindow.h"
#include "document/workspace.h"
#include "toolchain/diagnosticmarkers.h"

#include <QDir>
#include <QFileInfo>

namespace orvane {

DiagnosticMarkers& MarkersOf(Workspace& workspace, DocumentWindow& window) {
    auto* editor = qobject_cast<CodeEditor*>(&window.editor());
    return DiagnosticMarkers::Of(
        *editor, [&workspace](const QString& text) { workspace.showStatusMessage(text); });
}

void ShowCompilerMarkers(Workspace& workspace, const QString& output,
                         const QString& workingFolder) {
    const QList<CompilerDiagnostic> diagnostics = ParseJavacOutput(output);
    QList<QString> files;
    for (const CompilerDiagnostic& diagnostic : diagnostics)
        files.append(QFileInfo(QDir(workingFolder), diagnostic.path).canonicalFilePath());
    for (DocumentWindow* window : workspace.documentWindows()) {
        if (window->documentPath().isEmpty() || !window->isUnchanged())
            continue;
        const QString file = QFileInfo(window->documentPath()).canonicalFilePath();
        QList<CompilerDiagnostic> own;
        for (qsizetype i = 0; i < diagnostics.size(); ++i) {
            if (!file.isEmpty() && files.at(i) == file)
                own.append(diagnostics.at(i));
        }
        if (!own.isEmpty() || DiagnosticMarkers::Find(window->codeEditor()))
            MarkersOf(workspace, *window).show(own);
    }
}

} // namespace orvane
