#include "document/filecommands.h"

#include "document/documentfile.h"
#include "document/documentwindow.h"
#include "document/errorreport.h"
#include "document/filedialogstate.h"
#include "document/errortrap.h"
#include "document/parsepath.h"
#include "document/workspace.h"
#include "platform/desktop.h"

namespace orvane {

namespace {

constexpr qint64 largestOpenedFile = 65000;

QStringList documentFilters() {
    return {QStringLiteral("Java Files (*.java)"), QStringLiteral("HTML Files (*.html)"),
            QStringLiteral("Text Files (*.txt)"), QStringLiteral("All Files (*)")};
}

using FileQuestion = std::optional<QString> (Desktop::*)(const FileDialogRequest&);

// Shows Open or Save As with the file name the dialog holds from its last use; Cancel fails as
// the error the trap passes over silently.
int askFileName(Workspace& workspace, FileQuestion ask, QString& path) {
    FileDialogState& state = workspace.fileDialog();
    const std::optional<QString> chosen =
        (workspace.desktop().*ask)({documentFilters(), 0, state.fileName});
    if (!chosen)
        return ErrorNumber::Cancelled;
    state.fileName = *chosen;
    path = *chosen;
    return 0;
}

QString captionFor(const QString& path) {
    return ParsePath(path, 6).toUpper();
}

void inform(Desktop& desktop, const QString& text) {
    desktop.showMessage(
        {text, QStringLiteral("Orvane"), MessageButtons::Ok, MessageIcon::Information});
}

bool saveWithoutDialog(Desktop& desktop, DocumentWindow& window, const QString& text) {
    const QString path = window.documentPath();
    return RunTrappedSteps(desktop,
                           {
                               [&] { return WriteDocumentFile(path, text, window.textFormat()); },
                               [&] {
                                   window.setCaption(captionFor(path));
                                   return 0;
                               },
                           });
}

bool saveAs(Workspace& workspace, DocumentWindow& window, const QString& text) {
    Desktop& desktop = workspace.desktop();
    QString path;
    workspace.fileDialog().fileName = QStringLiteral("untitled");
    if (!RunTrappedSteps(desktop, {[&] {
                             return askFileName(workspace, &Desktop::askSaveFileName, path);
                         }},
                         false))
        return false;
    return RunTrappedSteps(desktop,
                           {
                               [&] { return WriteDocumentFile(path, text, window.textFormat()); },
                               [&] {
                                   window.setDocumentPath(path);
                                   window.setCaption(captionFor(path));
                                   return 0;
                               },
                           });
}

} // namespace

void OpenDocument(Workspace& workspace) {
    Desktop& desktop = workspace.desktop();
    QString path;
    bool tooLarge = false;
    const bool chosen =
        RunTrappedSteps(desktop,
                        {
                            [&] { return askFileName(workspace, &Desktop::askOpenFileName, path); },
                            [&] {
                                const SizeResult size = DocumentFileSize(path);
                                tooLarge = size.bytes > largestOpenedFile;
                                return size.error;
                            },
                        },
                        false);
    if (!chosen)
        return;
    if (tooLarge) {
        inform(desktop,
               QStringLiteral("The file [") + path + QStringLiteral("] is too large to open."));
        return;
    }
    ReadResult read;
    RunTrappedSteps(desktop, {
                                 [&] {
                                     read = ReadDocumentFile(path);
                                     return read.error;
                                 },
                                 [&] {
                                     DocumentWindow* window = workspace.newDocumentWindow();
                                     window->text().setText(read.document.text);
                                     window->setTextFormat(read.document.format);
                                     window->setCaption(captionFor(path));
                                     workspace.activateDocument(*window);
                                     window->setDocumentPath(path);
                                     return 0;
                                 },
                             });
}

bool SaveDocument(Workspace& workspace, DocumentWindow& window) {
    const QString text = window.text().text();
    if (text.isEmpty()) {
        inform(workspace.desktop(), QStringLiteral("Cannot save a blank document."));
        return false;
    }
    if (window.caption() != u"Untitled")
        return saveWithoutDialog(workspace.desktop(), window, text);
    return saveAs(workspace, window, text);
}

} // namespace orvane
