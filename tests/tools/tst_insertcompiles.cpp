#include "app/mainframe.h"
#include "document/documentwindow.h"
#include "insert/insertcommands.h"
#include "settings/settingsstore.h"
#include "templates/javatemplates.h"

#include "fakedesktop.h"
#include "testsettings.h"

#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace orvane;

namespace {

void PressOk(QDialog& dialog, const char* button) {
    dialog.findChild<QPushButton*>(QString::fromLatin1(button))->click();
}

void SetText(QDialog& dialog, const char* box, const QString& text) {
    dialog.findChild<QLineEdit*>(QString::fromLatin1(box))->setText(text);
}

} // namespace

class TestInsertCompiles : public QObject {
    Q_OBJECT

private slots:
    void insertedCodeCompiles() {
        const QString javac = QStandardPaths::findExecutable(QStringLiteral("javac"));
        if (javac.isEmpty())
            QFAIL("javac is not installed; this test needs a Java development kit");

        test::TemporarySettings temporarySettings;
        test::FakeDesktop desktop;
        SettingsStore settings;
        MainFrame frame(desktop, settings);
        frame.start();
        DocumentText document = frame.activeDocument()->text();
        const ProjectValues project{QStringLiteral("InsertTest"), QStringLiteral("Ann Author"),
                                    QStringLiteral("Objects inserted into the standard applet"),
                                    QStringLiteral("Free")};
        document.setText(WriteStandardApplet(project, QStringLiteral("1.01")));

        const auto insertObject = [&](const char* key, const char* nameBox, const QString& name) {
            desktop.driveDialog([nameBox, name](QDialog& d) {
                SetText(d, nameBox, name);
                PressOk(d, "Command1");
            });
            ShowObjectForToolbarKey(frame, QString::fromLatin1(key));
        };
        insertObject("Label", "txtLabelName", QStringLiteral("lblLabel1"));
        insertObject("Button", "txtButtonName", QStringLiteral("btnButton1"));
        insertObject("TextEdit", "txtTextName", QStringLiteral("txtField1"));
        insertObject("TextField", "txtTextName", QStringLiteral("txtArea1"));

        // A caret at the start of the class's closing line.
        document.setSelStart(int(document.text().lastIndexOf(QStringLiteral("}\r\n"))));
        desktop.driveDialog([](QDialog& d) {
            SetText(d, "txtVariable", QStringLiteral("counter"));
            PressOk(d, "cmdOK");
        });
        ShowVariableDialog(frame);
        desktop.driveDialog([](QDialog& d) {
            d.findChild<QRadioButton*>(QStringLiteral("optPublic"))->click();
            d.findChild<QRadioButton*>(QStringLiteral("optVoid"))->click();
            SetText(d, "txtFunction", QStringLiteral("reset"));
            PressOk(d, "cmdOK");
        });
        ShowFunctionDialog(frame);

        const QString source = document.text();
        QVERIFY(desktop.messages.isEmpty());
        for (const char* piece :
             {"Label lblLabel1", "add(lblLabel1);", "Button btnButton1", "add(btnButton1);",
              "TextField txtField1", "add(txtField1);", "TextArea txtArea1", "add(txtArea1);",
              "        int counter;\r\n", "public void reset()"})
            QVERIFY2(source.contains(QString::fromLatin1(piece)), piece);

        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString path = folder.filePath(QStringLiteral("InsertTest.java"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(source.toUtf8());
        file.close();

        QProcess compiler;
        compiler.start(javac,
                       {QStringLiteral("-nowarn"), QStringLiteral("-d"), folder.path(), path});
        QVERIFY2(compiler.waitForFinished(120000), "javac did not finish");
        const QString output = QString::fromLocal8Bit(compiler.readAllStandardError());
        QVERIFY2(compiler.exitStatus() == QProcess::NormalExit && compiler.exitCode() == 0,
                 qPrintable(output + QStringLiteral("\n") + source));
        QVERIFY(QFile::exists(folder.filePath(QStringLiteral("InsertTest.class"))));
    }
};

QTEST_MAIN(TestInsertCompiles)
#include "tst_insertcompiles.moc"
