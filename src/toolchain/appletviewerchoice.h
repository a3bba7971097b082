#pragma once

#include "document/parsepath.h"
#include "toolchain/jdktools.h"

namespace orvane {

// The file of Orvane's own applet viewer, which lies beside the program.
inline const QString builtInViewerFileName = QStringLiteral("orvane-viewer.jar");

// How Orvane's viewer ends when the Java runtime has no applet classes at all.
constexpr int viewerExitNoAppletClasses = 3;

struct AppletViewerChoice {
    ToolCommand command;
    QString note;         // which viewer shows the page, for the Output pane
    bool builtIn = false; // Orvane's own viewer, whose exit code tells why it gave up
};

// Run > AppletViewer on `page`: the JDK's own applet viewer when one was found (`appletViewer`
// not empty); else Orvane's viewer in `programFolder`, run by the JDK's `java` (empty when none
// was found either). JDK 11 and later have no applet viewer of their own.
AppletViewerChoice ChooseAppletViewer(const QString& appletViewer, const QString& java,
                                      const QString& programFolder, const QString& page,
                                      PathStyle style = nativePathStyle());

// What the user is told when Orvane's viewer ended with `exitCode`; empty when there is nothing
// to add to what it printed.
QString AppletViewerExitMessage(int exitCode);

} // namespace orvane
