#pragma once

#include "document/disksnapshot.h"
#include "document/documenttext.h"
#include "document/editorfont.h"
#include "document/textformat.h"

#include <QWidget>

class QKeyEvent;
class QPlainTextEdit;

namespace orvane {

class CodeEditor;
class Workspace;
struct EditorOptions;

// Form1: one plain text editor on one document, with its own menu bar.
class DocumentWindow final : public QWidget {
    Q_OBJECT
public:
    explicit DocumentWindow(Workspace& workspace);
    ~DocumentWindow() override;

    QPlainTextEdit& editor() const;
    const CodeEditor& codeEditor() const { return *txtDocument_; }
    DocumentText text() const { return DocumentText(editor()); }

    // Empty for a document never opened from or saved to a file.
    QString documentPath() const { return documentPath_; }
    void setDocumentPath(const QString& path);
    // How the text is written to its file: encoding, line breaks, final line break.
    TextFormat textFormat() const { return textFormat_; }
    void setTextFormat(const TextFormat& format) { textFormat_ = format; }
    // "Untitled", or the file's name in capitals.
    QString caption() const { return windowTitle(); }
    void setCaption(const QString& caption) { setWindowTitle(caption); }

    // Shows the text just read from the file at `path` and ties the window to it. The text as the
    // editor then holds it is what the document counts as unchanged against.
    void showFileText(const QString& path, const DecodedText& document, const DiskSnapshot& disk);
    // The same for the file read again: one undoable step, and the caret's line and column and
    // the first line in view stay where they were, as far as the new text reaches.
    void reloadFileText(const DecodedText& document, const DiskSnapshot& disk);
    // Shows a text kept from an earlier run, tied to `path` (empty for an untitled one) but
    // counted as changed: the file itself is not touched until the user saves.
    void showRecoveredText(const QString& path, const QString& text, const TextFormat& format,
                           const DiskSnapshot& disk);
    // Ties the window to the file at `path`, which now holds `text` as `bytes` in `format`.
    void markWritten(const QString& path, const QString& text, const QByteArray& bytes,
                     const TextFormat& format);
    // True while the text is what was last read from or written to the file.
    bool isUnchanged() const;
    // The file no longer holds the text (it was removed, replaced, or the user kept the text over
    // another program's change): the window counts as changed until it is saved or read again.
    void markDiffersFromDisk() { differsFromDisk_ = true; }
    // What the disk held at the document path when Orvane last read or wrote it.
    const DiskSnapshot& diskSnapshot() const { return disk_; }
    // The file held characters that the editor shows as line breaks (U+2028, U+FDD0, ...), so
    // writing an edited text would put line breaks in their place.
    bool editorChangedFileText() const { return editorChangedFileText_; }
    // The file as it was when the user was last asked or told about another program's change,
    // so the same change is not brought up again; the save still asks before writing.
    const DiskSnapshot& settledDisk() const { return settledDisk_; }
    void settleDisk(const DiskSnapshot& disk) { settledDisk_ = disk; }

    void setEditorFont(const EditorFont& font);
    // Colouring, line numbers and the current-line band.
    void applyEditorOptions(const EditorOptions& options);

    // Announces the command enabling for this document's text as it is now.
    void applyCommandEnabling();

signals:
    // The commands that need text are to be enabled exactly when `empty` is false: on focus, and
    // as the text turns empty or not.
    void commandStateChanged(bool empty);
    // The document was just read from or written to its file at `path`.
    void fileUsed(const QString& path);
    // The document's text was just written to its file at `path`.
    void fileWritten(const QString& path);
    // The window now stands for the file at `path`, or for none when it is empty.
    void documentPathChanged(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void followEmptiness();
    void chooseColouring();
    bool isMenuShortcut(const QKeyEvent& key) const;

    Workspace& workspace_;
    CodeEditor* txtDocument_;
    bool colouring_ = true;
    QString documentPath_;
    TextFormat textFormat_;
    DiskSnapshot disk_;
    DiskSnapshot settledDisk_;
    bool editorChangedFileText_ = false;
    bool differsFromDisk_ = false;
    bool wasEmpty_ = true;
};

} // namespace orvane
