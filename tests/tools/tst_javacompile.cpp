#include "about/versiontext.h"
#include "document/documentfile.h"
#include "document/documentwindow.h"
#include "insert/insertcommands.h"
#include "templates/javatemplates.h"
#include "testframe.h"

#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace orvane;

using Generator = QString (*)(const ProjectValues&, const QString&);
Q_DECLARE_METATYPE(Generator)

namespace {

const ProjectValues values{QStringLiteral("MyApplet"), QStringLiteral("Jane Doe"),
                           QStringLiteral("A first line\r\nand a second."), QStringLiteral("2001")};

// Fills in the name box unless `name` is empty, presses the option buttons given, then Ok.
test::FakeDesktop::DialogDriver Answer(const char* nameBox, const QString& name,
                                       const QStringList& options, const char* ok) {
    return [=](QDialog& d) {
        if (!name.isEmpty())
            d.findChild<QLineEdit*>(QString::fromLatin1(nameBox))->setText(name);
        for (const QString& option : options)
            d.findChild<QRadioButton*>(option)->click();
        d.findChild<QPushButton*>(QString::fromLatin1(ok))->click();
    };
}

} // namespace

class TestJavaCompile : public QObject {
    Q_OBJECT

    QString javac_;

    // Saves `source` as the program saves a document and compiles it; Orvane's compile names the
    // system encoding, UTF-8 here. Warnings about the deprecated applet classes are fine.
    void compile(const QString& className, const QString& source) {
        QTemporaryDir folder;
        const QString path = folder.filePath(className + QStringLiteral(".java"));
        QCOMPARE(WriteDocumentFile(path, source, TextFormat()), 0);
        QProcess javac;
        javac.setProcessChannelMode(QProcess::MergedChannels);
        javac.start(javac_, {QStringLiteral("-encoding"), QStringLiteral("UTF-8"),
                             QStringLiteral("-d"), folder.path(), path});
        QVERIFY2(javac.waitForFinished(120000), qPrintable(javac.errorString()));
        QVERIFY2(javac.exitStatus() == QProcess::NormalExit && javac.exitCode() == 0,
                 qPrintable(QString::fromLocal8Bit(javac.readAll()) + u'\n' + source));
        QVERIFY(QFile::exists(folder.filePath(className + QStringLiteral(".class"))));
    }

private slots:
    void initTestCase() {
        javac_ = QStandardPaths::findExecutable(QStringLiteral("javac"));
        if (javac_.isEmpty())
            QFAIL("javac is not installed: install the JDK (default-jdk)");
    }

    void generatedSourceCompiles_data() {
        QTest::addColumn<Generator>("generator");
        QTest::newRow("standard applet") << Generator(WriteStandardApplet);
        QTest::newRow("ActionListener applet") << Generator(WriteActionListenerApplet);
        QTest::newRow("MouseListener applet") << Generator(WriteMouseListenerApplet);
        QTest::newRow("Runnable applet") << Generator(WriteRunnableApplet);
        QTest::newRow("application") << Generator(WriteFrameApplication);
    }

    void generatedSourceCompiles() {
        QFETCH(Generator, generator);
        compile(values.name, generator(values, ProgramVersionText()));
    }

    void insertedCodeCompiles() {
        test::TestFrame t;
        QVERIFY(t.start());
        DocumentText document = t.active()->text();
        document.setText(WriteStandardApplet(values, ProgramVersionText()));
        const QList<std::pair<QString, QString>> objects = {
            {"Label", ""}, {"Button", ""}, {"TextEdit", "txtField1"}, {"TextField", "txtArea1"}};
        for (const auto& [key, name] : objects) {
            t.desktop.driveDialog(Answer("txtTextName", name, {}, "Command1"));
            ShowObjectForToolbarKey(t.frame(), key);
        }
        // A caret at the start of the class's closing line.
        document.setSelStart(int(document.text().lastIndexOf(QStringLiteral("}\r\n"))));
        t.desktop.driveDialog(Answer("txtVariable", QStringLiteral("counter"), {}, "cmdOK"));
        ShowVariableDialog(t.frame());
        t.desktop.driveDialog(
            Answer("txtFunction", QStringLiteral("reset"), {"optPublic", "optVoid"}, "cmdOK"));
        ShowFunctionDialog(t.frame());

        const QString source = document.text();
        QVERIFY(t.desktop.messages.isEmpty());
        for (const char* piece :
             {"add(lblLabel1);", "add(btnButton1);", "TextField txtField1", "TextArea txtArea1",
              "        int counter;\r\n", "public void reset()"})
            QVERIFY2(source.contains(QString::fromLatin1(piece)), piece);
        compile(values.name, source);
    }
};

QTEST_MAIN(TestJavaCompile)
#include "tst_javacompile.moc"
