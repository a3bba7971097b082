#include "toolchain/appletapi.h"
#include "toolchain/appletviewerchoice.h"
#include "toolchain/compilecommands.h"
#include "toolchain/compilermessage.h"
#include "toolchain/javapackage.h"
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
        for (const ToolCommand& command : BuildCompileCommands(
                 chosen, path, JavaPackageRoot(path, {}, style).root,
                 JdkProgramName(JdkTool::Compiler, style), JavacEncodingName(encoding)))
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
        QTest::newRow("first line")
            << u"/w/p/A.java:1: warning: x"_s << posix << u"/w/p/A.java 1"_s;
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

    // A line past the end is the end.
    void lineStart() {
        QCOMPARE(LineStartPosition(u"ab\r\ncd"_s, 2), 4);
        QCOMPARE(LineStartPosition(u"ab\r\ncd"_s, 3), 6);
    }

    // Escape sequences go whole, even across chunks; a CR LF becomes LF.
    void terminalText() {
        TerminalText terminal;
        QCOMPARE(terminal.feed(u"a\x1b[1mb\x1b]0;title\x1b\\c\x1b]2;t\ad\x1b["_s), u"abcd"_s);
        QCOMPARE(terminal.feed(u"0me\r"_s), u"e"_s);
        QCOMPARE(terminal.feed(u"\nf\x1b]0;ti"_s), u"\nf"_s);
        QCOMPARE(terminal.feed(u"tle\ag\x1b]0;t\x1b"_s), u"g"_s);
        QCOMPARE(terminal.feed(u"\\h"_s), u"h"_s);
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
        QTest::newRow("blank lines count") << u"\n\nc\n"_s << 0 << 2 << 100 << u"\nc\n"_s << 1;
        QTest::newRow("one endless line")
            << QString(30, u'x') << 0 << 3 << 20 << u"xxxxx\nxxxxx\nxxxxx"_s << 3;
    }

    void fitOutput() {
        QFETCH(QString, text);
        QFETCH(int, column);
        QFETCH(int, lines);
        QFETCH(int, characters);
        const FittedOutput fitted = FitOutput(text, column, {lines, characters, 5});
        QTEST(fitted.text, "expected");
        QTEST(fitted.droppedLines, "dropped");
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
            u"a letter, a currency sign such as \"$\" or a connector such as \"_\", and goes on "
            u"with those, digits and accents; rename the source and compile it again."_s;
        QTest::newRow("name read as an option")
            << u"-version.class"_s << J << refusal.arg("-version");
        QTest::newRow("name starting with a digit") << u"1st.class"_s << J << refusal.arg("1st");
        QTest::newRow("argument file") << u"@args.class"_s << J << refusal.arg("@args");
        QTest::newRow("a hyphen inside") << u"my-app.class"_s << J << refusal.arg("my-app");
        // Names javac compiles and java runs: a combining accent, a currency sign, a connector,
        // a letter number, a letter outside the first plane.
        for (const QString& name : {u"Café"_s, u"€uro"_s, u"a‿b"_s, u"ⅫRoman"_s, u"𝒜pp"_s})
            QTest::newRow(qPrintable(name))
                << name + u".class"_s << J << u"java -cp /t/Projects/ "_s + name;
        QTest::newRow("packaged class from its root")
            << u"a/b/Pk.class|a.b"_s << J << u"java -cp /t/Projects/ a.b.Pk"_s;
        QTest::newRow("packaged class outside its folders")
            << u"Pk.class|a"_s << J << u"java -cp /t/Projects/ Pk"_s;
        QTest::newRow("unpackaged class in a subfolder")
            << u"demo/Pk.class"_s << J << u"java -cp /t/Projects/demo Pk"_s;
        QTest::newRow("page in a subfolder") << u"demo/p.html"_s << RunTool::AppletViewer
                                             << u"appletviewer /t/Projects/demo/p.html"_s;
    }

    void runAction() {
        QFETCH(QString, selected);
        QFETCH(RunTool, tool);
        const QStringList named = selected.split(u'|'); // the file, then its source's package
        const RunAction action = ChooseRunAction(named.constFirst(), tool, "/t/Projects/",
                                                 named.value(1), PathStyle::Posix);
        const ToolCommand command{JdkProgramName(action.tool, PathStyle::Posix), action.arguments};
        const QString outcome[] = {action.text, "open " + action.text, CommandLineText(command)};
        QTEST(outcome[static_cast<int>(action.kind)], "expected");
    }

    // The package root of a source, read from its package line and its folders.
    void packageRoot_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("expected"); // "package|root|matches"
        QTest::newRow("no package") << u"/p/A.java"_s << u"class A {}"_s << u"|/p|1"_s;
        QTest::newRow("two levels")
            << u"/p/a/b/Pk.java"_s
            << u"\ufeff/* licence */\r\n// note\r\npackage a . b;\r\nclass Pk {}"_s
            << u"a.b|/p|1"_s;
        QTest::newRow("annotated, at the drive root")
            << u"C:\\demo\\Pk.java"_s << u"@Deprecated(since = \"1\") package demo;"_s
            << u"demo|C:\\|1"_s;
        QTest::newRow("mismatched folder")
            << u"/p/x/Pk.java"_s << u"package a.b;"_s << u"a.b|/p/x|0"_s;
        QTest::newRow("package in a comment only")
            << u"/p/A.java"_s << u"// package a;\nclass A {}"_s << u"|/p|1"_s;
        QTest::newRow("word starting with package")
            << u"/p/A.java"_s << u"packaged x;"_s << u"|/p|1"_s;
    }

    void packageRoot() {
        QFETCH(QString, path);
        QFETCH(QString, source);
        const JavaPackagePlace place = JavaPackageRoot(
            path, source, path.startsWith(u'C') ? PathStyle::Windows : PathStyle::Posix);
        QTEST(QString(place.packageName + u'|' + place.root + u'|' +
                      QString::number(place.matchesFolder)),
              "expected");
    }

    // A JDK's release file tells whether it has the applet classes; Orvane's replace them with
    // the options javac and java take.
    void appletApi_data() {
        QTest::addColumn<QString>("release");
        QTest::addColumn<int>("expected"); // 1 has the classes, 0 hasn't, -1 can't tell
        QTest::newRow("8") << u"JAVA_VERSION=\"1.8.0_402\""_s << 1;
        QTest::newRow("17") << u"IMPLEMENTOR=\"x\"\nJAVA_VERSION=\"17.0.10\"\n"_s << 1;
        QTest::newRow("25") << u"JAVA_VERSION=\"25\""_s << 1;
        QTest::newRow("26") << u"JAVA_VERSION=\"26-ea\""_s << 0;
        QTest::newRow("no version") << u"MODULES=\"java.base\""_s << -1;
    }

    void appletApi() {
        QFETCH(QString, release);
        const std::optional<bool> has = AppletClassesFromRelease(release);
        QTEST(has ? int(*has) : -1, "expected");
        QCOMPARE(AppletApiOptions(AppletApi::Jdk, u"/o/api.jar"_s), QStringList());
        QCOMPARE(AppletApiOptions(AppletApi::Orvane, u"/o/api.jar"_s),
                 (QStringList{u"--patch-module"_s, u"java.desktop=/o/api.jar"_s, u"--add-exports"_s,
                              u"java.desktop/java.applet=ALL-UNNAMED"_s}));
        QVERIFY(UsesAppletApi(u"public class X extends JApplet {}"_s));
        QVERIFY(!UsesAppletApi(u"public class MyApplet extends Frame {}"_s));
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
            ChooseAppletViewer(appletViewer, java, u"/opt/My Orvane"_s, u"/p/A.html"_s, {}, style);
        QTEST(CommandLineText(choice.command), "expected");
        QTEST(choice.note, "note");
        QCOMPARE(choice.builtIn, appletViewer.isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestToolchainRules)
#include "tst_toolchainrules.moc"
