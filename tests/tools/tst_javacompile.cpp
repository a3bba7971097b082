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

    // A variable and a method inserted at a caret inside the class; the objects are below.
    void insertedCodeCompiles() {
        test::TestFrame t;
        QVERIFY(t.start());
        DocumentText document = t.active()->text();
        document.setText(WriteStandardApplet(values, ProgramVersionText()));
        document.setSelStart(int(document.text().lastIndexOf(QStringLiteral("}\r\n"))));
        t.desktop.driveDialog(Answer("txtVariable", QStringLiteral("counter"), {}, "cmdOK"));
        ShowVariableDialog(t.frame());
        t.desktop.driveDialog(
            Answer("txtFunction", QStringLiteral("reset"), {"optPublic", "optVoid"}, "cmdOK"));
        ShowFunctionDialog(t.frame());

        const QString source = document.text();
        QVERIFY(t.desktop.messages.isEmpty());
        QVERIFY(source.contains("        int counter;\r\n") &&
                source.contains("public void reset()"));
        compile(values.name, source);
    }

    // Each object of the Insert Object dialog, with the dialog's presets, in a Standard Applet;
    // those that listen to their object go into a class implementing the listener.
    void insertedObjectCompiles_data() {
        QTest::addColumn<QStringList>("keys"); // object toolbar keys, inserted in order
        QTest::addColumn<QString>("listener");
        QTest::addColumn<QString>("method"); // the listener's one method
        QTest::newRow("label, text field, text area, font, button")
            << QStringList{"Label", "TextEdit", "TextField", "Font", "Button"} << ""
            << "";
        QTest::newRow("checkbox, two radio buttons in one group")
            << QStringList{"Checkbox", "Radiobutton", "Radiobutton"} << "ItemListener"
            << "itemStateChanged(ItemEvent e)";
        QTest::newRow("scrollbar") << QStringList{"Scrollbar"} << "AdjustmentListener"
                                   << "adjustmentValueChanged(AdjustmentEvent e)";
    }

    void insertedObjectCompiles() {
        QFETCH(QStringList, keys);
        QFETCH(QString, listener);
        QFETCH(QString, method);
        test::TestFrame t;
        QVERIFY(t.start());
        QString applet = WriteStandardApplet(values, ProgramVersionText());
        if (!listener.isEmpty()) {
            applet.replace("extends Applet", "extends Applet implements " + listener);
            applet.insert(applet.lastIndexOf(u'}'), "     public void " + method + " { }\r\n");
        }
        DocumentText document = t.active()->text();
        document.setText(applet);
        for (int i = 0; i < keys.size(); ++i) {
            // Every object gets a name of its own: the dialog's preset ends in 1.
            t.desktop.driveDialog([i](QDialog& dialog) {
                for (QLineEdit* box : dialog.findChildren<QLineEdit*>()) {
                    if (box->objectName().endsWith("Name"))
                        box->setText(box->text().replace(u'1', QString::number(i + 1)));
                }
                dialog.findChild<QPushButton*>("Command1")->click();
            });
            ShowObjectForToolbarKey(t.frame(), keys.at(i));
        }
        QVERIFY(t.desktop.messages.isEmpty());
        QVERIFY(document.text() != applet);
        compile(values.name, document.text());
    }
};

QTEST_MAIN(TestJavaCompile)
#include "tst_javacompile.moc"
