#pragma once

#include <QIcon>

namespace orvane {

// Orvane's own icon, drawn in code: a source page with braces. Needs a QGuiApplication.
QIcon ProgramIcon();

} // namespace orvane
