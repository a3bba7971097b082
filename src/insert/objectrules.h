#pragma once

#include "insert/awtcode.h"
#include "insert/insertoutcome.h"

#include <QList>
#include <QString>

#include <array>
#include <optional>

namespace orvane {

// The comments of a generated source below which Insert Object puts its code.
inline const QString declarationMarker = QStringLiteral("// Declare global variables here");
inline const QString executionMarker = QStringLiteral("// Execution code goes here");

// One change of the document: the `length` characters at `position` become `replacement`; the
// caret then stands after the replacement.
struct MarkerEdit {
    int position = 0;
    int length = 0;
    QString replacement;
};

// Puts `text` on a line of its own directly below the first occurrence of `marker` (letter case
// ignored): the marker keeps its own letters and gets a CR LF after it, and what followed the
// marker now follows the text. Nothing when the marker does not occur.
std::optional<MarkerEdit> InsertAtMarker(const QString& documentText, const QString& marker,
                                         const QString& text);
QString ApplyEdit(const QString& documentText, const MarkerEdit& edit);

// The Insert Object dialog's tabs, in order.
enum class ObjectPage { Label, Text, Font, Options, Button, Scrollbar };
constexpr int objectPageCount = 6;

// What the Insert Object dialog holds when "&OK" is pressed.
struct ObjectForm {
    ObjectPage page = ObjectPage::Label;
    bool textAreaChosen = false;
    bool textFieldChosen = false;
    bool checkboxChosen = false;
    bool radioChosen = false;
    std::array<ObjectValues, objectPageCount> values; // the fields of each tab, by page
    bool keepOpen = false;
};

// The edits are applied in order, each to the text the one before left; a message, if any, is
// shown after them.
struct ObjectOutcome {
    QList<MarkerEdit> edits;
    std::optional<Message> message;
    bool closesDialog = true;
};

// Insert Object's "&OK": a Java document, a type on the Text and Options tabs, then both
// markers. A missing execution marker leaves the declaration already inserted.
ObjectOutcome InsertObject(const ObjectForm& form, const QString& documentText);

} // namespace orvane
