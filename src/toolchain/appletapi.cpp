#include "toolchain/appletapi.h"

#include <QRegularExpression>

namespace orvane {

QStringList AppletApiOptions(AppletApi api, const QString& apiJar) {
    if (api == AppletApi::Jdk)
        return {};
    return {QStringLiteral("--patch-module"), QStringLiteral("java.desktop=") + apiJar,
            QStringLiteral("--add-exports"),
            QStringLiteral("java.desktop/java.applet=ALL-UNNAMED")};
}

std::optional<bool> AppletClassesFromRelease(const QString& releaseText) {
    static const QRegularExpression version(
        QStringLiteral(R"(^JAVA_VERSION\s*=\s*"?(\d+)(?:\.(\d+))?)"),
        QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = version.match(releaseText);
    if (!match.hasMatch())
        return std::nullopt;
    int major = match.captured(1).toInt();
    // "1.8.0" is Java 8.
    if (major == 1)
        major = match.captured(2).toInt();
    return major <= 25;
}

bool UsesAppletApi(const QString& source) {
    static const QRegularExpression use(QStringLiteral(R"(\bjava\s*\.\s*applet\b|\bJ?Applet\b)"));
    return use.match(source).hasMatch();
}

QString AppletApiNote(AppletApi api) {
    return api == AppletApi::Jdk
               ? QStringLiteral("Applet API: the JDK's own.")
               : QStringLiteral("Applet API: Orvane's own, patched into the JDK's java.desktop.");
}

} // namespace orvane
