#pragma once

#include <QPlainTextEdit>

namespace orvane {

class SyntaxHighlighter;

// The document's text box: a plain text editor with an optional line-number gutter on its left
// and an optional band behind the caret's line.
class CodeEditor final : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CodeEditor(QWidget* parent = nullptr);

    // Colours this editor's document.
    SyntaxHighlighter& highlighter() const { return *highlighter_; }

    bool showsLineNumbers() const { return lineNumbers_; }
    void setShowLineNumbers(bool show);
    bool showsCurrentLine() const { return currentLine_; }
    void setShowCurrentLine(bool show);

    // The gutter's width for the current line count and font; 0 while it is hidden.
    int gutterWidth() const;

protected:
    // Dropped files are for the frame to open, not their names to insert.
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    friend class LineNumberGutter;

    void paintGutter(QPaintEvent& event);
    void updateGutterWidth();
    void updateGutter(const QRect& rect, int dy);
    void markCurrentLine();

    QWidget* gutter_;
    SyntaxHighlighter* highlighter_;
    bool lineNumbers_ = true;
    bool currentLine_ = true;
};

} // namespace orvane
