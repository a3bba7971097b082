#include "insert/objectrules.h"

#include "insert/javasource.h"

#include <QRegularExpression>

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

    const std::optional<MarkerEdit> declaration =
        InsertAtMarker(documentText, declarationMarker, code.declaration);
    if (!declaration)
        return Refuse(noJavaSourceProvided, true);
    const std::optional<MarkerEdit> statement =
        InsertAtMarker(ApplyEdit(documentText, *declaration), executionMarker, code.statement);
    if (!statement)
        return Refuse(QStringLiteral("Cannot read unformatted source code."), false,
                      {*declaration});
    return {{*declaration, *statement}, std::nullopt, !form.keepOpen};
}

} // namespace orvane
