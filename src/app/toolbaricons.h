#pragma once

#include <QIcon>

namespace orvane {

// Orvane's pictures are drawn in code, so they need a QGuiApplication. Each icon carries a 16x16
// and a 32x32 pixmap so it stays sharp on high-DPI screens. Numbers outside the range give a null
// icon.

// Standard toolbar, 1..11: New, Open, Save, Print, Cut, Copy, Paste, Find, Help, Preview, Run.
QIcon StandardToolbarImage(int image);

// Object toolbar, 1..8: Label, Font, Text field, Text area, Checkbox, Radio button, Button,
// Scrollbar.
QIcon ObjectToolbarImage(int image);

// The frame's window icon, and the document windows'.
QIcon ProgramIcon();
QIcon DocumentIcon();

} // namespace orvane
