#include "templates/javatemplates.h"

#include "templates/generatedlines.h"

namespace orvane {

namespace {

QStringList HeaderBlock(const ProjectValues& values, const QString& version) {
    return {
        QStringLiteral("/*"),
        QStringLiteral("     Project:   ") + values.name,
        QStringLiteral("     Creator:   Orvane ") + version,
        QStringLiteral("     Author:    ") + values.author,
        QStringLiteral("     Copyright: \u00A9") + values.copyright,
        QStringLiteral("     Descrpion: ") + values.description,
        QStringLiteral("*/"),
        QString(),
    };
}

QStringList AppletImports() {
    return {
        QStringLiteral("// Import header files"),
        QStringLiteral("import java.applet.*;"),
        QStringLiteral("import java.awt.*;"),
        QStringLiteral("import java.awt.event.*;"),
        QString(),
    };
}

// The class line, "{ " and the global declarations marker that every applet opens with.
QStringList AppletClassOpening(const ProjectValues& values, const QString& implements) {
    return {
        QStringLiteral("public class ") + values.name + QStringLiteral(" extends Applet") +
            implements,
        QStringLiteral("{ "),
        QStringLiteral("        // Declare global variables here"),
        QString(),
    };
}

QStringList AppletInit() {
    return {
        QStringLiteral("     public void init()"),
        QStringLiteral("     {"),
        QStringLiteral("                // Execution code goes here"),
        QString(),
        QStringLiteral("     }"),
    };
}

QStringList EventMethod(const QString& signature) {
    return {
        QString(),
        QStringLiteral("     public void ") + signature,
        QStringLiteral("     {"),
        QStringLiteral("                // Handle triggered events here"),
        QString(),
        QStringLiteral("     }"),
    };
}

QStringList AppletStart(const ProjectValues& values, const QString& version,
                        const QString& implements) {
    return HeaderBlock(values, version) + AppletImports() + AppletClassOpening(values, implements);
}

} // namespace

QString WriteStandardApplet(const ProjectValues& values, const QString& version) {
    return JoinGeneratedLines(AppletStart(values, version, {}) + AppletInit() +
                              QStringList{QStringLiteral("}")});
}

QString WriteActionListenerApplet(const ProjectValues& values, const QString& version) {
    return JoinGeneratedLines(
        AppletStart(values, version, QStringLiteral(" implements ActionListener")) + AppletInit() +
        EventMethod(QStringLiteral("actionPerformed(ActionEvent ae)")) +
        QStringList{QStringLiteral("}")});
}

QString WriteMouseListenerApplet(const ProjectValues& values, const QString& version) {
    QStringList lines =
        AppletStart(values, version, QStringLiteral(" implements MouseListener")) + AppletInit();
    for (const char* event : {"Clicked", "Entered", "Exited", "Pressed", "Released"})
        lines += EventMethod(QStringLiteral("mouse") + QLatin1String(event) +
                             QStringLiteral("(MouseEvent me)"));
    lines += {QString(), QStringLiteral("}")};
    return JoinGeneratedLines(lines);
}

QString WriteRunnableApplet(const ProjectValues& values, const QString& version) {
    return JoinGeneratedLines(
        AppletStart(values, version, QStringLiteral(" implements Runnable")) +
        QStringList{
            QStringLiteral("     public void start()"),
            QStringLiteral("     {"),
            QStringLiteral("        // Execution code goes here"),
            QString(),
            QStringLiteral("     }"),
            QString(),
            QStringLiteral("     public void stop()"),
            QStringLiteral("     {"),
            QStringLiteral("        // Applet's execution terminates here"),
            QString(),
            QStringLiteral("     }"),
            QString(),
            QStringLiteral("     public void run()"),
            QStringLiteral("     {"),
            QStringLiteral("        // Applet's execution is controlled here"),
            QString(),
            QStringLiteral("     }"),
            QString(),
            QStringLiteral("}"),
        });
}

QString WriteFrameApplication(const ProjectValues& values, const QString& version) {
    const QString& name = values.name;
    QStringList lines = HeaderBlock(values, version);
    lines += {
        QStringLiteral("// Import header files"),
        QStringLiteral("import java.awt.*;"),
        QStringLiteral("import java.awt.event.*;"),
        QString(),
        QStringLiteral("public class ") + name +
            QStringLiteral(" extends Frame implements WindowListener, ActionListener"),
        QStringLiteral("{ "),
        QStringLiteral("        // Declare global variables here"),
        QStringLiteral("     MenuBar mnuBar = new MenuBar();"),
        QStringLiteral("          Menu mnuFile = new Menu(\"File\");"),
        QStringLiteral("            MenuItem mnuFileExit = new MenuItem(\"Exit\");"),
        QStringLiteral("          Menu mnuHelp = new Menu(\"Help\");"),
        QStringLiteral("            MenuItem mnuHelpAbout = new MenuItem(\"About...\");"),
        QString(),
        QStringLiteral("     public ") + name + QStringLiteral("(String frmTitle)"),
        QStringLiteral("     {"),
        QStringLiteral("        // Initialize program here"),
        QStringLiteral("        super(frmTitle);"),
        QStringLiteral("        addWindowListener(this);"),
        QString(),
        QStringLiteral("        // Initialize the menu bar"),
        QStringLiteral("        setMenuBar(mnuBar);"),
        QStringLiteral("        mnuBar.add(mnuFile);"),
        QStringLiteral("             mnuFile.add(mnuFileExit);"),
        QStringLiteral("             mnuFileExit.addActionListener(this);"),
        QStringLiteral("        mnuBar.add(mnuHelp);"),
        QStringLiteral("             mnuHelp.add(mnuHelpAbout);"),
        QStringLiteral("             mnuHelpAbout.addActionListener(this);"),
        QStringLiteral("     }"),
        QString(),
        QStringLiteral("     public static void main(String args[])"),
        QStringLiteral("     {"),
        QStringLiteral("        // Execution code goes here"),
        QStringLiteral("        ") + name + QStringLiteral(" theApp = new ") + name +
            QStringLiteral("(\"Application Title Goes Here\");"),
        QStringLiteral("        theApp.setSize(500, 300);"),
        QStringLiteral("        theApp.show();"),
        QStringLiteral("     }"),
        QString(),
        QStringLiteral("     public void quitApplication()"),
        QStringLiteral("     {"),
        QStringLiteral("        // Terminate application"),
        QStringLiteral("        setVisible(false);"),
        QStringLiteral("        dispose();"),
        QStringLiteral("        System.exit(0);"),
        QStringLiteral("     }"),
        QString(),
        QStringLiteral("     public void windowClosing(WindowEvent we)"),
        QStringLiteral("     {"),
        QStringLiteral("        // Make subroutine call to terminate application"),
        QStringLiteral("        quitApplication();"),
        QStringLiteral("     }"),
        QString(),
        QStringLiteral("     public void actionPerformed(ActionEvent ae)"),
        QStringLiteral("     {"),
        QStringLiteral("        // Handle mnuFileExit event"),
        QStringLiteral("        if (ae.getSource() == mnuFileExit)"),
        QStringLiteral("        {"),
        QStringLiteral("               quitApplication();"),
        QStringLiteral("        }"),
        QString(),
        QStringLiteral("        // Handle mnuHelpAbout event"),
        QStringLiteral("        if (ae.getSource() == mnuHelpAbout)"),
        QStringLiteral("        {"),
        QStringLiteral("               // Display a message box"),
        QStringLiteral("        }"),
        QString(),
        QStringLiteral("        // Handle all other application events here"),
        QString(),
        QStringLiteral("     }"),
    };
    // The remaining window events do nothing yet; each signature ends in one blank.
    for (const char* event :
         {"Closed", "Opened", "Activated", "Deactivated", "Iconified", "Deiconified"}) {
        lines += {
            QString(),
            QStringLiteral("     public void window") + QLatin1String(event) +
                QStringLiteral("(WindowEvent we) "),
            QStringLiteral("     {"),
            QStringLiteral("        // Handle events here"),
            QString(),
            QStringLiteral("     }"),
        };
    }
    lines += {QString(), QStringLiteral("}")};
    return JoinGeneratedLines(lines);
}

} // namespace orvane
