#include "toolchain/appletviewerchoice.h"

namespace orvane {

AppletViewerChoice ChooseAppletViewer(const QString& appletViewer, const QString& java,
                                      const QString& programFolder, const QString& page,
                                      PathStyle style) {
    if (!appletViewer.isEmpty())
        return {{appletViewer, {page}},
                QStringLiteral("The JDK's applet viewer shows the page."),
                false};
    const QChar separator = style == PathStyle::Windows ? u'\\' : u'/';
    QString folder = programFolder;
    if (!folder.endsWith(separator))
        folder += separator;
    const QStringList arguments{QStringLiteral("-jar"), folder + builtInViewerFileName, page};
    if (java.isEmpty())
        return {{JdkProgramName(JdkTool::Interpreter, style), arguments},
                QStringLiteral("No JDK found: neither an applet viewer nor java lies beside the "
                               "compiler chosen in View > Options or on the search path. Install "
                               "a JDK (on Debian, default-jdk)."),
                true};
    return {{java, arguments},
            QStringLiteral("This JDK has no applet viewer of its own: Orvane's applet viewer "
                           "shows the page."),
            true};
}

QString AppletViewerExitMessage(int exitCode) {
    if (exitCode != viewerExitNoAppletClasses)
        return {};
    return QStringLiteral(
        "The Java runtime that was started has no applet classes: they were removed from Java "
        "after JDK 25, so no applet viewer can show this page with it.\n\n"
        "Install a JDK from 11 to 25 (on Debian, the package default-jdk) and choose its "
        "compiler under View > Options, on the Compiler tab. The applet viewer then runs with "
        "that JDK's java.");
}

} // namespace orvane
