#pragma once

#include "document/diskstamp.h"
#include "document/documenttext.h"
#include "document/editorfont.h"
#include "document/textformat.h"

#include <QMenuBar>
#include <QPointer>
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
    // The file as Orvane last read or wrote it. Recording it marks the text as unchanged since.
    const DiskStamp& diskStamp() const { return diskStamp_; }
    void recordFileUsed(const DiskStamp& stamp);
    // Takes `stamp` as seen without touching the text, when the user keeps a changed text.
    void setDiskStamp(const DiskStamp& stamp) { diskStamp_ = stamp; }
    // The text changed since the file was last read or written (or since the window opened).
    bool isChangedSinceFileUsed() const;
    // "Untitled", or the file's name in capitals.
    QString caption() const { return windowTitle(); }
    void setCaption(const QString& caption) { setWindowTitle(caption); }

    // Shown in the frame while this window is active; the frame holds it, this window owns it.
    QMenuBar& menuBar() const { return *menuBar_; }
    // Takes ownership of the menu bar the frame built for this window.
    void setMenuBar(QMenuBar* bar);
    // The item named `name` (`mnuFileSave`, `mnuViewStandard`, ...) of this window's menus.
    QAction* menuItem(const QString& name) const;

    void setEditorFont(const EditorFont& font);
    // Colouring, line numbers and the current-line band.
    void applyEditorOptions(const EditorOptions& options);

    // Applies the command enabling for this document's text as it is now.
    void applyCommandEnabling();

signals:
    // The document was just read from or written to `path`.
    void fileUsed(const QString& path);

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
    QPointer<QMenuBar> menuBar_;
    QString documentPath_;
    TextFormat textFormat_;
    DiskStamp diskStamp_;
    bool wasEmpty_ = true;
};

} // namespace orvane
