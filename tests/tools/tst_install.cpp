#include "app/helplinks.h"
#include "platform/helpwindow.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

using namespace orvane;

// Installs the build into a temporary prefix, as `cmake --install` would.
class TestInstall : public QObject {
    Q_OBJECT

    QTemporaryDir prefix_;

private slots:
    void installedProgramStartsWithItsHelpAndViewer() {
        const QString build = qEnvironmentVariable("ORVANE_BUILD_DIR");
        QVERIFY2(!build.isEmpty(), "ORVANE_BUILD_DIR must name the build folder");
        // -2: the tool is missing (scripts/dependencies.sh installs it).
        QCOMPARE(QProcess::execute("cmake", {"--install", build, "--prefix", prefix_.path()}), 0);
        const QString entry = prefix_.filePath("share/applications/orvane.desktop");
        QCOMPARE(QProcess::execute("desktop-file-validate", {entry}), 0);
        QVERIFY(
            QFileInfo::exists(prefix_.filePath("share/icons/hicolor/scalable/apps/orvane.svg")));
        const QString program = prefix_.filePath("bin/orvane");
        const QString folder = QFileInfo(program).canonicalPath();
        QVERIFY(QFileInfo::exists(folder + "/orvane-viewer.jar"));
        QVERIFY(QFileInfo::exists(folder + "/orvane-applet-api.jar"));
        QVERIFY(QFileInfo::exists(folder + "/orvane-checker.jar"));
        HelpWindow help;
        help.showDocument(HelpFilePath(folder, HostPlatform::Linux));
        QVERIFY(help.browser().toPlainText().contains("Compile"));
        // The welcome box points to the release notes; the web items open the page beside them.
        QVERIFY(QFileInfo::exists(folder + "/history.txt"));
        QVERIFY(QFileInfo::exists(MakerHomePage(folder)));

        // It comes up, makes its projects folder beside itself and runs until told to end.
        QTemporaryDir home;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("HOME", home.path());
        environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
        environment.insert("XDG_DATA_HOME", home.filePath("data"));
        QProcess orvane;
        orvane.setProcessEnvironment(environment);
        orvane.start(program, {});
        QVERIFY(orvane.waitForStarted());
        QVERIFY2(!orvane.waitForFinished(2000), orvane.readAllStandardError().constData());
        QVERIFY(QFileInfo(folder + "/Projects").isDir());
        orvane.terminate();
        QVERIFY(orvane.waitForFinished(10000));
    }
};

QTEST_MAIN(TestInstall)
#include "tst_install.moc"
