#include "app/versiontext.h"
#include "document/documentfile.h"
#include "templates/javatemplates.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace orvane;

namespace {

using Generator = QString (*)(const ProjectValues&, const QString&);

} // namespace

Q_DECLARE_METATYPE(Generator)

class TestJavaCompile : public QObject {
    Q_OBJECT

    QString javac_;

private slots:
    void initTestCase() {
        javac_ = QStandardPaths::findExecutable(QStringLiteral("javac"));
        if (javac_.isEmpty())
            QFAIL("javac is not installed: install the JDK (default-jdk-headless)");
    }

    void generatedSourceCompiles_data() {
        QTest::addColumn<Generator>("generator");
        QTest::addColumn<QString>("name");
        QTest::newRow("standard applet") << Generator(WriteStandardApplet) << "MyApplet";
        QTest::newRow("ActionListener applet")
            << Generator(WriteActionListenerApplet) << "MyActionApplet";
        QTest::newRow("MouseListener applet")
            << Generator(WriteMouseListenerApplet) << "MyMouseApplet";
        QTest::newRow("Runnable applet") << Generator(WriteRunnableApplet) << "MyThreadApplet";
        QTest::newRow("application") << Generator(WriteFrameApplication) << "MyApp";
    }

    void generatedSourceCompiles() {
        QFETCH(Generator, generator);
        QFETCH(QString, name);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const ProjectValues values{name, QStringLiteral("Jane Doe"),
                                   QStringLiteral("A first line\r\nand a second."),
                                   QStringLiteral("2001")};
        const QString path = folder.filePath(name + QStringLiteral(".java"));
        QCOMPARE(WriteDocumentFile(path, generator(values, ProgramVersionText()), TextFormat()), 0);

        // The source is in the system encoding, UTF-8 here, as the user's javac expects it.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        QProcess javac;
        javac.setProcessEnvironment(environment);
        javac.setWorkingDirectory(folder.path());
        javac.setProcessChannelMode(QProcess::MergedChannels);
        javac.start(javac_, {path});
        QVERIFY2(javac.waitForFinished(120000), qPrintable(javac.errorString()));
        const QString output = QString::fromLocal8Bit(javac.readAll());
        QVERIFY2(javac.exitStatus() == QProcess::NormalExit && javac.exitCode() == 0,
                 qPrintable(output));
        QVERIFY2(QFile::exists(folder.filePath(name + QStringLiteral(".class"))),
                 qPrintable(output));
    }
};

QTEST_MAIN(TestJavaCompile)
#include "tst_javacompile.moc"
