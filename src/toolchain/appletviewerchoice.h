#pragma once

#include "document/parsepath.h"
#include "toolchain/jdktools.h"

#include <QByteArray>

namespace orvane {

// The file of Orvane's own applet viewer, which lies beside the program.
inline const QString builtInViewerFileName = QStringLiteral("orvane-viewer.jar");

// The line Orvane's viewer prints when the Java runtime has no applet classes at all.
inline const QByteArray viewerNoAppletClassesLine =
    QByteArrayLiteral("orvane-viewer: no applet classes");

struct AppletViewerChoice {
    ToolCommand command;
    QString note;         // which viewer shows the page, for the Output pane
    bool builtIn = false; // Orvane's own viewer, whose output tells why it gave up
};

// Run > AppletViewer on `page`: the JDK's own applet viewer when one was found (`appletViewer`
// not empty); else Orvane's viewer in `programFolder`, run by the JDK's `java` (empty when none
// was found either) with `javaOptions`. JDK 11 and later have no applet viewer of their own.
AppletViewerChoice ChooseAppletViewer(const QString& appletViewer, const QString& java,
                                      const QString& programFolder, const QString& page,
                                      const QStringList& javaOptions = {},
                                      PathStyle style = nativePathStyle());

// What the user is told when Orvane's viewer said the runtime has no applet classes.
QString AppletViewerNoClassesMessage();

} // namespace orvane
