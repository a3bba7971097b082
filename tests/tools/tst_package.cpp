#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// Builds the Debian package from the build folder, as a packager would, and checks what a new
// user gets from it.
class TestPackage : public QObject {
    Q_OBJECT

    // Runs a tool that must succeed and gives its output. A missing tool fails here:
    // scripts/dependencies.sh installs every one of them.
    static QString run(const QString& program, const QStringList& arguments) {
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
        if (!process.waitForStarted() || !process.waitForFinished(300000))
            qFatal("%s could not be run", qPrintable(program));
        const QString output = QString::fromLocal8Bit(process.readAll());
        if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
            qFatal("%s failed:\n%s", qPrintable(program), qPrintable(output));
        return output;
    }

private slots:
    void packageCarriesItsDocumentsAndPassesLintian() {
        const QString build = qEnvironmentVariable("ORVANE_BUILD_DIR");
        QVERIFY2(!build.isEmpty(), "ORVANE_BUILD_DIR must name the build folder");
        QVERIFY(QFileInfo::exists(build + "/history.txt"));

        QTemporaryDir out;
        run("cpack", {"-G", "DEB", "--config", build + "/CPackConfig.cmake", "-B", out.path()});
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

QTEST_GUILESS_MAIN(TestPackage)
#include "tst_package.moc"
