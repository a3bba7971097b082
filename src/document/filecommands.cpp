#include "document/filecommands.h"

#include "document/documentfile.h"
#include "document/documentwindow.h"
#include "document/errorreport.h"
#include "document/errortrap.h"
#include "document/filedialogstate.h"
#include "document/workspace.h"
#include "platform/desktop.h"

#include <optional>

namespace orvane {

namespace {

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

void inform(Desktop& desktop, const QString& text) {
    desktop.showMessage(
        {text, QStringLiteral("Orvane"), MessageButtons::Ok, MessageIcon::Information});
}

// Every question here stands before a write that changes what is on disk: Enter keeps it.
bool asks(Desktop& desktop, const QString& question) {
    return desktop.showMessage({question, QStringLiteral("Orvane"), MessageButtons::YesNo,
                                MessageIcon::Question, MessageAnswer::No}) == MessageAnswer::Yes;
}

// The questions that stand before a write could lose something: another program's newer file,
// characters the file's encoding can't store, characters the editor turned into line breaks.
// Anything but Yes writes nothing. `format` may change to UTF-8 on the way.
bool mayWrite(Desktop& desktop, DocumentWindow& window, const QString& path, const QString& text,
              TextFormat& format) {
    const bool ownFile = path == window.documentPath();
    if (ownFile && FileChangedSince(window.diskSnapshot(), path)) {
        // Asked about here, the change is not asked about again when the frame looks at the disk.
        window.settleDisk(DiskSnapshot::Of(path));
        if (!asks(desktop, QStringLiteral("The file [") + path +
                               QStringLiteral("] has been changed by another program. Overwrite "
                                              "it with the text in Orvane?")))
            return false;
    }
    if (format.strayBytes && text != format.openedText) {
        if (!asks(desktop, QStringLiteral("The file [") + path +
                               QStringLiteral("] holds bytes that are not UTF-8, shown as their "
                                              "Windows-1252 characters. Save it as UTF-8?")))
            return false;
        format.strayBytes = false;
    }
    if (!FormatHolds(format, text)) {
        if (!asks(desktop, QStringLiteral("The file [") + path + QStringLiteral("] is stored in ") +
                               EncodingName(format.encoding) +
                               QStringLiteral(", which cannot hold some of the characters in it. "
                                              "Save it as UTF-8?")))
            return false;
        format.encoding = TextFormat::Encoding::Utf8;
    }
    if (ownFile && window.editorChangedFileText() && !window.isUnchanged())
        return asks(desktop,
                    QStringLiteral("The file [") + path +
                        QStringLiteral("] holds characters that Orvane shows as line "
                                       "breaks. Save it with line breaks in their place?"));
    return true;
}

// Writes the window's text to `path` and ties the window to it. False when nothing was written,
// Ignore after a failure included: the path and caption then stay as they were.
bool writeDocument(Desktop& desktop, DocumentWindow& window, const QString& path,
                   const QString& text) {
    TextFormat format = window.textFormat();
    if (!mayWrite(desktop, window, path, text, format))
        return false;
    const QByteArray bytes = EncodeDocumentText(text, format);
    bool written = false;
    RunTrappedSteps(desktop, {[&] {
                        const int failure = WriteDocumentFile(path, bytes);
                        written = failure == 0;
                        return failure;
                    }});
    if (written)
        window.markWritten(path, text, bytes, format);
    return written;
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
    return writeDocument(desktop, window, path, text);
}

// Open's rules for the file at `path`: only an ordinary file within the size limit, each refusal
// and failure reported. What was read, or nothing.
std::optional<ReadResult> readByOpenRules(Desktop& desktop, const QString& path) {
    ReadResult read;
    const bool done = RunTrappedSteps(desktop, {[&] {
                                          read = ReadDocumentFile(path);
                                          return read.error;
                                      }},
                                      false);
    // Ignore after a failed read leaves nothing to open: no window may claim a file not read.
    if (!done || read.error != 0)
        return std::nullopt;
    switch (read.refusal) {
    case ReadRefusal::TooLarge:
        inform(desktop,
               QStringLiteral("The file [") + path + QStringLiteral("] is too large to open."));
        return std::nullopt;
    case ReadRefusal::NotOrdinaryFile:
        inform(desktop, QStringLiteral("The file [") + path +
                            QStringLiteral("] is a device, a pipe or a socket, not a file that "
                                           "Orvane can open."));
        return std::nullopt;
    case ReadRefusal::None:
        break;
    }
    return read;
}

} // namespace

DocumentWindow* OpenDocumentFile(Workspace& workspace, const QString& path) {
    Desktop& desktop = workspace.desktop();
    const std::optional<ReadResult> read = readByOpenRules(desktop, path);
    if (!read)
        return nullptr;
    BusyPointer busy(desktop);
    DocumentWindow* window = workspace.newDocumentWindow();
    window->showFileText(path, read->document, read->disk);
    workspace.activateDocument(*window);
    return window;
}

bool ReloadDocumentFile(Workspace& workspace, DocumentWindow& window) {
    const QString path = window.documentPath();
    const std::optional<ReadResult> read = readByOpenRules(workspace.desktop(), path);
    if (read)
        window.reloadFileText(read->document, read->disk);
    return read.has_value();
}

void OpenDocument(Workspace& workspace) {
    QString path;
    if (RunTrappedSteps(workspace.desktop(), {[&] {
                            return askFileName(workspace, &Desktop::askOpenFileName, path);
                        }},
                        false))
        OpenDocumentFile(workspace, path);
}

bool SaveDocument(Workspace& workspace, DocumentWindow& window) {
    const QString text = window.text().text();
    if (text.isEmpty()) {
        inform(workspace.desktop(), QStringLiteral("Cannot save a blank document."));
        return false;
    }
    if (window.caption() != u"Untitled")
        return writeDocument(workspace.desktop(), window, window.documentPath(), text);
    return saveAs(workspace, window, text);
}

} // namespace orvane
