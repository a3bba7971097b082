#include "insert/awtcode.h"

#include "document/typedtext.h"

namespace orvane {

namespace {

const QString declarationIndent = QStringLiteral("     ");
const QString statementIndent = QStringLiteral("          ");
const QString lineBreak = QStringLiteral("\r\n");

QString Quoted(const QString& value) {
    return u'"' + value + u'"';
}

// "     Type name = new Type(arguments);"
QString Construct(const QString& type, const QString& name, const QString& arguments) {
    return declarationIndent + type + u' ' + name + QStringLiteral(" = new ") + type + u'(' +
           arguments + QStringLiteral(");");
}

// Declared as one line each, so the class body holds declarations only; the group is declared
// once per class.
QString RadioButtonDeclaration(const QString& name, const QString& caption, bool groupDeclared) {
    const QString button = declarationIndent + QStringLiteral("Checkbox ") + name +
                           QStringLiteral(" = new Checkbox(") + Quoted(caption) +
                           QStringLiteral(" ,false, RadioButtons);");
    if (groupDeclared)
        return button;
    return declarationIndent + QStringLiteral("CheckboxGroup RadioButtons = new CheckboxGroup();") +
           lineBreak + button;
}

QString Declaration(ObjectKind kind, const ObjectValues& v, bool groupDeclared) {
    switch (kind) {
    case ObjectKind::Label:
        return Construct(QStringLiteral("Label"), v.name, Quoted(v.caption));
    case ObjectKind::TextArea:
        return Construct(QStringLiteral("TextArea"), v.name, Quoted(v.text));
    case ObjectKind::TextField:
        return Construct(QStringLiteral("TextField"), v.name, Quoted(v.length));
    case ObjectKind::Font:
        return Construct(QStringLiteral("Font"), v.name,
                         Quoted(v.family) + QStringLiteral(", ") + v.style + QStringLiteral(", ") +
                             v.size);
    case ObjectKind::Checkbox:
        return Construct(QStringLiteral("Checkbox"), v.name, Quoted(v.caption));
    case ObjectKind::RadioButton:
        return RadioButtonDeclaration(v.name, v.caption, groupDeclared);
    case ObjectKind::Button:
        return Construct(QStringLiteral("Button"), v.name, Quoted(v.caption));
    case ObjectKind::Scrollbar:
        return Construct(
            QStringLiteral("Scrollbar"), v.name,
            QStringList{v.orientation, v.location, v.thumbSize, v.minimum, v.maximum}.join(
                QStringLiteral(", ")));
    }
    return {};
}

QString Statement(ObjectKind kind, const QString& name) {
    const QString add = statementIndent + QStringLiteral("add(") + name + QStringLiteral(");");
    switch (kind) {
    case ObjectKind::Font:
        // A font is no component: it becomes the container's own.
        return statementIndent + QStringLiteral("setFont(") + name + QStringLiteral(");");
    case ObjectKind::Checkbox:
    case ObjectKind::RadioButton:
        return add + lineBreak + statementIndent + name + QStringLiteral(".addItemListener(this);");
    case ObjectKind::Scrollbar:
        return add + lineBreak + statementIndent + name +
               QStringLiteral(".addAdjustmentListener(this);");
    default:
        return add;
    }
}

ObjectValues Trimmed(const ObjectValues& v) {
    return {TrimBlanks(v.name),      TrimBlanks(v.caption),     TrimBlanks(v.text),
            TrimBlanks(v.length),    TrimBlanks(v.family),      TrimBlanks(v.style),
            TrimBlanks(v.size),      TrimBlanks(v.orientation), TrimBlanks(v.location),
            TrimBlanks(v.thumbSize), TrimBlanks(v.minimum),     TrimBlanks(v.maximum)};
}

QStringList NumbersFromTo(int first, int last, int step) {
    QStringList numbers;
    for (int n = first; n <= last; n += step)
        numbers << QString::number(n);
    return numbers;
}

} // namespace

ObjectCode BuildObjectCode(ObjectKind kind, const ObjectValues& values, bool groupDeclared) {
    const ObjectValues trimmed = Trimmed(values);
    return {Declaration(kind, trimmed, groupDeclared), Statement(kind, trimmed.name)};
}

QStringList TextLengthChoices() {
    return NumbersFromTo(0, 50, 5);
}

QStringList FontFamilyChoices() {
    return {QStringLiteral("Courier"), QStringLiteral("Dialog"), QStringLiteral("Helvetica"),
            QStringLiteral("Symbol"), QStringLiteral("Times Roman")};
}

QStringList FontStyleChoices() {
    return {QStringLiteral("Font.PLAIN"), QStringLiteral("Font.BOLD"),
            QStringLiteral("Font.ITALIC"), QStringLiteral("Font.UNDERLINE")};
}

QStringList FontSizeChoices() {
    return NumbersFromTo(8, 72, 2);
}

QStringList ScrollbarOrientationChoices() {
    return {QStringLiteral("Scrollbar.HORIZONTAL"), QStringLiteral("Scrollbar.VERTICAL")};
}

} // namespace orvane
