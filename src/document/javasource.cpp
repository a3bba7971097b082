#include "document/javasource.h"

namespace orvane {

bool HasJavaSource(const QString& text) {
    return text.contains(QStringLiteral("import java"), Qt::CaseInsensitive);
}

} // namespace orvane
