#pragma once

#include <QColor>

namespace orvane {

// `a` moved `share` of the way towards `b`: shades that sit between a palette's own colours.
inline QColor Blend(const QColor& a, const QColor& b, float share) {
    return QColor::fromRgbF(a.redF() * (1 - share) + b.redF() * share,
                            a.greenF() * (1 - share) + b.greenF() * share,
                            a.blueF() * (1 - share) + b.blueF() * share);
}

} // namespace orvane
