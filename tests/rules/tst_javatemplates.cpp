#include "app/versiontext.h"
#include "templates/appletpage.h"
#include "templates/javatemplates.h"

#include <QTest>

using namespace orvane;

namespace {

using Generator = QString (*)(const ProjectValues&, const QString&);

const ProjectValues sample{QStringLiteral("MyApplet"), QStringLiteral("Jane Doe"),
                           QStringLiteral("A test applet."), QStringLiteral("2001")};

const char* const standardApplet = "/*\r\n"
                                   "     Project:   MyApplet\r\n"
                                   "     Creator:   Orvane 1.01\r\n"
                                   "     Author:    Jane Doe\r\n"
                                   "     Copyright: ©2001\r\n"
                                   "     Descrpion: A test applet.\r\n"
                                   "*/\r\n"
                                   "\r\n"
                                   "// Import header files\r\n"
                                   "import java.applet.*;\r\n"
                                   "import java.awt.*;\r\n"
                                   "import java.awt.event.*;\r\n"
                                   "\r\n"
                                   "public class MyApplet extends Applet\r\n"
                                   "{ \r\n"
                                   "        // Declare global variables here\r\n"
                                   "\r\n"
                                   "     public void init()\r\n"
                                   "     {\r\n"
                                   "                // Execution code goes here\r\n"
                                   "\r\n"
                                   "     }\r\n"
                                   "}\r\n";

const char* const actionListenerApplet =
    "/*\r\n"
    "     Project:   MyApplet\r\n"
    "     Creator:   Orvane 1.01\r\n"
    "     Author:    Jane Doe\r\n"
    "     Copyright: ©2001\r\n"
    "     Descrpion: A test applet.\r\n"
    "*/\r\n"
    "\r\n"
    "// Import header files\r\n"
    "import java.applet.*;\r\n"
    "import java.awt.*;\r\n"
    "import java.awt.event.*;\r\n"
    "\r\n"
    "public class MyApplet extends Applet implements ActionListener\r\n"
    "{ \r\n"
    "        // Declare global variables here\r\n"
    "\r\n"
    "     public void init()\r\n"
    "     {\r\n"
    "                // Execution code goes here\r\n"
    "\r\n"
    "     }\r\n"
    "\r\n"
    "     public void actionPerformed(ActionEvent ae)\r\n"
    "     {\r\n"
    "                // Handle triggered events here\r\n"
    "\r\n"
    "     }\r\n"
    "}\r\n";

const char* const mouseListenerApplet =
    "/*\r\n"
    "     Project:   MyApplet\r\n"
    "     Creator:   Orvane 1.01\r\n"
    "     Author:    Jane Doe\r\n"
    "     Copyright: ©2001\r\n"
    "     Descrpion: A test applet.\r\n"
    "*/\r\n"
    "\r\n"
    "// Import header files\r\n"
    "import java.applet.*;\r\n"
    "import java.awt.*;\r\n"
    "import java.awt.event.*;\r\n"
    "\r\n"
    "public class MyApplet extends Applet implements MouseListener\r\n"
    "{ \r\n"
    "        // Declare global variables here\r\n"
    "\r\n"
    "     public void init()\r\n"
    "     {\r\n"
    "                // Execution code goes here\r\n"
    "\r\n"
    "     }\r\n"
    "\r\n"
    "     public void mouseClicked(MouseEvent me)\r\n"
    "     {\r\n"
    "                // Handle triggered events here\r\n"
    "\r\n"
    "     }\r\n"
    "\r\n"
    "     public void mouseEntered(MouseEvent me)\r\n"
    "     {\r\n"
    "                // Handle triggered events here\r\n"
    "\r\n"
    "     }\r\n"
    "\r\n"
    "     public void mouseExited(MouseEvent me)\r\n"
    "     {\r\n"
    "                // Handle triggered events here\r\n"
    "\r\n"
    "     }\r\n"
    "\r\n"
    "     public void mousePressed(MouseEvent me)\r\n"
    "     {\r\n"
    "                // Handle triggered events here\r\n"
    "\r\n"
    "     }\r\n"
    "\r\n"
    "     public void mouseReleased(MouseEvent me)\r\n"
    "     {\r\n"
    "                // Handle triggered events here\r\n"
    "\r\n"
    "     }\r\n"
    "\r\n"
    "}\r\n";

const char* const runnableApplet = "/*\r\n"
                                   "     Project:   MyApplet\r\n"
                                   "     Creator:   Orvane 1.01\r\n"
                                   "     Author:    Jane Doe\r\n"
                                   "     Copyright: ©2001\r\n"
                                   "     Descrpion: A test applet.\r\n"
                                   "*/\r\n"
                                   "\r\n"
                                   "// Import header files\r\n"
                                   "import java.applet.*;\r\n"
                                   "import java.awt.*;\r\n"
                                   "import java.awt.event.*;\r\n"
                                   "\r\n"
                                   "public class MyApplet extends Applet implements Runnable\r\n"
                                   "{ \r\n"
                                   "        // Declare global variables here\r\n"
                                   "\r\n"
                                   "     public void start()\r\n"
                                   "     {\r\n"
                                   "        // Execution code goes here\r\n"
                                   "\r\n"
                                   "     }\r\n"
                                   "\r\n"
                                   "     public void stop()\r\n"
                                   "     {\r\n"
                                   "        // Applet's execution terminates here\r\n"
                                   "\r\n"
                                   "     }\r\n"
                                   "\r\n"
                                   "     public void run()\r\n"
                                   "     {\r\n"
                                   "        // Applet's execution is controlled here\r\n"
                                   "\r\n"
                                   "     }\r\n"
                                   "\r\n"
                                   "}\r\n";

// The application's class is named MyApp.
const char* const frameApplication =
    "/*\r\n"
    "     Project:   MyApp\r\n"
    "     Creator:   Orvane 1.01\r\n"
    "     Author:    Jane Doe\r\n"
    "     Copyright: ©2001\r\n"
    "     Descrpion: A test applet.\r\n"
    "*/\r\n"
    "\r\n"
    "// Import header files\r\n"
    "import java.awt.*;\r\n"
    "import java.awt.event.*;\r\n"
    "\r\n"
    "public class MyApp extends Frame implements WindowListener, ActionListener\r\n"
    "{ \r\n"
    "        // Declare global variables here\r\n"
    "     MenuBar mnuBar = new MenuBar();\r\n"
    "          Menu mnuFile = new Menu(\"File\");\r\n"
    "            MenuItem mnuFileExit = new MenuItem(\"Exit\");\r\n"
    "          Menu mnuHelp = new Menu(\"Help\");\r\n"
    "            MenuItem mnuHelpAbout = new MenuItem(\"About...\");\r\n"
    "\r\n"
    "     public MyApp(String frmTitle)\r\n"
    "     {\r\n"
    "        // Initialize program here\r\n"
    "        super(frmTitle);\r\n"
    "        addWindowListener(this);\r\n"
    "\r\n"
    "        // Initialize the menu bar\r\n"
    "        setMenuBar(mnuBar);\r\n"
    "        mnuBar.add(mnuFile);\r\n"
    "             mnuFile.add(mnuFileExit);\r\n"
    "             mnuFileExit.addActionListener(this);\r\n"
    "        mnuBar.add(mnuHelp);\r\n"
    "             mnuHelp.add(mnuHelpAbout);\r\n"
    "             mnuHelpAbout.addActionListener(this);\r\n"
    "     }\r\n"
    "\r\n"
    "     public static void main(String args[])\r\n"
    "     {\r\n"
    "        // Execution code goes here\r\n"
    "        MyApp theApp = new MyApp(\"Application Title Goes Here\");\r\n"
    "        theApp.setSize(500, 300);\r\n"
    "        theApp.show();\r\n"
    "     }\r\n"
    "\r\n"
    "     public void quitApplication()\r\n"
    "     {\r\n"
    "        // Terminate application\r\n"
    "        setVisible(false);\r\n"
    "        dispose();\r\n"
    "        System.exit(0);\r\n"
    "     }\r\n"
    "\r\n"
    "     public void windowClosing(WindowEvent we)\r\n"
    "     {\r\n"
    "        // Make subroutine call to terminate application\r\n"
    "        quitApplication();\r\n"
    "     }\r\n"
    "\r\n"
    "     public void actionPerformed(ActionEvent ae)\r\n"
    "     {\r\n"
    "        // Handle mnuFileExit event\r\n"
    "        if (ae.getSource() == mnuFileExit)\r\n"
    "        {\r\n"
    "               quitApplication();\r\n"
    "        }\r\n"
    "\r\n"
    "        // Handle mnuHelpAbout event\r\n"
    "        if (ae.getSource() == mnuHelpAbout)\r\n"
    "        {\r\n"
    "               // Display a message box\r\n"
    "        }\r\n"
    "\r\n"
    "        // Handle all other application events here\r\n"
    "\r\n"
    "     }\r\n"
    "\r\n"
    "     public void windowClosed(WindowEvent we) \r\n"
    "     {\r\n"
    "        // Handle events here\r\n"
    "\r\n"
    "     }\r\n"
    "\r\n"
    "     public void windowOpened(WindowEvent we) \r\n"
    "     {\r\n"
    "        // Handle events here\r\n"
    "\r\n"
    "     }\r\n"
    "\r\n"
    "     public void windowActivated(WindowEvent we) \r\n"
    "     {\r\n"
    "        // Handle events here\r\n"
    "\r\n"
    "     }\r\n"
    "\r\n"
    "     public void windowDeactivated(WindowEvent we) \r\n"
    "     {\r\n"
    "        // Handle events here\r\n"
    "\r\n"
    "     }\r\n"
    "\r\n"
    "     public void windowIconified(WindowEvent we) \r\n"
    "     {\r\n"
    "        // Handle events here\r\n"
    "\r\n"
    "     }\r\n"
    "\r\n"
    "     public void windowDeiconified(WindowEvent we) \r\n"
    "     {\r\n"
    "        // Handle events here\r\n"
    "\r\n"
    "     }\r\n"
    "\r\n"
    "}\r\n";

const char* const appletPage =
    "<!DOCTYPE HTML PUBLIC\"//W3C//DTD HTML 4.01//EN\">\r\n"
    "<HTML>\r\n"
    "     <HEAD>\r\n"
    "          <META NAME=\"generator\" CONTENT=\"Orvane 1.01\">\r\n"
    "          <META NAME=\"author\" CONTENT=\"Jane Doe\">\r\n"
    "          <META NAME=\"copyright\" CONTENT=\"&copy;2001 - Jane Doe.  All rights "
    "reserved.\">\r\n"
    "          <META NAME=\"description\" CONTENT=\"A test applet.\">\r\n"
    "          <TITLE>MyApplet</TITLE>\r\n"
    "     </HEAD>\r\n"
    "     <BODY>\r\n"
    "          <! This code will allow applets to run in Microsoft Internet Explorer -->\r\n"
    "          <OBJECT classid=\"clsid:8AD9C840-044E-11D1-B3E9-00805F499D93\"\r\n"
    "             width=200 height=200 align=\"baseline\"\r\n"
    "             "
    "codebase=\"http://java.sun.com/products/plugin/1.2.2/"
    "jinstall-1_2_2-win.cab#Version=1,2,2,0\">\r\n"
    "             <PARAM NAME=\"code\"VALUE=\"MyApplet.class\">\r\n"
    "             <PARAM NAME=\"type\"VALUE=\"application/x-java-applet;version=1.2.2\">\r\n"
    "\r\n"
    "             <COMMENT>\r\n"
    "                <! This code will allow applets to run in Netscape Navigator -->\r\n"
    "                <EMBED type=\"application/x-java-applet;version=1.2.2\"\r\n"
    "                   width=200 height=200 align=\"baseline\"\r\n"
    "                   code=\"MyApplet.class\"\r\n"
    "                   "
    "pluginspage=\"http://java.sun.com/products/plugin/1.2/plugin-install.html\">\r\n"
    "                   <NOEMBED>\r\n"
    "                       There is no JDK 1.22 support for this applet!\r\n"
    "                   </NOEMBED>\r\n"
    "                </EMBED>\r\n"
    "             </COMMENT>\r\n"
    "          </OBJECT>\r\n"
    "     </BODY>\r\n"
    "</HTML>\r\n";

QStringList Lines(const QString& text) {
    QStringList lines = text.split(QStringLiteral("\r\n"));
    lines.removeLast();
    return lines;
}

} // namespace

Q_DECLARE_METATYPE(Generator)

class TestJavaTemplates : public QObject {
    Q_OBJECT

private slots:
    void writesExactText_data() {
        QTest::addColumn<Generator>("generator");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("lineCount");
        QTest::newRow("standard applet") << Generator(WriteStandardApplet) << "MyApplet"
                                         << QString::fromUtf8(standardApplet) << 23;
        QTest::newRow("ActionListener applet") << Generator(WriteActionListenerApplet) << "MyApplet"
                                               << QString::fromUtf8(actionListenerApplet) << 29;
        QTest::newRow("MouseListener applet") << Generator(WriteMouseListenerApplet) << "MyApplet"
                                              << QString::fromUtf8(mouseListenerApplet) << 54;
        QTest::newRow("Runnable applet") << Generator(WriteRunnableApplet) << "MyApplet"
                                         << QString::fromUtf8(runnableApplet) << 36;
        QTest::newRow("application") << Generator(WriteFrameApplication) << "MyApp"
                                     << QString::fromUtf8(frameApplication) << 114;
        QTest::newRow("applet page")
            << Generator(WriteAppletPage) << "MyApplet" << QString::fromUtf8(appletPage) << 31;
    }

    void writesExactText() {
        QFETCH(Generator, generator);
        QFETCH(QString, name);
        QFETCH(QString, expected);
        QFETCH(int, lineCount);
        ProjectValues values = sample;
        values.name = name;
        const QString text = generator(values, QStringLiteral("1.01"));
        QCOMPARE(Lines(text), Lines(expected)); // names the first differing line
        QCOMPARE(text, expected);
        QCOMPARE(text.count(QStringLiteral("\r\n")), lineCount);
        QCOMPARE(text.count(u'\n'), lineCount);
        QVERIFY(!text.contains(u'\t'));
    }

    void emptyNameLeavesTwoBlanks() {
        ProjectValues values = sample;
        values.name.clear();
        const QString version = QStringLiteral("1.01");
        QVERIFY(Lines(WriteStandardApplet(values, version))
                    .contains(QStringLiteral("public class  extends Applet")));
        const QStringList application = Lines(WriteFrameApplication(values, version));
        QCOMPARE(application.at(21), QStringLiteral("     public (String frmTitle)"));
        QCOMPARE(application.at(40),
                 QStringLiteral("         theApp = new (\"Application Title Goes Here\");"));
        const QStringList page = Lines(WriteAppletPage(values, version));
        QCOMPARE(page.at(7), QStringLiteral("          <TITLE></TITLE>"));
        QCOMPARE(page.at(21), QStringLiteral("                   code=\".class\""));
    }

    void multiLineDescriptionKeepsItsBreaks() {
        ProjectValues values = sample;
        values.description = QStringLiteral("First line\r\nSecond line");
        const QStringList source = Lines(WriteRunnableApplet(values, QStringLiteral("1.01")));
        QCOMPARE(source.size(), 37);
        QCOMPARE(source.mid(5, 3),
                 (QStringList{QStringLiteral("     Descrpion: First line"),
                              QStringLiteral("Second line"), QStringLiteral("*/")}));
        const QStringList page = Lines(WriteAppletPage(values, QStringLiteral("1.01")));
        QCOMPARE(page.size(), 32);
        QCOMPARE(page.mid(6, 2), (QStringList{QStringLiteral("          <META NAME=\"description\" "
                                                             "CONTENT=\"First line"),
                                              QStringLiteral("Second line\">")}));
    }

    void versionTextGoesIntoHeaders() {
        QCOMPARE(VersionText(2, 3, 0), QStringLiteral("2.30"));
        QCOMPARE(VersionText(1, 0, 1), QStringLiteral("1.01"));
        QCOMPARE(ProgramVersionText(), QStringLiteral("1.01"));
        const QString version = VersionText(2, 3, 0);
        QCOMPARE(Lines(WriteFrameApplication(sample, version)).at(2),
                 QStringLiteral("     Creator:   Orvane 2.30"));
        QCOMPARE(Lines(WriteAppletPage(sample, version)).at(3),
                 QStringLiteral("          <META NAME=\"generator\" CONTENT=\"Orvane 2.30\">"));
    }

    void valuesAreWrittenUnescaped() {
        const ProjectValues values{QStringLiteral("my-app"), QStringLiteral("Jo \"JJ\" <Doe>"),
                                   QStringLiteral("x"), QStringLiteral("None")};
        const QStringList source = Lines(WriteStandardApplet(values, QStringLiteral("1.01")));
        QCOMPARE(source.at(4), QString::fromUtf8("     Copyright: ©None"));
        QCOMPARE(source.at(13), QStringLiteral("public class my-app extends Applet"));
        QCOMPARE(Lines(WriteAppletPage(values, QStringLiteral("1.01"))).at(5),
                 QStringLiteral("          <META NAME=\"copyright\" CONTENT=\"&copy;None - Jo "
                                "\"JJ\" <Doe>.  All rights reserved.\">"));
    }
};

QTEST_APPLESS_MAIN(TestJavaTemplates)
#include "tst_javatemplates.moc"
