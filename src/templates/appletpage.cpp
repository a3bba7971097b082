#include "templates/appletpage.h"

#include "templates/generatedlines.h"

namespace orvane {

namespace {

// The Java vendor's site, which serves the plug-in installer and its download page.
const QString pluginHost = QStringLiteral("java.sun.com");

const QString appletType = QStringLiteral("application/x-java-applet;version=1.2.2");

QString Meta(const QString& name, const QString& content) {
    return QStringLiteral("          <META NAME=\"") + name + QStringLiteral("\" CONTENT=\"") +
           content + QStringLiteral("\">");
}

} // namespace

QString WriteAppletPage(const ProjectValues& values, const QString& version) {
    const QString appletClass = values.name + QStringLiteral(".class");
    return JoinGeneratedLines({
        QStringLiteral("<!DOCTYPE HTML PUBLIC\"//W3C//DTD HTML 4.01//EN\">"),
        QStringLiteral("<HTML>"),
        QStringLiteral("     <HEAD>"),
        Meta(QStringLiteral("generator"), QStringLiteral("Orvane ") + version),
        Meta(QStringLiteral("author"), values.author),
        Meta(QStringLiteral("copyright"), QStringLiteral("&copy;") + values.copyright +
                                              QStringLiteral(" - ") + values.author +
                                              QStringLiteral(".  All rights reserved.")),
        Meta(QStringLiteral("description"), values.description),
        QStringLiteral("          <TITLE>") + values.name + QStringLiteral("</TITLE>"),
        QStringLiteral("     </HEAD>"),
        QStringLiteral("     <BODY>"),
        QStringLiteral("          <! This code will allow applets to run in Microsoft Internet "
                       "Explorer -->"),
        QStringLiteral("          <OBJECT classid=\"clsid:8AD9C840-044E-11D1-B3E9-00805F499D93\""),
        QStringLiteral("             width=200 height=200 align=\"baseline\""),
        QStringLiteral("             codebase=\"http://") + pluginHost +
            QStringLiteral("/products/plugin/1.2.2/jinstall-1_2_2-win.cab#Version=1,2,2,0\">"),
        QStringLiteral("             <PARAM NAME=\"code\"VALUE=\"") + appletClass +
            QStringLiteral("\">"),
        QStringLiteral("             <PARAM NAME=\"type\"VALUE=\"") + appletType +
            QStringLiteral("\">"),
        QString(),
        QStringLiteral("             <COMMENT>"),
        QStringLiteral("                <! This code will allow applets to run in Netscape "
                       "Navigator -->"),
        QStringLiteral("                <EMBED type=\"") + appletType + QStringLiteral("\""),
        QStringLiteral("                   width=200 height=200 align=\"baseline\""),
        QStringLiteral("                   code=\"") + appletClass + QStringLiteral("\""),
        QStringLiteral("                   pluginspage=\"http://") + pluginHost +
            QStringLiteral("/products/plugin/1.2/plugin-install.html\">"),
        QStringLiteral("                   <NOEMBED>"),
        QStringLiteral("                       There is no JDK 1.22 support for this applet!"),
        QStringLiteral("                   </NOEMBED>"),
        QStringLiteral("                </EMBED>"),
        QStringLiteral("             </COMMENT>"),
        QStringLiteral("          </OBJECT>"),
        QStringLiteral("     </BODY>"),
        QStringLiteral("</HTML>"),
    });
}

} // namespace orvane
