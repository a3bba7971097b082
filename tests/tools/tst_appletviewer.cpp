#include "document/documentfile.h"
#include "testsettings.h"
#include "toolchainbench.h"

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

// Compiles the probe `probe` into the folder's "classes", the code base of the tags of `html`
// unless one names its own, and writes that page beside it (without `html`, the probe's page).
QString ProbePage(const QTemporaryDir& folder, const QString& probe, const QString& html = {}) {
    const QString source = qEnvironmentVariable("ORVANE_SOURCE_DIR") + "/tests/tools/probe/";
    const Finished javac =
        Run("javac", {"-Xlint:-removal", "-d", folder.filePath("classes"), source + probe});
    if (javac.exitCode != 0)
        qFatal("cannot compile %s: %s", qPrintable(probe), qPrintable(javac.errors));
    const QString page = folder.filePath("page.html");
    if (html.isEmpty() ? !QFile::copy(source + "page.html", page)
                       : WriteDocumentFile(page, html, TextFormat()) != 0)
        qFatal("cannot write the page");
    return page;
}

} // namespace

class TestAppletViewer : public QObject {
    Q_OBJECT

    test::TemporarySettings store_;
    QString javac_;
    QString viewer_;

    // The viewer closes its windows by itself a second after the applets started.
    Finished showPage(const QString& page, const QStringList& options = {}) {
        return Run("java", options + QStringList{"-Dorvane.viewer.closeAfterStart=1000", "-jar",
                                                 viewer_, page});
    }

private slots:
    void initTestCase() {
        javac_ = QStandardPaths::findExecutable("javac");
        QVERIFY2(!javac_.isEmpty(), "javac must be on the search path (scripts/dependencies.sh)");
        viewer_ = qEnvironmentVariable("ORVANE_BUILD_DIR") + "/orvane-viewer.jar";
        QVERIFY2(QFileInfo::exists(viewer_), qPrintable(viewer_));
    }

    // Parameters, code and document base, status line, title and size reach each applet of a
    // page; each gets a window; closing stops and destroys them.
    void stubAndContext() {
        QTemporaryDir folder;
        const Finished viewer = showPage(ProbePage(folder, "Probe.java"));
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
        const QString port = QString::number(server.serverPort());
        applets.replace(u"%1"_s, port);
        error.replace(u"%1"_s, port);
        QTemporaryDir folder;
        const Finished viewer =
            showPage(ProbePage(folder, "Life.java", u"<html><body>%1</body></html>"_s.arg(applets)),
                     {"-Dorvane.viewer.stepLimit=2000"});
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

    // New > Standard Applet, Finish, Run > AppletViewer > Begin: the viewer asks for a compile.
    // After Compile the applet shows in Orvane's viewer, beside the program, and no box comes up.
    void newAppletRuns() {
        test::ToolchainBench bench({"SDKNormal"}, javac_);
        QVERIFY(QFile::copy(viewer_, bench.fake.programFolder() + "/orvane-viewer.jar"));
        bench.fake.driveDialog(
            [](QDialog& dialog) { dialog.findChild<QPushButton*>("cmdFinish")->click(); });
        bench.frame.command("mnuFileNewApplet")->trigger();
        bench.run("Document1.html", "optApplet");
        bench.waitForPrograms();
        QVERIFY2(
            bench.pane().text().endsWith(": compile the applet's source first.\nExit status 2\n\n"),
            qPrintable(bench.pane().text()));
        bench.frame.command("mnuViewCompile")->trigger();
        bench.waitForPrograms();
        bench.run("Document1.html", "optApplet");
        bench.waitForPrograms();
        const QString text = bench.pane().text();
        QVERIFY2(text.count("Orvane's applet viewer shows the page.\n") == 2 &&
                     text.endsWith("Exit status 0\n\n") && !text.contains("Exception"),
                 qPrintable(text));
        QVERIFY(bench.fake.messages.isEmpty());
    }
};

QTEST_MAIN(TestAppletViewer)
#include "tst_appletviewer.moc"
