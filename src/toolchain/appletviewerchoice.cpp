#include "toolchain/appletviewerchoice.h"

namespace orvane {

AppletViewerChoice ChooseAppletViewer(const QString& appletViewer, const QString& java,
                                      const QString& programFolder, const QString& page,
                                      const QStringList& javaOptions, PathStyle style) {
    if (!appletViewer.isEmpty())
        return {{appletViewer, {page}},
                QStringLiteral("The JDK's applet viewer shows the page."),
                false};
    const QChar separator = style == PathStyle::Windows ? u'\\' : u'/';
    QString folder = programFolder;
    if (!folder.endsWith(separator))
        folder += separator;
    const QStringList arguments =
        javaOptions + QStringList{QStringLiteral("-jar"), folder + builtInViewerFileName, page};
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

QString AppletViewerNoClassesMessage() {
    return QStringLiteral(
        "The Java runtime that was started has no applet classes: they were removed from Java "
        "after JDK 25, and Orvane's own could not be given to it.\n\n"
        "Check that orvane-applet-api.jar lies beside Orvane, or choose the compiler of another "
        "JDK under View > Options, on the Compiler tab. The applet viewer then runs with that "
        "JDK's java.");
}

} // namespace orvane
