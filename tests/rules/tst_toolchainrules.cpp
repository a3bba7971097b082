#include "toolchain/compilecommands.h"
#include "toolchain/compilermessage.h"
#include "toolchain/previewrule.h"
#include "toolchain/runaction.h"

#include <QTest>

using namespace orvane;


namespace {

// Each command as its program followed by its arguments.
QList<QStringList> Words(const QList<ToolCommand>& commands) {
    QList<QStringList> words;
    for (const ToolCommand& command : commands)
        words.append(QStringList{command.program} + command.arguments);
    return words;
}

} // namespace

class TestToolchainRules : public QObject {
    Q_OBJECT

private slots:
    void compileCommands_data() {
        QTest::addColumn<QString>("modes"); // letters n, d, o, v for the chosen modes
        QTest::addColumn<QString>("path");
        QTest::addColumn<PathStyle>("style");
        QTest::addColumn<QList<QStringList>>("expected");

        const QString hello = QStringLiteral("/work/Hello.java");
        QTest::newRow("none") << "" << hello << PathStyle::Posix << QList<QStringList>{};
        QTest::newRow("normal") << "n" << hello << PathStyle::Posix
                                << QList<QStringList>{{"javac", hello}};
        QTest::newRow("debug uses -g")
            << "d" << hello << PathStyle::Posix << QList<QStringList>{{"javac", "-g", hello}};
        QTest::newRow("optimize") << "o" << hello << PathStyle::Posix
                                  << QList<QStringList>{{"javac", "-O", hello}};
        QTest::newRow("verbose") << "v" << hello << PathStyle::Posix
                                 << QList<QStringList>{{"javac", "-verbose", hello}};
        QTest::newRow("all four in table order")
            << "vodn" << hello << PathStyle::Posix
            << QList<QStringList>{{"javac", hello},
                                  {"javac", "-g", hello},
                                  {"javac", "-O", hello},
                                  {"javac", "-verbose", hello}};
        QTest::newRow("blanks stay in one argument")
            << "n"
            << "/home/u/My Files/A.java" << PathStyle::Posix
            << QList<QStringList>{{"javac", "/home/u/My Files/A.java"}};
        QTest::newRow("windows naming")
            << "no"
            << "C:\\Work\\Hello.java" << PathStyle::Windows
            << QList<QStringList>{{"javac.exe", "C:\\Work\\Hello.java"},
                                  {"javac.exe", "-O", "C:\\Work\\Hello.java"}};
    }

    void compileCommands() {
        QFETCH(QString, modes);
        QFETCH(QString, path);
        QFETCH(PathStyle, style);
        QFETCH(QList<QStringList>, expected);
        const CompileModes chosen{modes.contains(u'n'), modes.contains(u'd'), modes.contains(u'o'),
                                  modes.contains(u'v')};
        const QString compiler = JdkProgramName(JdkTool::Compiler, style);
        QCOMPARE(Words(BuildCompileCommands(chosen, path, compiler)), expected);
    }

    void commandLineText() {
        QCOMPARE(CommandLineText({"javac", {"-g", "/home/u/My Files/A.java"}}),
                 QStringLiteral("javac -g \"/home/u/My Files/A.java\""));
        QCOMPARE(CommandLineText({"java", {"-cp", "/p/Projects/", "Hello"}}),
                 QStringLiteral("java -cp /p/Projects/ Hello"));
    }

    void programCandidates_data() {
        QTest::addColumn<JdkTool>("tool");
        QTest::addColumn<QString>("location");
        QTest::addColumn<PathStyle>("style");
        QTest::addColumn<QStringList>("expected");

        const auto posix = PathStyle::Posix;
        const auto windows = PathStyle::Windows;
        QTest::newRow("no location")
            << JdkTool::Compiler << "Unknown location" << posix << QStringList{"javac"};
        QTest::newRow("empty location")
            << JdkTool::Interpreter << "" << posix << QStringList{"java"};
        QTest::newRow("chosen compiler") << JdkTool::Compiler << "/opt/jdk/bin/javac" << posix
                                         << QStringList{"/opt/jdk/bin/javac", "javac"};
        QTest::newRow("interpreter beside it") << JdkTool::Interpreter << " /opt/jdk/bin/javac "
                                               << posix << QStringList{"/opt/jdk/bin/java", "java"};
        QTest::newRow("applet viewer beside it")
            << JdkTool::AppletViewer << "/opt/jdk/bin/javac" << posix
            << QStringList{"/opt/jdk/bin/appletviewer", "appletviewer"};
        QTest::newRow("windows compiler")
            << JdkTool::Compiler << "C:\\jdk\\bin\\javac.exe" << windows
            << QStringList{"C:\\jdk\\bin\\javac.exe", "javac.exe"};
        QTest::newRow("windows interpreter")
            << JdkTool::Interpreter << "C:\\jdk\\bin\\javac.exe" << windows
            << QStringList{"C:\\jdk\\bin\\java.exe", "java.exe"};
        QTest::newRow("windows applet viewer")
            << JdkTool::AppletViewer << "C:\\jdk\\bin\\javac.exe" << windows
            << QStringList{"C:\\jdk\\bin\\appletviewer.exe", "appletviewer.exe"};
        QTest::newRow("bare name, no folder")
            << JdkTool::Interpreter << "javac" << posix << QStringList{"java"};
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
        QTest::addColumn<PathStyle>("style");
        QTest::addColumn<PreviewAction::Kind>("kind");
        QTest::addColumn<QString>("opened");

        using K = PreviewAction::Kind;
        QTest::newRow("never saved") << "" << PathStyle::Posix << K::AskToSave << "";
        QTest::newRow("blanks only") << "   " << PathStyle::Posix << K::AskToSave << "";
        QTest::newRow("Untitled") << "Untitled" << PathStyle::Posix << K::AskToSave << "";
        QTest::newRow("page") << " /web/index.html " << PathStyle::Posix << K::OpenPage
                              << "/web/index.html";
        QTest::newRow("capitals") << "C:\\Web\\INDEX.HTML" << PathStyle::Windows << K::OpenPage
                                  << "C:\\Web\\INDEX.HTML";
        QTest::newRow("htm") << "/web/index.htm" << PathStyle::Posix << K::Refuse << "";
        QTest::newRow("java") << "/src/Hello.java" << PathStyle::Posix << K::Refuse << "";
        QTest::newRow("txt") << "/src/notes.txt" << PathStyle::Posix << K::Refuse << "";
        QTest::newRow("no dot") << "/src/html" << PathStyle::Posix << K::Refuse << "";
        QTest::newRow("dot in folder only")
            << "/site.html/readme" << PathStyle::Posix << K::Refuse << "";
    }

    void previewAction() {
        QFETCH(QString, path);
        QFETCH(PathStyle, style);
        QFETCH(PreviewAction::Kind, kind);
        QFETCH(QString, opened);
        const PreviewAction action = ChoosePreviewAction(path, style);
        QCOMPARE(action.kind, kind);
        QCOMPARE(action.path, opened);
    }

    void runAction_data() {
        QTest::addColumn<QString>("selected");
        QTest::addColumn<RunTool>("tool");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<PathStyle>("style");
        QTest::addColumn<QString>("expected"); // the message, "open <path>" or "start <words>"

        const QString folder = QStringLiteral("/tools/Projects/");
        const auto posix = PathStyle::Posix;
        const QString web = QStringLiteral("Web browser requires an HTML file (filename.html) to "
                                           "execute.");
        const QString applet = QStringLiteral("AppletViewer requires an HTML file (filename.html) "
                                              "to execute.");
        const QString java = QStringLiteral("JavaViewer requires a CLASS file (filename.class) to "
                                            "execute.");
        const QString none = QStringLiteral("You must select a project to run.");

        QTest::newRow("nothing selected") << "" << RunTool::WebBrowser << folder << posix << none;
        QTest::newRow("Untitled") << "Untitled" << RunTool::JavaInterpreter << folder << posix
                                  << none;
        QTest::newRow("page in browser") << "Page.html" << RunTool::WebBrowser << folder << posix
                                         << "open /tools/Projects/Page.html";
        QTest::newRow("capitals in browser") << "PAGE.HTML" << RunTool::WebBrowser << folder
                                             << posix << "open /tools/Projects/PAGE.HTML";
        QTest::newRow("mixed case in viewer")
            << "page.Html" << RunTool::AppletViewer << folder << posix
            << "start appletviewer /tools/Projects/page.Html";
        QTest::newRow("htm in browser")
            << "Page.htm" << RunTool::WebBrowser << folder << posix << web;
        QTest::newRow("htm in viewer")
            << "Page.htm" << RunTool::AppletViewer << folder << posix << applet;
        QTest::newRow("page in interpreter")
            << "Page.html" << RunTool::JavaInterpreter << folder << posix << java;
        QTest::newRow("source in browser")
            << "Hello.java" << RunTool::WebBrowser << folder << posix << web;
        QTest::newRow("source in viewer")
            << "Hello.java" << RunTool::AppletViewer << folder << posix << applet;
        QTest::newRow("source in interpreter")
            << "Hello.java" << RunTool::JavaInterpreter << folder << posix << java;
        QTest::newRow("no dot in browser")
            << "README" << RunTool::WebBrowser << folder << posix << web;
        QTest::newRow("no dot in interpreter")
            << "README" << RunTool::JavaInterpreter << folder << posix << java;
        QTest::newRow("class by name on the class path")
            << "Hello.class" << RunTool::JavaInterpreter << folder << posix
            << "start java -cp /tools/Projects/ Hello";
        QTest::newRow("windows class")
            << "Hello.CLASS" << RunTool::JavaInterpreter << "C:\\Tools\\Projects\\"
            << PathStyle::Windows << "start java -cp C:\\Tools\\Projects\\ Hello";
        QTest::newRow("folder without separator")
            << "Page.html" << RunTool::AppletViewer << "C:\\Tools\\Projects" << PathStyle::Windows
            << "start appletviewer C:\\Tools\\Projects\\Page.html";
    }

    void runAction() {
        QFETCH(QString, selected);
        QFETCH(RunTool, tool);
        QFETCH(QString, folder);
        QFETCH(PathStyle, style);
        QFETCH(QString, expected);
        const RunAction action = ChooseRunAction(selected, tool, folder, style);
        QString outcome;
        switch (action.kind) {
        case RunAction::Kind::Message:
            outcome = action.text;
            break;
        case RunAction::Kind::OpenPage:
            outcome = "open " + action.text;
            break;
        case RunAction::Kind::StartTool:
            outcome =
                "start " + QStringList(QStringList{JdkProgramName(action.tool, PathStyle::Posix)} +
                                       action.arguments)
                               .join(u' ');
            break;
        }
        QCOMPARE(outcome, expected);
    }

    void compilerMessage_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("line"); // 0: not a compiler message

        QTest::newRow("error") << "/p/Hello.java:12: error: ';' expected"
                               << "/p/Hello.java" << 12;
        QTest::newRow("warning") << "A.java:3: warning: [deprecation] x"
                                 << "A.java" << 3;
        QTest::newRow("drive letter") << "C:\\My Files\\A.java:7: error: x"
                                      << "C:\\My Files\\A.java" << 7;
        QTest::newRow("summary") << "1 error"
                                 << "" << 0;
        QTest::newRow("note") << "Note: Some input files use unchecked operations."
                              << "" << 0;
        QTest::newRow("caret line") << "        ^"
                                    << "" << 0;
        QTest::newRow("line zero") << "A.java:0: error"
                                   << "" << 0;
    }

    void compilerMessage() {
        QFETCH(QString, text);
        QFETCH(QString, path);
        QFETCH(int, line);
        const std::optional<SourceLine> source = ParseCompilerMessage(text);
        QCOMPARE(source.has_value(), line > 0);
        if (source)
            QCOMPARE(*source, (SourceLine{path, line}));
    }

    void lineStart() {
        const QString text = QStringLiteral("ab\r\n\r\ncd");
        QCOMPARE(LineStartPosition(text, 1), 0);
        QCOMPARE(LineStartPosition(text, 2), 4);
        QCOMPARE(LineStartPosition(text, 3), 6);
        QCOMPARE(LineStartPosition(text, 9), 8);
    }
};

QTEST_APPLESS_MAIN(TestToolchainRules)
#include "tst_toolchainrules.moc"
