#pragma once

#include <QSize>

class QWidget;

namespace orvane {

// Sizes `window` to its layout and places it in the middle of a screen of `screen` size, as
// every dialog does when it loads.
void CentreOnScreen(QWidget& window, const QSize& screen);

} // namespace orvane
