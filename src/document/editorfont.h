#pragma once

#include <QString>

namespace orvane {

struct EditorFont {
    QString family;
    double pointSize = 0;
    friend bool operator==(const EditorFont&, const EditorFont&) = default;
};

inline const EditorFont builtInEditorFont{QStringLiteral("Courier New"), 11};

// A stored font size is usable when it is a number of points a font can have.
bool IsUsableFontSize(const QString& size);

// The editor font from the stored name and size: the built-in font when the name is empty or
// the size is not usable.
EditorFont ChooseEditorFont(const QString& name, const QString& size);

} // namespace orvane
