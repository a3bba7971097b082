#include "about/versiontext.h"
#include "document/documentfile.h"
#include "templates/appletpage.h"
#include "templates/javatemplates.h"
#include "testsettings.h"
#include "toolchain/toolchaincommands.h"
#include "toolchainbench.h"
#include "xserver.h"

#include <QDir>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

using namespace orvane;
using namespace Qt::StringLiterals;

namespace {

// A description of two lines, as the wizard's box allows, goes into comments of the source.
const ProjectValues values{QStringLiteral("MyApplet"), QStringLiteral("Jane Doe"),
                           QStringLiteral("A first line\r\nand a second."), QStringLiteral("2001")};

// The viewer closes its windows by itself this long after the applets started.
const QByteArray closeAfterStart = "-Dorvane.viewer.closeAfterStart=1000";

struct Finished {
    int exitCode = -1;
    QString output;
    QString errors;
};

Finished Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(120000))
        return {-1, {}, process.errorString()};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

} // namespace

class TestAppletViewer : public QObject {
    Q_OBJECT

    test::TemporarySettings store_;
    QString javac_;
    QString java_;
    QString viewer_;
    test::XServer display_;

    // Saves `source` as the wizard saves it and compiles it into `classes`.
    void compile(const QString& sourcePath, const QString& source, const QString& classes) {
        QCOMPARE(WriteDocumentFile(sourcePath, source, TextFormat()), 0);
        const Finished javac =
            Run(javac_, {"-encoding", "UTF-8", "-Xlint:-removal", "-d", classes, sourcePath});
        QVERIFY2(javac.exitCode == 0, qPrintable(javac.errors));
    }

    Finished showPage(const QString& page, const QStringList& options = {}) {
        return Run(java_, options + QStringList{closeAfterStart, "-jar", viewer_, page});
    }

    // A folder with the Life probe compiled in `classes`, and a page of `applets` (tags)
    // beside it, the folder "classes" their code base unless a tag names its own.
    static QString lifePage(QTemporaryDir& folder, const QString& applets) {
        QDir(folder.path()).mkdir("classes");
        const QString probe = qEnvironmentVariable("ORVANE_SOURCE_DIR") + "/tests/tools/probe/";
        const Finished javac = Run(
            "javac", {"-Xlint:-removal", "-d", folder.filePath("classes"), probe + "Life.java"});
        if (javac.exitCode != 0)
            qFatal("cannot compile Life.java: %s", qPrintable(javac.errors));
        const QString page = folder.filePath("life.html");
        if (WriteDocumentFile(page, u"<html><body>%1</body></html>"_s.arg(applets), TextFormat()))
            qFatal("cannot write the page");
        return page;
    }

private slots:
    // The viewer needs a display: an Xvfb of the test's own, announced to every program started.
    void initTestCase() {
        javac_ = QStandardPaths::findExecutable("javac");
        java_ = QStandardPaths::findExecutable("java");
        if (javac_.isEmpty() || java_.isEmpty())
            QFAIL("javac and java must be installed on the search path (scripts/dependencies.sh)");
        viewer_ = qEnvironmentVariable("ORVANE_BUILD_DIR") + "/orvane-viewer.jar";
        if (!QFileInfo::exists(viewer_))
            QFAIL(qPrintable("the applet viewer was not built: " + viewer_));
        QVERIFY(display_.start({"-screen", "0", "1024x768x24"}));
    }

    // A page whose class was never compiled gets the viewer's word on it. The templates show in
    // the JDK tests.
    void neverCompiledPageSaysSo() {
        QTemporaryDir folder;
        const QString page = folder.filePath("MyApplet.html");
        QCOMPARE(WriteDocumentFile(page, WriteAppletPage(values, ProgramVersionText()), {}), 0);
        const Finished viewer = showPage(page);
        QCOMPARE(viewer.exitCode, 2);
        QVERIFY2(viewer.errors.contains("compile the applet's source first"),
                 qPrintable(viewer.errors));
    }

    // Parameters, code and document base, status line, title and size reach each applet of a
    // page; each gets a window; closing stops and destroys them.
    void stubAndContext() {
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir("classes"));
        const QString probe = qEnvironmentVariable("ORVANE_SOURCE_DIR") + "/tests/tools/probe/";
        const QString page = folder.filePath("page.html");
        QVERIFY(QFile::copy(probe + "page.html", page));
        QFile source(probe + "Probe.java");
        QVERIFY(source.open(QIODevice::ReadOnly));
        compile(folder.filePath("Probe.java"), QString::fromUtf8(source.readAll()),
                folder.filePath("classes"));
        const Finished viewer = showPage(page);
        QVERIFY2(viewer.exitCode == 0 && viewer.errors.isEmpty(), qPrintable(viewer.errors));
        QCOMPARE(viewer.output.split('\n', Qt::SkipEmptyParts),
                 QStringList({"Hello & welcome | true | true | true",
                              "Applet Viewer: Probe | 120x80 | status of Hello & welcome | true",
                              "second | true | true | true",
                              "Applet Viewer: Probe | 150x90 | status of second | true",
                              "stop Hello & welcome", "destroy Hello & welcome", "stop second",
                              "destroy second"}));
    }

    // How the viewer runs applets: each initialised before it joins its window, each waited
    // for only so long, at most as large as the screen, found by name, its parameters decoded.
    // Only the page's own folder and below may give classes: however the page names another
    // place, nothing is fetched (from a server on 127.0.0.1 whose port is %1) and nothing runs.
    void lifecycle_data() {
        QTest::addColumn<QString>("applets");
        QTest::addColumn<QStringList>("output"); // lines in this order, others between
        QTest::addColumn<QString>("error");      // a part of what it says on its error output
        const QString life = "<applet code=Life.class codebase=classes width=120 height=80 %1>"
                             "<param name=id value=%2>%3</applet>";
        // Each refused attribute, its value, and that value as the refusal names it.
        const char* foreign[][3] = {
            {"codebase", "http://127.0.0.1:%1/", "http://127.0.0.1:%1/"},
            {"codebase", "https://127.0.0.1:%1/", "https://127.0.0.1:%1/"},
            {"codebase", "jar:http://127.0.0.1:%1/a.jar!/", "jar:http://127.0.0.1:%1/a.jar!/"},
            {"archive", "ftp://127.0.0.1:%1/a.jar", "ftp://127.0.0.1:%1/a.jar"},
            {"archive", "../outside.jar", "../outside.jar"},
            {"codebase", "../elsewhere", "../elsewhere/"}};
        for (const auto& [attribute, value, named] : foreign)
            QTest::addRow("%s %s", attribute, value)
                << u"<applet code=Life %1=\"%2\" width=50 height=50></applet>"_s.arg(
                       QLatin1StringView(attribute), QLatin1StringView(value))
                << QStringList{}
                << u"Refused the applet's %1 \"%2\": the viewer runs only classes from the "
                   "page's own folder"_s.arg(QLatin1StringView(attribute),
                                             QLatin1StringView(named));
        QTest::newRow("font, then a text area")
            << life.arg("", "t", "<param name=textarea value=1>")
            << QStringList{"init t ended", "start t 120x80"} << "";
        QTest::newRow("init never ends, the other applet runs")
            << life.arg("", "s", "<param name=sleep value=1>") + life.arg("", "t", "")
            << QStringList{"init t ended", "start t 120x80"} << "has not returned after";
        QTest::newRow("page larger than the screen")
            << life.arg("", "big", "")
                   .replace("width=120 height=80", "width=99999999 height=99999999")
            << QStringList{"start big 1024x768"} << "";
        QTest::newRow("found by the tag's name")
            << life.arg("name=First", "a", "") + life.arg("", "b", "<param name=find value=first>")
            << QStringList{"start a 120x80", "start b 120x80 found a"} << "";
        QTest::newRow("references in values")
            << life.arg("", "r", "<param name=text value=\"&eacute;&hearts;&#0;&#x1D49C;&bogus;\">")
            << QStringList{"text e9 2665 fffd 1d49c 26 62 6f 67 75 73 3b"} << "";
        QTest::newRow("javascript address not shown")
            << life.arg("", "j", "<param name=show value=\"javascript:alert(1)\">")
            << QStringList{"init j ended"} << "Refused to show javascript:alert(1)";
        QTest::newRow("file outside the page's folder not shown")
            << life.arg("", "f", "<param name=show value=\"file:/etc/passwd\">")
            << QStringList{"init f ended"} << "Refused to show file:/etc/passwd";
    }

    void lifecycle() {
        QFETCH(QString, applets);
        QFETCH(QStringList, output);
        QFETCH(QString, error);
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        const auto withPort = [&server](const QString& text) {
            return text.contains(u"%1") ? text.arg(server.serverPort()) : text;
        };
        applets = withPort(applets);
        error = withPort(error);
        QTemporaryDir folder;
        const Finished viewer =
            showPage(lifePage(folder, applets), {"-Dorvane.viewer.stepLimit=2000"});
        QCOMPARE(viewer.exitCode, 0);
        qsizetype at = 0;
        for (const QString& line : output) {
            at = viewer.output.indexOf(line + u'\n', at);
            QVERIFY2(at >= 0, qPrintable(line + " in:\n" + viewer.output));
        }
        QVERIFY2(error.isEmpty()
                     ? !viewer.errors.contains("Exception") && !viewer.errors.contains("Error")
                     : viewer.errors.contains(error),
                 qPrintable(viewer.errors));
        QVERIFY(!output.isEmpty() || !viewer.output.contains("init"));
        QVERIFY(!server.waitForNewConnection(100));
    }

    // New > Standard Applet, Finish, Compile, Run > AppletViewer > Begin: the applet shows in
    // Orvane's viewer, beside the program, and no message box comes up.
    void newAppletRuns() {
        test::ToolchainBench bench({"SDKNormal"}, javac_);
        QVERIFY(QFile::copy(viewer_, bench.fake.programFolder() + "/orvane-viewer.jar"));
        bench.fake.driveDialog(
            [](QDialog& dialog) { dialog.findChild<QPushButton*>("cmdFinish")->click(); });
        bench.frame.command("mnuFileNewApplet")->trigger();
        bench.frame.command("mnuViewCompile")->trigger();
        bench.waitForPrograms();

        bench.fake.driveDialog(test::BeginRun("Document1.html", "optApplet"));
        qputenv("JAVA_TOOL_OPTIONS", closeAfterStart);
        ShowRunDialog(bench.frame);
        qunsetenv("JAVA_TOOL_OPTIONS");
        bench.waitForPrograms();

        const QString output = bench.pane().text();
        QVERIFY2(output.contains("Orvane's applet viewer shows the page.\n") &&
                     output.endsWith("Exit status 0\n\n") && !output.contains("Exception"),
                 qPrintable(output));
        QVERIFY(bench.fake.messages.isEmpty());
    }
};

QTEST_MAIN(TestAppletViewer)
#include "tst_appletviewer.moc"
