#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// Builds the Debian package from the build folder, as a packager would, and checks what a new
// user gets from it.
class TestPackage : public QObject {
    Q_OBJECT

    static QString run(const QString& program, const QStringList& arguments, int* exitCode) {
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        // The tools keep caches and settings in the home folder: give them one of their own.
        static const QTemporaryDir home;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", home.path());
        environment.remove("XDG_CACHE_HOME");
        environment.remove("XDG_CONFIG_HOME");
        process.setProcessEnvironment(environment);
        process.start(program, arguments);
        // A missing tool fails here: scripts/dependencies.sh installs every one of them.
        if (!process.waitForStarted() || !process.waitForFinished(300000))
            qFatal("%s could not be run", qPrintable(program));
        *exitCode = process.exitCode();
        return QString::fromLocal8Bit(process.readAll());
    }

private slots:
    void packageCarriesItsDocumentsAndPassesLintian() {
        const QString build = qEnvironmentVariable("ORVANE_BUILD_DIR");
        QVERIFY2(!build.isEmpty(), "ORVANE_BUILD_DIR must name the build folder");
        QVERIFY(QFileInfo::exists(build + "/history.txt"));

        QTemporaryDir out;
        int exitCode = 0;
        const QString packed =
            run("cpack", {"-G", "DEB", "--config", build + "/CPackConfig.cmake", "-B", out.path()},
                &exitCode);
        QVERIFY2(exitCode == 0, qPrintable(packed));
        const QStringList debs = QDir(out.path()).entryList({"*.deb"});
        QCOMPARE(debs.size(), 1);
        const QString deb = out.filePath(debs.first());

        const QString contents = run("dpkg-deb", {"--contents", deb}, &exitCode);
        QCOMPARE(exitCode, 0);
        for (const char* file : {"./usr/lib/orvane/history.txt", "./usr/lib/orvane/orvane-web.html",
                                 "./usr/lib/orvane/orvane.hlp", "./usr/share/doc/orvane/copyright",
                                 "./usr/share/doc/orvane/changelog.gz"})
            QVERIFY2(contents.contains(QString(file) + u'\n'), file);

        const QString report = run("lintian", {"--fail-on", "error", deb}, &exitCode);
        QVERIFY2(exitCode == 0, qPrintable(report));
    }
};

QTEST_GUILESS_MAIN(TestPackage)
#include "tst_package.moc"
