#include "toolchain/diagnosticmarkers.h"

#include "document/codeeditor.h"
#include "toolchain/diagnosticspan.h"

#include <QHelpEvent>
#include <QTextBlock>
#include <QToolTip>

#include <algorithm>

namespace orvane {

namespace {

// Strong enough to read on the editor's background, whether the theme is light or dark.
QColor kindColour(DiagnosticKind kind, const QPalette& palette) {
    const bool dark = palette.color(QPalette::Base).lightness() < 128;
    switch (kind) {
    case DiagnosticKind::Error:
        return QColor::fromHsl(0, 200, dark ? 165 : 100);
    case DiagnosticKind::Warning:
        return QColor::fromHsl(38, 220, dark ? 140 : 85);
    case DiagnosticKind::Note:
        break;
    }
    return palette.color(QPalette::Link);
}

GutterSign::Shape kindShape(DiagnosticKind kind) {
    switch (kind) {
    case DiagnosticKind::Error:
        return GutterSign::Shape::Disc;
    case DiagnosticKind::Warning:
        return GutterSign::Shape::Triangle;
    case DiagnosticKind::Note:
        break;
    }
    return GutterSign::Shape::Ring;
}

QString kindWord(DiagnosticKind kind) {
    switch (kind) {
    case DiagnosticKind::Error:
        return QStringLiteral("Error");
    case DiagnosticKind::Warning:
        return QStringLiteral("Warning");
    case DiagnosticKind::Note:
        break;
    }
    return QStringLiteral("Note");
}

} // namespace

DiagnosticMarkers::DiagnosticMarkers(CodeEditor& editor, StatusNote statusNote)
    : QObject(&editor), editor_(editor), statusNote_(std::move(statusNote)) {
    setObjectName(QStringLiteral("diagnosticMarkers"));
    connect(editor.document(), &QTextDocument::contentsChange, this,
            &DiagnosticMarkers::dropEditedLines);
    connect(&editor, &QPlainTextEdit::cursorPositionChanged, this, &DiagnosticMarkers::followCaret);
    editor.viewport()->installEventFilter(this);
}

DiagnosticMarkers& DiagnosticMarkers::Of(CodeEditor& editor, StatusNote statusNote) {
    if (DiagnosticMarkers* markers = Find(editor))
        return *markers;
    return *new DiagnosticMarkers(editor, std::move(statusNote));
}

DiagnosticMarkers* DiagnosticMarkers::Find(const CodeEditor& editor) {
    return editor.findChild<DiagnosticMarkers*>(QString(), Qt::FindDirectChildrenOnly);
}

void DiagnosticMarkers::show(const QList<CompilerDiagnostic>& diagnostics) {
    markers_.clear();
    QTextDocument* document = editor_.document();
    for (const CompilerDiagnostic& diagnostic : diagnostics) {
        const QTextBlock line = document->findBlockByNumber(diagnostic.line - 1);
        if (!line.isValid())
            continue;
        const QString text = line.text();
        const MarkedSpan span = DiagnosticSpan(text, diagnostic.column, diagnostic.endColumn);
        QTextCursor cursor(document);
        cursor.setPosition(line.position() + span.start);
        cursor.setPosition(line.position() + span.end, QTextCursor::KeepAnchor);
        markers_.append({cursor, diagnostic.kind, diagnostic.message, text});
    }
    std::stable_sort(markers_.begin(), markers_.end(), [](const Marker& a, const Marker& b) {
        return a.span.anchor() < b.span.anchor();
    });
    shownNote_.clear();
    redraw();
    followCaret();
}

QList<int> DiagnosticMarkers::positions() const {
    QList<int> starts;
    for (const Marker& marker : markers_)
        starts.append(marker.span.anchor());
    return starts;
}

QString DiagnosticMarkers::messageAt(int position) const {
    QStringList messages;
    for (const Marker& marker : markers_) {
        if (marker.span.anchor() <= position && position <= marker.span.position())
            messages.append(marker.message);
    }
    return messages.join(u'\n');
}

QString DiagnosticMarkers::lineNote(int line) const {
    const auto found = std::ranges::find_if(
        markers_, [line](const Marker& marker) { return marker.span.blockNumber() == line; });
    if (found == markers_.end())
        return {};
    return kindWord(found->kind) + QStringLiteral(": ") +
           QString(found->message).replace(u'\n', QStringLiteral("; "));
}

// Called for every change, colouring included: a marker goes only when its line's text did.
void DiagnosticMarkers::dropEditedLines() {
    const qsizetype before = markers_.size();
    markers_.removeIf(
        [](const Marker& marker) { return marker.span.block().text() != marker.lineText; });
    if (markers_.size() != before)
        redraw();
}

void DiagnosticMarkers::followCaret() {
    const QString note = lineNote(editor_.textCursor().blockNumber());
    if (note == shownNote_)
        return;
    shownNote_ = note;
    if (!note.isEmpty() && statusNote_)
        statusNote_(note);
}

void DiagnosticMarkers::redraw() {
    QList<QTextEdit::ExtraSelection> underlines;
    QList<GutterSign> signs;
    const QPalette& palette = editor_.palette();
    for (const Marker& marker : markers_) {
        const QColor colour = kindColour(marker.kind, palette);
        QTextEdit::ExtraSelection underline;
        underline.cursor = marker.span;
        underline.format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
        underline.format.setUnderlineColor(colour);
        underlines.append(underline);
        signs.append({marker.span, colour, kindShape(marker.kind),
                      kindWord(marker.kind) + QStringLiteral(": ") + marker.message});
    }
    editor_.setLayer(EditorLayer::Diagnostics, underlines);
    editor_.setGutterSigns(signs);
}

bool DiagnosticMarkers::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ToolTip && watched == editor_.viewport()) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QString message = messageAt(editor_.cursorForPosition(help->pos()).position());
        if (message.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), message, editor_.viewport());
        return true;
    }
    if (event->type() == QEvent::PaletteChange)
        redraw();
    return QObject::eventFilter(watched, event);
}

} // namespace orvane
