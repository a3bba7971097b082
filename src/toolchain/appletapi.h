#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace orvane {

// Whose java.applet and javax.swing.JApplet classes a compile or run uses.
enum class AppletApi {
    Jdk,    // the JDK's own, which JDKs up to 25 have
    Orvane, // Orvane's, patched into the java.desktop module of a JDK that lacks them
};

// The jar of Orvane's applet classes, beside the program and its viewer.
inline const QString appletApiFileName = QStringLiteral("orvane-applet-api.jar");

// The options javac, the viewer's java and the interpreter take to use `api`, whose jar is
// `apiJar`: none for the JDK's own; for Orvane's, the jar patched into java.desktop and its
// java.applet package opened to the user's classes (javax.swing is open already).
QStringList AppletApiOptions(AppletApi api, const QString& apiJar);

// Whether a JDK whose "release" file reads `releaseText` has the applet classes: JDKs up to 25
// do. Nothing when the file names no version.
std::optional<bool> AppletClassesFromRelease(const QString& releaseText);

// Whether `source` uses the applet classes, by import, by name or by extending one.
bool UsesAppletApi(const QString& source);

// The Output pane's line saying which applet classes a run uses.
QString AppletApiNote(AppletApi api);

} // namespace orvane
