#pragma once

#include <QSize>

class QWidget;

namespace orvane {

// Places `window` in the middle of a screen of `screen` size, as every dialog does when it
// loads. A window its code has not sized takes the size its layout asks for first.
void CentreOnScreen(QWidget& window, const QSize& screen);

} // namespace orvane
