#include "toolchain/compilecommands.h"
#include "toolchain/compilermessage.h"
#include "toolchain/previewrule.h"
#include "toolchain/runaction.h"

#include <QTest>

using namespace orvane;

class TestToolchainRules : public QObject {
    Q_OBJECT

private slots:
    void compileCommands_data() {
        QTest::addColumn<QString>("modes"); // letters n, d, o, v for the chosen modes
        QTest::addColumn<QString>("path");
        QTest::addColumn<PathStyle>("style");
        QTest::addColumn<QStringList>("expected"); // each command as typed, blanks quoted

        const auto posix = PathStyle::Posix;
        const QString hello = QStringLiteral("/w/Hello.java");
        QTest::newRow("none") << "" << hello << posix << QStringList{};
        QTest::newRow("normal") << "n" << hello << posix << QStringList{"javac /w/Hello.java"};
        QTest::newRow("debug is -g")
            << "d" << hello << posix << QStringList{"javac -g /w/Hello.java"};
        QTest::newRow("optimize") << "o" << hello << posix << QStringList{"javac -O /w/Hello.java"};
        QTest::newRow("verbose") << "v" << hello << posix
                                 << QStringList{"javac -verbose /w/Hello.java"};
        QTest::newRow("all, in order")
            << "vodn" << hello << posix
            << QStringList{"javac /w/Hello.java", "javac -g /w/Hello.java",
                           "javac -O /w/Hello.java", "javac -verbose /w/Hello.java"};
        QTest::newRow("blanks in one argument")
            << "n"
            << "/u/My Files/A.java" << posix << QStringList{"javac \"/u/My Files/A.java\""};
        QTest::newRow("windows") << "no"
                                 << "C:\\W\\A.java" << PathStyle::Windows
                                 << QStringList{"javac.exe C:\\W\\A.java",
                                                "javac.exe -O C:\\W\\A.java"};
    }

    void compileCommands() {
        QFETCH(QString, modes);
        QFETCH(QString, path);
        QFETCH(PathStyle, style);
        QFETCH(QStringList, expected);
        const CompileModes chosen{modes.contains(u'n'), modes.contains(u'd'), modes.contains(u'o'),
                                  modes.contains(u'v')};
        QStringList lines;
        for (const ToolCommand& command :
             BuildCompileCommands(chosen, path, JdkProgramName(JdkTool::Compiler, style)))
            lines.append(CommandLineText(command));
        QCOMPARE(lines, expected);
    }

    void programCandidates_data() {
        QTest::addColumn<JdkTool>("tool");
        QTest::addColumn<QString>("location");
        QTest::addColumn<PathStyle>("style");
        QTest::addColumn<QStringList>("expected");

        const auto posix = PathStyle::Posix;
        QTest::newRow("no location")
            << JdkTool::Compiler << "Unknown location" << posix << QStringList{"javac"};
        QTest::newRow("chosen compiler") << JdkTool::Compiler << "/jdk/bin/javac" << posix
                                         << QStringList{"/jdk/bin/javac", "javac"};
        QTest::newRow("interpreter beside it") << JdkTool::Interpreter << "/jdk/bin/javac" << posix
                                               << QStringList{"/jdk/bin/java", "java"};
        QTest::newRow("viewer beside it") << JdkTool::AppletViewer << "/jdk/bin/javac" << posix
                                          << QStringList{"/jdk/bin/appletviewer", "appletviewer"};
        QTest::newRow("windows compiler")
            << JdkTool::Compiler << "C:\\jdk\\javac.exe" << PathStyle::Windows
            << QStringList{"C:\\jdk\\javac.exe", "javac.exe"};
        QTest::newRow("windows interpreter")
            << JdkTool::Interpreter << "C:\\jdk\\javac.exe" << PathStyle::Windows
            << QStringList{"C:\\jdk\\java.exe", "java.exe"};
    }

    void programCandidates() {
        QFETCH(JdkTool, tool);
        QFETCH(QString, location);
        QFETCH(PathStyle, style);
        QFETCH(QStringList, expected);
        QCOMPARE(JdkProgramCandidates(tool, location, style), expected);
    }

    void previewAction_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("expected"); // "ask", "refuse" or "open <path>"

        QTest::newRow("never saved") << ""
                                     << "ask";
        QTest::newRow("Untitled") << "Untitled"
                                  << "ask";
        QTest::newRow("page, trimmed") << " /web/index.html "
                                       << "open /web/index.html";
        QTest::newRow("capitals") << "/web/INDEX.HTML"
                                  << "open /web/INDEX.HTML";
        QTest::newRow("htm") << "/web/index.htm"
                             << "refuse";
        QTest::newRow("java") << "/src/Hello.java"
                              << "refuse";
        QTest::newRow("no dot") << "/src.html/readme"
                                << "refuse";
    }

    void previewAction() {
        QFETCH(QString, path);
        QFETCH(QString, expected);
        const PreviewAction action = ChoosePreviewAction(path, PathStyle::Posix);
        const QString outcome[] = {"ask", "refuse", "open " + action.path};
        QCOMPARE(outcome[static_cast<int>(action.kind)], expected);
    }

    void runAction_data() {
        QTest::addColumn<QString>("selected");
        QTest::addColumn<RunTool>("tool");
        QTest::addColumn<QString>("expected"); // the message, "open <path>" or the command

        const QString web = "Web browser requires an HTML file (filename.html) to execute.";
        const QString viewer = "AppletViewer requires an HTML file (filename.html) to execute.";
        const QString java = "JavaViewer requires a CLASS file (filename.class) to execute.";
        const QString none = "You must select a project to run.";
        const auto W = RunTool::WebBrowser;
        const auto A = RunTool::AppletViewer;
        const auto J = RunTool::JavaInterpreter;
        QTest::newRow("nothing selected") << "" << W << none;
        QTest::newRow("Untitled") << "Untitled" << J << none;
        QTest::newRow("page in browser") << "Page.html" << W << "open /t/Projects/Page.html";
        QTest::newRow("capitals in browser") << "PAGE.HTML" << W << "open /t/Projects/PAGE.HTML";
        QTest::newRow("page in viewer") << "page.Html" << A << "appletviewer /t/Projects/page.Html";
        QTest::newRow("htm in browser") << "Page.htm" << W << web;
        QTest::newRow("htm in viewer") << "Page.htm" << A << viewer;
        QTest::newRow("source in browser") << "Hello.java" << W << web;
        QTest::newRow("source in viewer") << "Hello.java" << A << viewer;
        QTest::newRow("source in interpreter") << "Hello.java" << J << java;
        QTest::newRow("no dot") << "README" << J << java;
        QTest::newRow("class by name") << "Hello.class" << J << "java -cp /t/Projects/ Hello";
    }

    void runAction() {
        QFETCH(QString, selected);
        QFETCH(RunTool, tool);
        QFETCH(QString, expected);
        const RunAction action = ChooseRunAction(selected, tool, "/t/Projects/", PathStyle::Posix);
        const ToolCommand command{JdkProgramName(action.tool, PathStyle::Posix), action.arguments};
        const QString outcome[] = {action.text, "open " + action.text, CommandLineText(command)};
        QCOMPARE(outcome[static_cast<int>(action.kind)], expected);
    }

    void windowsClassPath() {
        const RunAction action = ChooseRunAction("Hello.CLASS", RunTool::JavaInterpreter,
                                                 "C:\\Tools\\Projects\\", PathStyle::Windows);
        QCOMPARE(action.arguments, (QStringList{"-cp", "C:\\Tools\\Projects\\", "Hello"}));
    }

    void compilerMessage_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("path"); // empty: not a compiler message
        QTest::addColumn<int>("line");

        QTest::newRow("error") << "/p/Hello.java:12: error: ';' expected"
                               << "/p/Hello.java" << 12;
        QTest::newRow("drive letter") << "C:\\My Files\\A.java:7: warning: x"
                                      << "C:\\My Files\\A.java" << 7;
        QTest::newRow("summary") << "1 error"
                                 << "" << 0;
        QTest::newRow("note") << "Note: Recompile with -Xlint:unchecked for details."
                              << "" << 0;
        QTest::newRow("line zero") << "A.java:0: error"
                                   << "" << 0;
    }

    void compilerMessage() {
        QFETCH(QString, text);
        QFETCH(QString, path);
        QFETCH(int, line);
        const std::optional<SourceLine> source = ParseCompilerMessage(text);
        QCOMPARE(source.value_or(SourceLine{}), (SourceLine{path, line}));
    }
};

QTEST_APPLESS_MAIN(TestToolchainRules)
#include "tst_toolchainrules.moc"
