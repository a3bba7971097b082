#include "document/documentwindow.h"

#include "document/closerule.h"
#include "document/codeeditor.h"
#include "document/editoroptions.h"
#include "document/parsepath.h"
#include "document/syntaxhighlighter.h"
#include "document/workspace.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>

namespace orvane {

DocumentWindow::DocumentWindow(Workspace& workspace)
    : workspace_(workspace), txtDocument_(new CodeEditor(this)) {
    setObjectName(QStringLiteral("Form1"));
    setCaption(QStringLiteral("Untitled"));

    txtDocument_->setObjectName(QStringLiteral("txtDocument"));
    txtDocument_->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtDocument_->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(txtDocument_);
    setFocusProxy(txtDocument_);

    connect(txtDocument_, &QPlainTextEdit::textChanged, this, &DocumentWindow::followEmptiness);
    connect(txtDocument_, &QPlainTextEdit::textChanged, this, [this] {
        if (documentPath_.isEmpty())
            chooseColouring();
    });
}

QPlainTextEdit& DocumentWindow::editor() const {
    return *txtDocument_;
}

void DocumentWindow::setDocumentPath(const QString& path) {
    const bool changed = path != documentPath_;
    documentPath_ = path;
    chooseColouring();
    if (changed)
        emit documentPathChanged(path);
}

void DocumentWindow::applyEditorOptions(const EditorOptions& options) {
    txtDocument_->setShowLineNumbers(options.lineNumbers);
    txtDocument_->setShowCurrentLine(options.currentLine);
    colouring_ = options.colouring;
    chooseColouring();
}

// A document with no file is coloured as Java once it holds Java source, so this also runs on
// every change of an untitled text; the line breaks' form does not matter to that test.
void DocumentWindow::chooseColouring() {
    txtDocument_->highlighter().setLanguage(
        colouring_ ? ColouringLanguage(documentPath_, txtDocument_->document()->toRawText())
                   : SyntaxLanguage::None);
}

DocumentWindow::~DocumentWindow() = default;

void DocumentWindow::showFileText(const QString& path, const DecodedText& document,
                                  const DiskSnapshot& disk) {
    // The path first: it chooses the colouring, which then goes in with the text at once.
    setDocumentPath(path);
    text().setText(document.text);
    textFormat_ = document.format;
    textFormat_.openedText = text().text();
    editorChangedFileText_ = textFormat_.openedText != document.text;
    disk_ = disk;
    setCaption(ParsePath(path, 6).toUpper());
    settledDisk_ = {};
    differsFromDisk_ = false;
    emit fileUsed(path);
}

void DocumentWindow::reloadFileText(const DecodedText& document, const DiskSnapshot& disk) {
    QTextCursor caret = txtDocument_->textCursor();
    const int line = caret.blockNumber();
    const int column = caret.positionInBlock();
    const int firstLine = txtDocument_->verticalScrollBar()->value();
    QTextCursor all(txtDocument_->document());
    all.beginEditBlock();
    all.select(QTextCursor::Document);
    all.insertText(document.text);
    all.endEditBlock();
    const QTextBlock block = txtDocument_->document()->findBlockByNumber(
        std::min(line, txtDocument_->document()->blockCount() - 1));
    caret.setPosition(block.position() + std::min(column, block.length() - 1));
    txtDocument_->setTextCursor(caret);
    txtDocument_->verticalScrollBar()->setValue(firstLine);
    textFormat_ = document.format;
    textFormat_.openedText = text().text();
    editorChangedFileText_ = textFormat_.openedText != document.text;
    disk_ = disk;
    settledDisk_ = {};
    differsFromDisk_ = false;
    emit fileUsed(documentPath_);
}

void DocumentWindow::showRecoveredText(const QString& path, const QString& text,
                                       const TextFormat& format, const DiskSnapshot& disk) {
    setDocumentPath(path);
    this->text().setText(text);
    textFormat_ = format;
    disk_ = disk;
    differsFromDisk_ = true;
    if (!path.isEmpty())
        setCaption(ParsePath(path, 6).toUpper());
}

void DocumentWindow::markWritten(const QString& path, const QString& text, const QByteArray& bytes,
                                 const TextFormat& format) {
    // Bytes encoded from the editor's text hold its line breaks, no longer the file's characters.
    if (text != format.openedText)
        editorChangedFileText_ = false;
    textFormat_ = format;
    textFormat_.openedText = text;
    textFormat_.openedBytes = bytes;
    disk_ = DiskSnapshot::Of(path, bytes);
    setDocumentPath(path);
    setCaption(ParsePath(path, 6).toUpper());
    settledDisk_ = {};
    differsFromDisk_ = false;
    emit fileUsed(path);
    emit fileWritten(path);
}

bool DocumentWindow::isUnchanged() const {
    return !differsFromDisk_ && disk_.recorded && text().text() == textFormat_.openedText;
}

void DocumentWindow::setEditorFont(const EditorFont& choice) {
    QFont font(choice.family);
    font.setPointSizeF(choice.pointSize);
    font.setStyleHint(QFont::TypeWriter);
    txtDocument_->setFont(font);
}

void DocumentWindow::applyCommandEnabling() {
    wasEmpty_ = text().isEmpty();
    emit commandStateChanged(wasEmpty_);
}

// The commands follow the text as the user types, not only when the editor regains the focus,
// so a new document's Save and Print come alive with its first character.
void DocumentWindow::followEmptiness() {
    if (text().isEmpty() != wasEmpty_)
        applyCommandEnabling();
}

// The editor claims Ctrl+X, Ctrl+C, Ctrl+V and Ctrl+A for itself. Leaving them to the enabled
// Edit items keeps the clipboard in the document's own form: the editor's copy would turn
// non-breaking spaces into blanks. The frame's commands are its own actions.
bool DocumentWindow::isMenuShortcut(const QKeyEvent& key) const {
    const QKeySequence pressed(key.keyCombination());
    const QList<QAction*> items = window()->findChildren<QAction*>(Qt::FindDirectChildrenOnly);
    return std::any_of(items.cbegin(), items.cend(), [&pressed](const QAction* item) {
        return item->isEnabled() && item->shortcuts().contains(pressed);
    });
}

bool DocumentWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtDocument_) {
        if (event->type() == QEvent::FocusIn)
            applyCommandEnabling();
        else if (event->type() == QEvent::ShortcutOverride &&
                 isMenuShortcut(*static_cast<QKeyEvent*>(event)))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

void DocumentWindow::closeEvent(QCloseEvent* event) {
    if (ApplyCloseRule(workspace_, *this))
        event->accept();
    else
        event->ignore();
}

} // namespace orvane
