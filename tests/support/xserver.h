#pragma once

#include <QProcess>
#include <QStandardPaths>
#include <QTest>

namespace orvane::test {

// An X server of the test's own, for the Java programs the test starts: DISPLAY names it while
// it lives. The test fails when Xvfb is missing (scripts/dependencies.sh installs it).
class XServer {
public:
    ~XServer() {
        display_.terminate();
        display_.waitForFinished();
    }

    [[nodiscard]] bool start(const QStringList& options = {}) {
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (xvfb.isEmpty()) {
            qWarning("Xvfb is not installed (scripts/dependencies.sh installs xvfb)");
            return false;
        }
        display_.start(xvfb, QStringList{QStringLiteral("-displayfd"), QStringLiteral("1"),
                                         QStringLiteral("-nolisten"), QStringLiteral("tcp")} +
                                 options);
        if (!display_.waitForStarted() ||
            !QTest::qWaitFor([this] { return display_.canReadLine(); }, 30000))
            return false;
        qputenv("DISPLAY", ":" + display_.readLine().trimmed());
        return true;
    }

private:
    QProcess display_;
};

} // namespace orvane::test
