#pragma once

#include "document/documenttext.h"
#include "document/editorfont.h"
#include "document/textformat.h"

#include <QMenuBar>
#include <QPointer>
#include <QWidget>

class QKeyEvent;
class QPlainTextEdit;

namespace orvane {

class Workspace;

// Form1: one plain text editor on one document, with its own menu bar.
class DocumentWindow final : public QWidget {
    Q_OBJECT
public:
    explicit DocumentWindow(Workspace& workspace);
    ~DocumentWindow() override;

    QPlainTextEdit& editor() const { return *txtDocument_; }
    DocumentText text() const { return DocumentText(*txtDocument_); }

    // Empty for a document never opened from or saved to a file.
    QString documentPath() const { return documentPath_; }
    void setDocumentPath(const QString& path) { documentPath_ = path; }
    // How the text is written to its file: encoding, line breaks, final line break.
    TextFormat textFormat() const { return textFormat_; }
    void setTextFormat(const TextFormat& format) { textFormat_ = format; }
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

    // Applies the command enabling for this document's text as it is now.
    void applyCommandEnabling();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void followEmptiness();
    bool isMenuShortcut(const QKeyEvent& key) const;

    Workspace& workspace_;
    QPlainTextEdit* txtDocument_;
    QPointer<QMenuBar> menuBar_;
    QString documentPath_;
    TextFormat textFormat_;
    bool wasEmpty_ = true;
};

} // namespace orvane
