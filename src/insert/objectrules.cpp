#include "insert/objectrules.h"

#include "document/javasource.h"

#include <QRegularExpression>

#include <utility>

namespace orvane {

namespace {

const QString noJavaSourceProvided = QStringLiteral("No Java source code provided.");

ObjectOutcome Refuse(const QString& text, bool closesDialog, QList<MarkerEdit> edits = {}) {
    return {std::move(edits), InsertNotice(text), closesDialog};
}

// The kind the form describes, or the refusal when its tab still needs a type.
std::optional<ObjectKind> KindOf(const ObjectForm& form) {
    switch (form.page) {
    case ObjectPage::Label:
        return ObjectKind::Label;
    case ObjectPage::Text:
        if (form.textAreaChosen)
            return ObjectKind::TextArea;
        if (form.textFieldChosen)
            return ObjectKind::TextField;
        return std::nullopt;
    case ObjectPage::Font:
        return ObjectKind::Font;
    case ObjectPage::Options:
        if (form.checkboxChosen)
            return ObjectKind::Checkbox;
        if (form.radioChosen)
            return ObjectKind::RadioButton;
        return std::nullopt;
    case ObjectPage::Button:
        return ObjectKind::Button;
    case ObjectPage::Scrollbar:
        return ObjectKind::Scrollbar;
    }
    return std::nullopt;
}

// The radio buttons' group, as an earlier radio button (or the user) declared it.
bool DeclaresRadioButtonGroup(const QString& documentText) {
    static const QRegularExpression group(QStringLiteral("\\bCheckboxGroup\\s+RadioButtons\\b"));
    return documentText.contains(group);
}

// Newer declarations go above older ones, and a field may not use one declared below it: a
// group line below the declaration marker moves up with the new radio button. The edit that
// takes the line out, and the line itself without its line break.
std::optional<std::pair<MarkerEdit, QString>> GroupLineToMove(const QString& documentText) {
    static const QRegularExpression line(
        QStringLiteral("^[ \\t]*CheckboxGroup[ \\t]+RadioButtons\\b[^\r\n]*(\r\n|\n|\r)?"),
        QRegularExpression::MultilineOption);
    const qsizetype marker = documentText.indexOf(declarationMarker, 0, Qt::CaseInsensitive);
    if (marker < 0)
        return std::nullopt;
    const QRegularExpressionMatch found =
        line.match(documentText, marker + declarationMarker.size());
    if (!found.hasMatch())
        return std::nullopt;
    return std::pair{MarkerEdit{int(found.capturedStart()), int(found.capturedLength()), {}},
                     found.captured().chopped(found.capturedLength(1))};
}

} // namespace

std::optional<MarkerEdit> InsertAtMarker(const QString& documentText, const QString& marker,
                                         const QString& text) {
    const qsizetype found = documentText.indexOf(marker, 0, Qt::CaseInsensitive);
    if (found < 0)
        return std::nullopt;
    const QString ownLetters = documentText.mid(found, marker.size());
    return MarkerEdit{int(found), int(marker.size()), ownLetters + QStringLiteral("\r\n") + text};
}

QString ApplyEdit(const QString& documentText, const MarkerEdit& edit) {
    QString changed = documentText;
    return changed.replace(edit.position, edit.length, edit.replacement);
}

ObjectOutcome InsertObject(const ObjectForm& form, const QString& documentText) {
    if (!HasJavaSource(documentText))
        return Refuse(noJavaSourceProvided, true);
    const std::optional<ObjectKind> kind = KindOf(form);
    if (!kind) {
        return Refuse(form.page == ObjectPage::Text
                          ? QStringLiteral("Text control requires a type.")
                          : QStringLiteral("Option control requires a type."),
                      false);
    }
    const ObjectCode code = BuildObjectCode(*kind, form.values.at(int(form.page)),
                                            DeclaresRadioButtonGroup(documentText));

    QList<MarkerEdit> edits;
    QString text = documentText;
    QString declarationText = code.declaration;
    if (*kind == ObjectKind::RadioButton) {
        if (const auto group = GroupLineToMove(text)) {
            edits.append(group->first);
            text = ApplyEdit(text, group->first);
            declarationText = group->second + QStringLiteral("\r\n") + declarationText;
        }
    }
    const std::optional<MarkerEdit> declaration =
        InsertAtMarker(text, declarationMarker, declarationText);
    if (!declaration)
        return Refuse(noJavaSourceProvided, true);
    edits.append(*declaration);
    const std::optional<MarkerEdit> statement =
        InsertAtMarker(ApplyEdit(text, *declaration), executionMarker, code.statement);
    if (!statement)
        return Refuse(QStringLiteral("Cannot read unformatted source code."), false, edits);
    edits.append(*statement);
    return {edits, std::nullopt, !form.keepOpen};
}

} // namespace orvane
