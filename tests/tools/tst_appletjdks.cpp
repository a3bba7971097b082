#include "about/versiontext.h"
#include "templates/javatemplates.h"
#include "testsettings.h"
#include "toolchain/appletapichoice.h"
#include "toolchainbench.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace orvane;
using namespace Qt::StringLiterals;

namespace {

const QString jdk17 = u"/usr/lib/jvm/java-17-openjdk-amd64"_s;
const QString jdk25 = u"/usr/lib/jvm/temurin-25-jdk-amd64"_s;
const QString ownApi = u"Applet API: Orvane's own, patched into the JDK's java.desktop."_s;
const QString jdkApi = u"Applet API: the JDK's own."_s;

using Generator = QString (*)(const ProjectValues&, const QString&);

// A JDK without applet classes, as far as Orvane can tell: JDK 17's javac and java behind
// scripts, java given `javaOptions` first, and a release file naming Java 26.
void MakeStandIn(const QString& folder, const QString& javaOptions) {
    QDir(folder).mkdir(u"bin"_s);
    const auto write = [&folder](const QString& name, const QString& text) {
        QFile file(QDir(folder).filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 ||
            !file.setPermissions(file.permissions() | QFile::ExeOwner))
            qFatal("cannot write the stand-in's %s", qPrintable(name));
    };
    write(u"bin/javac"_s, u"#!/bin/sh\nexec %1/bin/javac \"$@\"\n"_s.arg(jdk17));
    write(u"bin/java"_s, u"#!/bin/sh\nexec %1/bin/java %2 \"$@\"\n"_s.arg(jdk17, javaOptions));
    write(u"release"_s, u"JAVA_VERSION=\"26\"\n"_s);
}

// Orvane with its viewer and applet classes beside it, the JDK at `sdk` chosen by its folder.
struct Program : test::ToolchainBench {
    Program(const QString& sdk, bool ownClasses) : ToolchainBench({u"SDKNormal"_s}, sdk) {
        const QString build = qEnvironmentVariable("ORVANE_BUILD_DIR");
        for (const QString& jar : {u"orvane-viewer.jar"_s, u"orvane-applet-api.jar"_s})
            QFile::copy(build + u'/' + jar, fake.programFolder() + u'/' + jar);
        if (ownClasses)
            settings.saveIn(javaSettingsSection, ownAppletApiKey, u"1"_s);
    }
};

} // namespace

class TestAppletJdks : public QObject {
    Q_OBJECT

    test::TemporarySettings store_;

private slots:
    void initTestCase() {
        for (const QString& jdk : {jdk17, jdk25})
            QVERIFY2(QFileInfo(jdk + u"/bin/javac"_s).isExecutable(), qPrintable(jdk));
    }

    void init() { store_.clear(); }

    // The four applet templates and a Swing applet compile without a warning and show; the
    // Application template runs. The JDK is chosen by its folder, or by its bin folder.
    void appletsOnEachJdk_data() {
        QTest::addColumn<QString>("sdk"); // "stand-in" for a JDK without applet classes
        QTest::addColumn<bool>("forced"); // Orvane's applet classes chosen in the settings
        QTest::addColumn<QString>("note");
        QTest::newRow("JDK 17") << jdk17 << false << jdkApi;
        QTest::newRow("JDK 17, Orvane's classes") << jdk17 + u"/bin"_s << true << ownApi;
        QTest::newRow("JDK 25") << jdk25 << false << jdkApi;
        QTest::newRow("JDK 25, Orvane's classes") << jdk25 << true << ownApi;
        QTest::newRow("JDK without applet classes") << u"stand-in"_s << false << ownApi;
    }

    void appletsOnEachJdk() {
        QFETCH(QString, sdk);
        QFETCH(bool, forced);
        QFETCH(QString, note);
        QTemporaryDir standIn;
        MakeStandIn(standIn.path(), {});
        Program program(sdk == u"stand-in" ? standIn.path() : sdk, forced);
        const Generator templates[] = {WriteStandardApplet, WriteActionListenerApplet,
                                       WriteMouseListenerApplet, WriteRunnableApplet,
                                       WriteFrameApplication};
        QString page = u"<applet code=Swing.class width=120 height=80></applet>\n"_s;
        program.compile(u"Swing.java"_s, "import javax.swing.*;\r\npublic class Swing extends "
                                         "JApplet { public void init() { add(new JLabel(\"hi\"));"
                                         " } }\r\n");
        for (int i = 0; i < 5; ++i) {
            const QString name = i < 4 ? u"Applet%1"_s.arg(i) : u"App"_s;
            program.compile(
                name + u".java"_s,
                templates[i]({name, u"Jane"_s, u"A test"_s, u"2001"_s}, ProgramVersionText())
                    .toUtf8());
            if (i < 4)
                page += u"<applet code=%1.class width=120 height=80></applet>\n"_s.arg(name);
        }
        program.write(u"page.html"_s, page.toUtf8());
        program.run(u"page.html"_s, "optApplet");
        program.waitForPrograms();
        program.run(u"App.class"_s, "optJava");
        QTest::qWait(3000); // the application's window stays until closed
        QCOMPARE(program.pane().runningPrograms(), 1);
        program.pane().stopPrograms();
        program.waitForPrograms();

        const QString text = program.pane().text();
        QVERIFY2(!text.contains(u"warning"_s, Qt::CaseInsensitive) &&
                     !text.contains(u"Exception"_s) && !text.contains(u"not started"_s),
                 qPrintable(text));
        // Five applet compiles and the viewer; the application's run when Orvane's are used.
        QCOMPARE(text.count(note + u'\n'), note == ownApi ? 7 : 6);
        QCOMPARE(text.count(u"--patch-module"_s), note == ownApi ? 7 : 0);
        QCOMPARE(text.count(u"\nExit status 0\n"_s), 7);
        QVERIFY(program.fake.messages.isEmpty());
    }

    // The box about a runtime without applet classes follows the viewer's own word on it, not
    // an exit status an applet chose.
    void noAppletClassesBox_data() {
        QTest::addColumn<QString>("javaOptions"); // for the stand-in's java
        QTest::addColumn<QByteArray>("applet");   // the body of init()
        QTest::addColumn<int>("boxes");
        QTest::newRow("applet ending with status 3") << QString() << "System.exit(3);"_ba << 0;
        QTest::newRow("runtime without applet classes")
            << u"--limit-modules java.base"_s << QByteArray() << 1;
    }

    void noAppletClassesBox() {
        QFETCH(QString, javaOptions);
        QFETCH(QByteArray, applet);
        QTemporaryDir standIn;
        MakeStandIn(standIn.path(), javaOptions);
        Program program(standIn.path(), false);
        program.compile(u"Quit.java"_s, "public class Quit extends java.applet.Applet { public "
                                        "void init() { " +
                                            applet + " } }\r\n");
        program.write(u"page.html"_s, "<applet code=Quit.class width=120 height=80></applet>");
        program.run(u"page.html"_s, "optApplet");
        program.waitForPrograms();
        QVERIFY2(program.pane().text().endsWith(u"\nExit status 3\n\n"_s),
                 qPrintable(program.pane().text()));
        const QString box = u"The Java runtime that was started has no applet classes"_s;
        QTEST(int(program.messageTexts().filter(box).size()), "boxes");
        QTEST(int(program.fake.messages.size()), "boxes");
    }
};

QTEST_MAIN(TestAppletJdks)
#include "tst_appletjdks.moc"
