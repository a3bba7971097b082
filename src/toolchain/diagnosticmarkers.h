#pragma once

#include "toolchain/javacdiagnostics.h"

#include <QObject>
#include <QTextCursor>

#include <functional>

namespace orvane {

class CodeEditor;

// The compiler's diagnostics shown in one editor: each a wavy underline over the text it is
// about, a sign in the line-number gutter, its message as their tooltip, and the message in the
// status line while the caret is on its line. A marker sits on text positions, so it moves with
// the text around it, and goes once its own line is edited.
class DiagnosticMarkers final : public QObject {
    Q_OBJECT
public:
    using StatusNote = std::function<void(const QString& text)>;

    // The markers of `editor`, made on first use; they live as long as the editor. Messages for
    // the status line go to `statusNote`.
    static DiagnosticMarkers& Of(CodeEditor& editor, StatusNote statusNote);
    static DiagnosticMarkers* Find(const CodeEditor& editor);

    // Replaces every marker with those of `diagnostics`, whose lines and columns count in the
    // editor's text as it is now; their paths are not looked at.
    void show(const QList<CompilerDiagnostic>& diagnostics);

    // Where each marker starts, in the order of the text.
    QList<int> positions() const;
    // The message of the marker under text position `position`, or empty text.
    QString messageAt(int position) const;
    // What the status line says while the caret is on line `line` (counted from 0).
    QString lineNote(int line) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Marker {
        QTextCursor span; // anchor at the start, position at the end
        DiagnosticKind kind;
        QString message;
        QString lineText; // the line as it was marked
    };

    DiagnosticMarkers(CodeEditor& editor, StatusNote statusNote);
    void dropEditedLines();
    void followCaret();
    void redraw();

    CodeEditor& editor_;
    StatusNote statusNote_;
    QList<Marker> markers_;
    QString shownNote_; // the note last given for the caret's line
};

} // namespace orvane
