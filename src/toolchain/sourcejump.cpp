#include "toolchain/sourcejump.h"

#include "document/documentwindow.h"
#include "document/filecommands.h"
#include "document/workspace.h"
#include "toolchain/compilermessage.h"

#include <QFileInfo>

namespace orvane {

namespace {

bool sameFile(const QString& a, const QString& b) {
    const QString canonicalA = QFileInfo(a).canonicalFilePath();
    return !canonicalA.isEmpty() && canonicalA == QFileInfo(b).canonicalFilePath();
}

DocumentWindow* findWindow(const Workspace& workspace, const QString& path) {
    for (DocumentWindow* window : workspace.documentWindows()) {
        if (!window->documentPath().isEmpty() && sameFile(window->documentPath(), path))
            return window;
    }
    return nullptr;
}

} // namespace

bool ShowSourceLine(Workspace& workspace, const QString& path, int line) {
    DocumentWindow* window = findWindow(workspace, path);
    if (!window)
        window = OpenDocumentFile(workspace, path);
    if (!window)
        return false;
    workspace.activateDocument(*window);
    DocumentText text = window->text();
    text.setSelStart(LineStartPosition(text.text(), line));
    return true;
}

} // namespace orvane
