#pragma once

#include <QString>
#include <QStringList>

namespace orvane {

enum class ObjectKind {
    Label,
    TextArea,
    TextField,
    Font,
    Checkbox,
    RadioButton,
    Button,
    Scrollbar
};

// The values typed or chosen for one object; each kind reads only its own fields.
struct ObjectValues {
    QString name{};
    QString caption{};     // label, checkbox, radio button, button
    QString text{};        // text area
    QString length{};      // text field
    QString family{};      // font
    QString style{};       // font, a Java expression such as Font.BOLD
    QString size{};        // font, in points
    QString orientation{}; // scrollbar, a Java expression such as Scrollbar.VERTICAL
    QString location{};    // scrollbar thumb
    QString thumbSize{};   // scrollbar thumb
    QString minimum{};     // scrollbar
    QString maximum{};     // scrollbar
};

// The declaration goes among the class's globals, the statement among the code that builds the
// user interface. Neither ends in a line break.
struct ObjectCode {
    QString declaration;
    QString statement;
};

// Values are trimmed of blanks and otherwise written as they stand, unchecked and unescaped.
// A radio button declares the group "RadioButtons" too, unless `groupDeclared` says the class
// already has it.
ObjectCode BuildObjectCode(ObjectKind kind, const ObjectValues& values, bool groupDeclared = false);

// The choices the Insert Object dialog's lists offer, in order.
QStringList TextLengthChoices();
QStringList FontFamilyChoices();
QStringList FontStyleChoices();
QStringList FontSizeChoices();
QStringList ScrollbarOrientationChoices();

} // namespace orvane
