#include "app/helplinks.h"
#include "platform/helpwindow.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

using namespace orvane;

// What a new user gets from the build: installed as `cmake --install` does, and as the Debian
// package a packager builds with cpack.
class TestInstall : public QObject {
    Q_OBJECT

    const QString build_ = qEnvironmentVariable("ORVANE_BUILD_DIR");
    QTemporaryDir home_;

    // The tools and Orvane keep caches and settings in the home folder: give them one of their own.
    QProcessEnvironment environment() const {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("HOME", home_.path());
        for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
            environment.remove(name);
        return environment;
    }

    // Runs a tool that must succeed within two minutes, inside a test function's 300 s, and
    // gives its output. A missing tool fails here: scripts/dependencies.sh installs them all.
    QString run(const QString& program, const QStringList& arguments) const {
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.setProcessEnvironment(environment());
        process.start(program, arguments);
        if (!process.waitForStarted() || !process.waitForFinished(120000)) {
            process.kill();
            qFatal("%s could not be run, or did not end within two minutes", qPrintable(program));
        }
        const QString output = QString::fromLocal8Bit(process.readAll());
        if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
            qFatal("%s failed:\n%s", qPrintable(program), qPrintable(output));
        return output;
    }

private slots:
    void initTestCase() { QVERIFY2(!build_.isEmpty(), "ORVANE_BUILD_DIR must name the build"); }

    void installedProgramStartsWithItsHelpAndViewer() {
        QTemporaryDir prefix;
        run("cmake", {"--install", build_, "--prefix", prefix.path()});
        run("desktop-file-validate", {prefix.filePath("share/applications/orvane.desktop")});
        QVERIFY(QFileInfo::exists(prefix.filePath("share/icons/hicolor/scalable/apps/orvane.svg")));
        const QString program = prefix.filePath("bin/orvane");
        const QString folder = QFileInfo(program).canonicalPath();
        // The welcome box points to the release notes.
        for (const char* file :
             {"orvane-viewer.jar", "orvane-applet-api.jar", "orvane-checker.jar", "history.txt"})
            QVERIFY2(QFileInfo::exists(folder + '/' + file), file);
        HelpWindow help;
        help.showDocument(HelpFilePath(folder, HostPlatform::Linux));
        QVERIFY(help.browser().toPlainText().contains("Compile"));
        QVERIFY(QFileInfo::exists(MakerHomePage(folder))); // the web items open the page beside

        // It comes up, makes its projects folder beside itself and runs until told to end.
        QProcess orvane;
        orvane.setProcessEnvironment(environment());
        orvane.start(program, {});
        QVERIFY(orvane.waitForStarted());
        QVERIFY2(!orvane.waitForFinished(2000), orvane.readAllStandardError().constData());
        QVERIFY(QFileInfo(folder + "/Projects").isDir());
        orvane.terminate();
        QVERIFY(orvane.waitForFinished(10000));
    }

    void packageCarriesItsDocumentsAndPassesLintian() {
        // cpack first builds what is out of date, one target at a time: that fails here at once.
        const QStringList plan =
            run("cmake", {"--build", build_, "--target", "preinstall", "--", "-n"}).split(u'\n');
        const QStringList stale = plan.filter(QRegularExpression("(Building|Linking) "));
        QVERIFY2(stale.isEmpty(), qPrintable("Needs cmake --build:\n" + stale.join(u'\n')));
        QTemporaryDir out;
        run("cpack", {"-G", "DEB", "--config", build_ + "/CPackConfig.cmake", "-B", out.path()});
        const QStringList debs = QDir(out.path()).entryList({"*.deb"});
        QCOMPARE(debs.size(), 1);
        const QString deb = out.filePath(debs.first());
        const QString contents = run("dpkg-deb", {"--contents", deb});
        for (const char* file : {"./usr/lib/orvane/history.txt", "./usr/lib/orvane/orvane-web.html",
                                 "./usr/lib/orvane/orvane.hlp", "./usr/share/doc/orvane/copyright",
                                 "./usr/share/doc/orvane/changelog.gz"})
            QVERIFY2(contents.contains(QString(file) + u'\n'), file);
        run("lintian", {"--fail-on", "error", deb});
    }
};

QTEST_MAIN(TestInstall)
#include "tst_install.moc"
