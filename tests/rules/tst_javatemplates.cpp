#include "about/versiontext.h"
#include "expectedfile.h"
#include "templates/appletpage.h"
#include "templates/javatemplates.h"

#include <QTest>

using namespace orvane;

namespace {

using Generator = QString (*)(const ProjectValues&, const QString&);

const ProjectValues sample{QStringLiteral("MyApplet"), QStringLiteral("Jane Doe"),
                           QStringLiteral("A test applet."), QStringLiteral("2001")};
const QString version = QStringLiteral("1.01");

} // namespace

Q_DECLARE_METATYPE(Generator)

class TestJavaTemplates : public QObject {
    Q_OBJECT

private slots:
    void writesExactText_data() {
        QTest::addColumn<Generator>("generator");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("file");
        QTest::newRow("standard") << Generator(WriteStandardApplet) << "MyApplet"
                                  << "standardapplet.java";
        QTest::newRow("ActionListener") << Generator(WriteActionListenerApplet) << "MyApplet"
                                        << "actionlistenerapplet.java";
        QTest::newRow("MouseListener") << Generator(WriteMouseListenerApplet) << "MyApplet"
                                       << "mouselistenerapplet.java";
        QTest::newRow("Runnable") << Generator(WriteRunnableApplet) << "MyApplet"
                                  << "runnableapplet.java";
        QTest::newRow("application") << Generator(WriteFrameApplication) << "MyApp"
                                     << "frameapplication.java";
        QTest::newRow("page") << Generator(WriteAppletPage) << "MyApplet"
                              << "appletpage.html";
    }

    void writesExactText() {
        QFETCH(Generator, generator);
        QFETCH(QString, name);
        QFETCH(QString, file);
        ProjectValues values = sample;
        values.name = name;
        QCOMPARE(generator(values, version), test::ExpectedFile(file));
    }

    void writesValuesAsTyped() {
        const ProjectValues noName{{}, sample.author, sample.description, sample.copyright};
        QVERIFY(
            WriteStandardApplet(noName, version).contains(u"\r\npublic class  extends Applet\r\n"));
        const QString page = WriteAppletPage(noName, version);
        QVERIFY(page.contains(u"<TITLE></TITLE>\r\n") && page.contains(u" code=\".class\"\r\n"));
        const ProjectValues typed{QStringLiteral("my-app"), sample.author,
                                  QStringLiteral("First line\r\nSecond line"),
                                  QStringLiteral("None")};
        const QString source = WriteRunnableApplet(typed, version);
        QVERIFY(source.contains(u"     Descrpion: First line\r\nSecond line\r\n*/\r\n"));
        QVERIFY(source.contains(QString::fromUtf8("     Copyright: ©None\r\n")));
        QVERIFY(source.contains(u"\r\npublic class my-app extends Applet implements Runnable\r\n"));
    }

    void versionTextGoesIntoHeaders() {
        QCOMPARE(VersionText(2, 3, 0), QStringLiteral("2.30"));
        QCOMPARE(ProgramVersionText(), version);
        QVERIFY(WriteFrameApplication(sample, VersionText(2, 3, 0))
                    .contains(u"\r\n     Creator:   Orvane 2.30\r\n"));
    }
};

QTEST_APPLESS_MAIN(TestJavaTemplates)
#include "tst_javatemplates.moc"
