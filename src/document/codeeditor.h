#pragma once

#include <QPlainTextEdit>
#include <QTextCursor>

#include <array>

namespace orvane {

class SyntaxHighlighter;

// Kinds of marks the editor lays over its text, each set as a whole by its owner; later kinds
// are drawn over earlier ones.
enum class EditorLayer { CurrentLine, Diagnostics, Brackets, Count };

// A sign in the line-number gutter beside the line of `at`, and what its tooltip says.
struct GutterSign {
    enum class Shape { Disc, Triangle, Ring };
    QTextCursor at;
    QColor colour;
    Shape shape = Shape::Disc;
    QString toolTip;
};

// The document's text box: a plain text editor with an optional line-number gutter on its left
// and an optional band behind the caret's line.
class CodeEditor final : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CodeEditor(QWidget* parent = nullptr);

    // Colours this editor's document.
    SyntaxHighlighter& highlighter() const { return *highlighter_; }

    void setShowLineNumbers(bool show);
    bool showsCurrentLine() const { return currentLine_; }
    void setShowCurrentLine(bool show);

    // The gutter's width for the current line count and font; 0 while it is hidden.
    int gutterWidth() const;

    // Replaces the marks of `layer`; the others stay.
    void setLayer(EditorLayer layer, const QList<QTextEdit::ExtraSelection>& marks);
    const QList<QTextEdit::ExtraSelection>& layer(EditorLayer layer) const;

    // Replaces the signs in the gutter; they follow their lines as the text changes.
    void setGutterSigns(const QList<GutterSign>& signs);
    // The tooltip of the sign beside the line at `y` of the gutter, or empty text.
    QString gutterToolTip(int y) const;

protected:
    // Dropped files are for the frame to open, not their names to insert.
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    friend class LineNumberGutter;

    void paintGutter(QPaintEvent& event);
    void paintSign(QPainter& painter, const GutterSign& sign, int top) const;
    int signRoom() const;
    void updateGutterWidth();
    void updateGutter(const QRect& rect, int dy);
    void markCurrentLine();

    QWidget* gutter_;
    std::array<QList<QTextEdit::ExtraSelection>, static_cast<size_t>(EditorLayer::Count)> layers_;
    QList<GutterSign> signs_;
    SyntaxHighlighter* highlighter_;
    bool lineNumbers_ = true;
    bool currentLine_ = true;
};

} // namespace orvane
