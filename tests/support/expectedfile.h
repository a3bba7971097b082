#pragma once

#include <QFile>
#include <QString>

namespace orvane::test {

// The text of tests/rules/expected/<file>. A missing file gives a text no generator writes, so
// the comparison fails and names the file.
inline QString ExpectedFile(const QString& file) {
    QFile golden(qEnvironmentVariable("ORVANE_SOURCE_DIR") +
                 QStringLiteral("/tests/rules/expected/") + file);
    return golden.open(QIODevice::ReadOnly) ? QString::fromUtf8(golden.readAll())
                                            : QStringLiteral("<missing %1>").arg(golden.fileName());
}

} // namespace orvane::test
