#include "app/helplinks.h"
#include "platform/helpwindow.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

using namespace orvane;

// Installs the build into a temporary prefix, as a packager or `cmake --install` would, and
// checks that the installed program is complete and starts.
class TestInstall : public QObject {
    Q_OBJECT

    QTemporaryDir prefix_;
    QString program_;

    static QString tool(const char* name) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (path.isEmpty())
            qFatal("%s is not installed (scripts/dependencies.sh installs it)", name);
        return path;
    }

private slots:
    void initTestCase() {
        const QString build = qEnvironmentVariable("ORVANE_BUILD_DIR");
        QVERIFY2(!build.isEmpty(), "ORVANE_BUILD_DIR must name the build folder");
        QProcess install;
        install.setProcessChannelMode(QProcess::MergedChannels);
        install.start(tool("cmake"), {"--install", build, "--prefix", prefix_.path()});
        QVERIFY(install.waitForFinished(120000));
        QVERIFY2(install.exitCode() == 0, install.readAll().constData());
        program_ = QFileInfo(prefix_.filePath("bin/orvane")).canonicalFilePath();
    }

    void programWithHelpBesideIt() {
        QVERIFY2(QFileInfo(program_).isExecutable(), qPrintable(program_));
        const QString help = HelpFilePath(QFileInfo(program_).path(), HostPlatform::Linux);
        QVERIFY(QFileInfo::exists(help));

        HelpWindow window;
        window.showDocument(help);
        QCOMPARE(window.browser().source(), QUrl::fromLocalFile(help));
        QVERIFY(window.browser().toPlainText().contains("Compile"));
    }

    void launcherEntryAndIcon() {
        const QString entry = prefix_.filePath("share/applications/orvane.desktop");
        QProcess validate;
        validate.setProcessChannelMode(QProcess::MergedChannels);
        validate.start(tool("desktop-file-validate"), {entry});
        QVERIFY(validate.waitForFinished(30000));
        QVERIFY2(validate.exitCode() == 0 && validate.readAll().isEmpty(), "invalid entry");
        QVERIFY(
            QFileInfo::exists(prefix_.filePath("share/icons/hicolor/scalable/apps/orvane.svg")));
    }

    // The installed program comes up and keeps running until it is told to end.
    void installedProgramStarts() {
        QTemporaryDir home;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("HOME", home.path());
        environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
        environment.insert("XDG_DATA_HOME", home.filePath("data"));
        QProcess orvane;
        orvane.setProcessEnvironment(environment);
        orvane.start(prefix_.filePath("bin/orvane"), {});
        QVERIFY(orvane.waitForStarted());
        QVERIFY2(!orvane.waitForFinished(2000), orvane.readAllStandardError().constData());
        QVERIFY(QFileInfo(QFileInfo(program_).dir().filePath("Projects")).isDir());
        orvane.terminate();
        QVERIFY(orvane.waitForFinished(10000));
    }
};

QTEST_MAIN(TestInstall)
#include "tst_install.moc"
