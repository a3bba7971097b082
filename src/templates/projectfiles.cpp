#include "templates/projectfiles.h"

#include "document/documentfile.h"
#include "document/documentwindow.h"
#include "document/errortrap.h"
#include "document/workspace.h"

namespace orvane {

void CreateProjectFiles(Workspace& workspace, const QString& name, ProjectFileKind kind) {
    DocumentWindow* window = workspace.activeDocument();
    if (!window)
        return;
    const QString text = window->text().text();
    const QString path = workspace.projectsFolder() + name + ProjectFileExtension(kind);
    // A generated text already ends with its line break, so the file holds it exactly.
    const TextFormat format;
    const QByteArray bytes = EncodeDocumentText(text, format);
    bool written = false;
    const TrapStep writeFile = [&] {
        const int failure = WriteDocumentFile(path, bytes);
        written = failure == 0;
        return failure;
    };
    // Writing one small file is no long operation: the normal pointer stays.
    RunTrappedSteps(workspace.desktop(), {writeFile}, /*busy=*/false);
    if (written)
        window->markWritten(path, text, bytes, format);
}

} // namespace orvane
