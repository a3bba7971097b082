#include "toolchain/appletviewerchoice.h"
#include "toolchain/compilecommands.h"
#include "toolchain/compilermessage.h"
#include "toolchain/outputhistory.h"
#include "toolchain/previewrule.h"
#include "toolchain/runaction.h"

#include <QTest>

using namespace orvane;
using namespace Qt::StringLiterals;

class TestToolchainRules : public QObject {
    Q_OBJECT

private slots:
    void compileCommands_data() {
        QTest::addColumn<QString>("modes"); // letters n, d, o, v for the chosen modes
        QTest::addColumn<QString>("path");
        QTest::addColumn<TextFormat::Encoding>("encoding");
        QTest::addColumn<PathStyle>("style");
        QTest::addColumn<QStringList>("expected"); // each command as typed, blanks quoted

        const auto posix = PathStyle::Posix;
        const auto utf8 = TextFormat::Encoding::Utf8;
        const QString common = u" -encoding UTF-8 -sourcepath /w /w/A.java"_s;
        QTest::newRow("all in order, debugging is -g")
            << u"vodn"_s << u"/w/A.java"_s << utf8 << posix
            << QStringList{"javac" + common, "javac -g" + common, "javac -O" + common,
                           "javac -verbose" + common};
        QTest::newRow("blanks in one argument")
            << u"n"_s << u"/u/My Files/A.java"_s << utf8 << posix
            << QStringList{
                   "javac -encoding UTF-8 -sourcepath \"/u/My Files\" \"/u/My Files/A.java\""};
        QTest::newRow("single-byte source")
            << u"n"_s << u"/A.java"_s << TextFormat::Encoding::Windows1252 << posix
            << QStringList{"javac -encoding windows-1252 -sourcepath / /A.java"};
        QTest::newRow("UTF-16 by its byte order mark")
            << u"n"_s << u"/A.java"_s << TextFormat::Encoding::Utf16Be << posix
            << QStringList{"javac -encoding UTF-16 -sourcepath / /A.java"};
        QTest::newRow("windows drive root")
            << u"n"_s << u"C:\\A.java"_s << utf8 << PathStyle::Windows
            << QStringList{"javac.exe -encoding UTF-8 -sourcepath C:\\ C:\\A.java"};
    }

    void compileCommands() {
        QFETCH(QString, modes);
        QFETCH(QString, path);
        QFETCH(TextFormat::Encoding, encoding);
        QFETCH(PathStyle, style);
        const CompileModes chosen{modes.contains(u'n'), modes.contains(u'd'), modes.contains(u'o'),
                                  modes.contains(u'v')};
        QStringList lines;
        for (const ToolCommand& command :
             BuildCompileCommands(chosen, path, JdkProgramName(JdkTool::Compiler, style),
                                  JavacEncodingName(encoding), style))
            lines.append(CommandLineText(command));
        QTEST(lines, "expected");
    }

    // A compiler run of /w/p/A.java started in /w: only files of /w/p are places to go to.
    void compilerJumpTarget_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<PathStyle>("style");
        QTest::addColumn<QString>("expected"); // "path line", or empty for no jump

        const auto posix = PathStyle::Posix;
        QTest::newRow("the source")
            << u"/w/p/A.java:3: error: ';' expected"_s << posix << u"/w/p/A.java 3"_s;
        QTest::newRow("relative, beside it")
            << u"p/Helper.java:12: error: x"_s << posix << u"/w/p/Helper.java 12"_s;
        QTest::newRow("another folder") << u"/etc/hostname:1:"_s << posix << QString();
        QTest::newRow("climbing out") << u"/w/p/../../etc/passwd:1:"_s << posix << QString();
        QTest::newRow("windows letter case")
            << u"c:\\W\\P\\a.java:7: error"_s << PathStyle::Windows << u"c:\\W\\P\\a.java 7"_s;
    }

    void compilerJumpTarget() {
        QFETCH(QString, line);
        QFETCH(PathStyle, style);
        const bool windows = style == PathStyle::Windows;
        const std::optional<SourceLine> target =
            CompilerJumpTarget(line, windows ? u"C:\\w\\p\\A.java"_s : u"/w/p/A.java"_s,
                               windows ? u"C:\\w"_s : u"/w"_s, style);
        QTEST(target ? target->path + u' ' + QString::number(target->line) : QString(), "expected");
    }

    // Lines of at most 5 characters; the history holds `lines` lines and `characters` characters.
    void fitOutput_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("characters");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("dropped");

        QTest::newRow("line continued") << u"abcd\nef"_s << 3 << 10 << 100 << u"ab\ncd\nef"_s << 0;
        QTest::newRow("last lines kept")
            << u"1\n2\n3\n4\n5\n"_s << 0 << 3 << 100 << u"3\n4\n5\n"_s << 2;
        QTest::newRow("unfinished line counts")
            << u"1\n2\n3\n4"_s << 0 << 3 << 100 << u"2\n3\n4"_s << 1;
        QTest::newRow("characters, whole lines")
            << u"aaaa\nbbbb\ncccc\n"_s << 0 << 10 << 12 << u"bbbb\ncccc\n"_s << 1;
        QTest::newRow("one endless line")
            << QString(30, u'x') << 0 << 3 << 20 << u"xxxxx\nxxxxx\nxxxxx"_s << 3;
    }

    void fitOutput() {
        QFETCH(QString, text);
        QFETCH(int, column);
        QFETCH(int, lines);
        QFETCH(int, characters);
        QFETCH(QString, expected);
        QFETCH(int, dropped);
        QCOMPARE(FitOutput(text, column, {lines, characters, 5}),
                 (FittedOutput{expected, dropped}));
    }

    void previewAction_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("expected"); // "ask", "refuse" or "open <path>"
        QTest::newRow("never saved") << QString() << u"ask"_s;
        QTest::newRow("capitals, trimmed") << u" /web/INDEX.HTML "_s << u"open /web/INDEX.HTML"_s;
        QTest::newRow("htm") << u"/web/index.htm"_s << u"refuse"_s;
    }

    void previewAction() {
        QFETCH(QString, path);
        const PreviewAction action = ChoosePreviewAction(path, PathStyle::Posix);
        const QString outcome[] = {"ask", "refuse", "open " + action.path};
        QTEST(outcome[static_cast<int>(action.kind)], "expected");
    }

    void runAction_data() {
        QTest::addColumn<QString>("selected");
        QTest::addColumn<RunTool>("tool");
        QTest::addColumn<QString>("expected"); // the message, "open <path>" or the command

        const auto W = RunTool::WebBrowser;
        const auto J = RunTool::JavaInterpreter;
        const QString none = "You must select a project to run.";
        const QString java = "JavaViewer requires a CLASS file (filename.class) to execute.";
        QTest::newRow("nothing selected") << QString() << W << none;
        QTest::newRow("Untitled") << u"Untitled"_s << J << none;
        QTest::newRow("page in browser") << u"PAGE.HTML"_s << W << u"open /t/Projects/PAGE.HTML"_s;
        QTest::newRow("page in viewer")
            << u"page.Html"_s << RunTool::AppletViewer << u"appletviewer /t/Projects/page.Html"_s;
        QTest::newRow("htm in browser")
            << u"Page.htm"_s << W
            << u"Web browser requires an HTML file (filename.html) to execute."_s;
        QTest::newRow("source in viewer")
            << u"Hello.java"_s << RunTool::AppletViewer
            << u"AppletViewer requires an HTML file (filename.html) to execute."_s;
        QTest::newRow("source in interpreter") << u"Hello.java"_s << J << java;
        QTest::newRow("class by name") << u"Hello.class"_s << J << u"java -cp /t/Projects/ Hello"_s;
        QTest::newRow("nested class")
            << u"Outer$Inner.class"_s << J << u"java -cp /t/Projects/ Outer$Inner"_s;
        const QString refusal =
            u"JavaViewer cannot run \"%1\": it is not a Java class name. A class name starts with "
            u"a letter, \"_\" or \"$\" and goes on with letters, digits, \"_\" and \"$\"; rename "
            u"the source and compile it again."_s;
        QTest::newRow("name read as an option") << u"-version.class"_s << J << refusal.arg("-version");
        QTest::newRow("name starting with a digit") << u"1st.class"_s << J << refusal.arg("1st");
    }

    void runAction() {
        QFETCH(QString, selected);
        QFETCH(RunTool, tool);
        const RunAction action = ChooseRunAction(selected, tool, "/t/Projects/", PathStyle::Posix);
        const ToolCommand command{JdkProgramName(action.tool, PathStyle::Posix), action.arguments};
        const QString outcome[] = {action.text, "open " + action.text, CommandLineText(command)};
        QTEST(outcome[static_cast<int>(action.kind)], "expected");
    }

    void appletViewerChoice_data() {
        QTest::addColumn<QString>("appletViewer"); // as found, empty when there is none
        QTest::addColumn<QString>("java");         // likewise
        QTest::addColumn<PathStyle>("style");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("note");
        const QString java = u"/jdk17/bin/java"_s;
        QTest::newRow("the JDK's own") << u"/jdk8/bin/appletviewer"_s << java << PathStyle::Posix
                                       << u"/jdk8/bin/appletviewer /p/A.html"_s
                                       << u"The JDK's applet viewer shows the page."_s;
        const QString builtIn =
            u"This JDK has no applet viewer of its own: Orvane's applet viewer shows the page."_s;
        QTest::newRow("Orvane's beside the program")
            << QString() << java << PathStyle::Posix
            << u"/jdk17/bin/java -jar \"/opt/My Orvane/orvane-viewer.jar\" /p/A.html"_s << builtIn;
        QTest::newRow("windows")
            << QString() << java << PathStyle::Windows
            << u"/jdk17/bin/java -jar \"/opt/My Orvane\\orvane-viewer.jar\" /p/A.html"_s << builtIn;
        QTest::newRow("no JDK at all")
            << QString() << QString() << PathStyle::Posix
            << u"java -jar \"/opt/My Orvane/orvane-viewer.jar\" /p/A.html"_s
            << u"No JDK found: neither an applet viewer nor java lies beside the compiler chosen "
               u"in "
               "View > Options or on the search path. Install a JDK (on Debian, default-jdk)."_s;
    }

    void appletViewerChoice() {
        QFETCH(QString, appletViewer);
        QFETCH(QString, java);
        QFETCH(PathStyle, style);
        const AppletViewerChoice choice =
            ChooseAppletViewer(appletViewer, java, u"/opt/My Orvane"_s, u"/p/A.html"_s, style);
        QTEST(CommandLineText(choice.command), "expected");
        QTEST(choice.note, "note");
    }
};

QTEST_APPLESS_MAIN(TestToolchainRules)
#include "tst_toolchainrules.moc"
