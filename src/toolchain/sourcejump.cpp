#include "toolchain/sourcejump.h"

#include "document/documentfile.h"
#include "document/documentwindow.h"
#include "document/errortrap.h"
#include "document/parsepath.h"
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

// Opens the file as File > Open does.
DocumentWindow* openWindow(Workspace& workspace, const QString& path) {
    ReadResult read;
    const bool done = RunTrappedSteps(workspace.desktop(), {[&] {
                                          return (read = ReadDocumentFile(path)).error;
                                      }});
    if (!done || read.error != 0)
        return nullptr;
    DocumentWindow* window = workspace.newDocumentWindow();
    window->text().setText(read.document.text);
    window->setTextFormat(read.document.format);
    window->setCaption(ParsePath(path, 6).toUpper());
    window->setDocumentPath(path);
    return window;
}

} // namespace

bool ShowSourceLine(Workspace& workspace, const QString& path, int line) {
    DocumentWindow* window = findWindow(workspace, path);
    if (!window)
        window = openWindow(workspace, path);
    if (!window)
        return false;
    workspace.activateDocument(*window);
    DocumentText text = window->text();
    text.setSelStart(LineStartPosition(text.text(), line));
    return true;
}

} // namespace orvane
