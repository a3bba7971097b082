#include "document/editorfont.h"

namespace orvane {

namespace {

// Qt refuses point sizes above this; nothing below one point is legible.
constexpr double largestPointSize = 1638;

} // namespace

bool IsUsableFontSize(const QString& size) {
    bool ok = false;
    const float points = size.trimmed().toFloat(&ok);
    return ok && points >= 1 && points <= largestPointSize;
}

EditorFont ChooseEditorFont(const QString& name, const QString& size) {
    if (name.isEmpty() || !IsUsableFontSize(size))
        return builtInEditorFont;
    return {name, size.trimmed().toFloat()};
}

} // namespace orvane
