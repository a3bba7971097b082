#include "app/mainframe.h"
#include "app/versiontext.h"
#include "document/documentwindow.h"
#include "fakedesktop.h"
#include "settings/settingsstore.h"
#include "templates/appletpage.h"
#include "templates/javatemplates.h"
#include "templates/wizardcommand.h"
#include "testsettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace orvane;
using test::FakeDesktop;

namespace {

template <typename T> T* Control(QDialog& dialog, const char* name) {
    T* control = dialog.findChild<T*>(QString::fromLatin1(name));
    if (!control)
        qFatal("no control %s", name);
    return control;
}

void LoseFocus(QWidget* box) {
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(box, &out);
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

const ProjectValues designValues{QStringLiteral("Document1"), QStringLiteral("Author's Name"),
                                 QStringLiteral("Type a brief description of your program here."),
                                 QStringLiteral("2001")};

} // namespace

Q_DECLARE_METATYPE(orvane::MessageAnswer)

class TestDocumentWizard : public QObject {
    Q_OBJECT

    test::TemporarySettings store_;
    std::unique_ptr<FakeDesktop> fake_;
    SettingsStore settings_;
    std::unique_ptr<MainFrame> frame_;

    QString projectFile(const QString& fileName) const {
        return frame_->projectsFolder() + fileName;
    }
    QList<DocumentWindow*> newWindows() const { return frame_->documentWindows().mid(1); }

private slots:
    void init() {
        store_.clear();
        fake_ = std::make_unique<FakeDesktop>();
        frame_ = std::make_unique<MainFrame>(*fake_, settings_);
        frame_->start();
    }

    void cleanup() {
        frame_.reset();
        fake_.reset();
    }

    void loadsTheDesign() {
        settings_.save(SettingKey::AuthorName, QStringLiteral("Ann"));
        fake_->driveDialog([](QDialog& d) {
            QCOMPARE(d.objectName(), QStringLiteral("frmDocument"));
            QCOMPARE(d.windowTitle(), QStringLiteral("Document Properties"));
            QCOMPARE(Control<QLineEdit>(d, "txtProject")->text(), QStringLiteral("Document1"));
            QCOMPARE(Control<QLineEdit>(d, "txtAuthor")->text(), QStringLiteral("Ann"));
            auto* copyright = Control<QComboBox>(d, "cboCopyright");
            QVERIFY(copyright->isEditable());
            QCOMPARE(copyright->count(), 4);
            QCOMPARE(copyright->itemText(0), QStringLiteral("None"));
            QCOMPARE(copyright->itemText(3), QStringLiteral("2003"));
            QCOMPARE(copyright->currentText(), QStringLiteral("2001"));
            auto* finish = Control<QPushButton>(d, "cmdFinish");
            QCOMPARE(finish->text(), QStringLiteral("&Finish"));
            QVERIFY(!finish->isDefault() && !finish->autoDefault());
            const auto* add = d.findChild<QCheckBox*>(QStringLiteral("chkAddProject"));
            QVERIFY(!add || add->isHidden());
            // Enter never finishes: in the description it starts a new line.
            QTest::keyClick(Control<QLineEdit>(d, "txtProject"), Qt::Key_Return);
            QCOMPARE(d.result(), int(QDialog::Rejected));
            auto* description = Control<QPlainTextEdit>(d, "txtDescription");
            QFocusEvent in(QEvent::FocusIn, Qt::MouseFocusReason);
            QCoreApplication::sendEvent(description, &in);
            QCOMPARE(description->textCursor().selectedText(), description->toPlainText());
        });
        ShowDocumentWizard(*frame_, QStringLiteral("1"));
        QCOMPARE(fake_->modalDialogs, QList<QString>{QStringLiteral("frmDocument")});
        QVERIFY(newWindows().isEmpty()); // closed without Finish: nothing generated
        QCOMPARE(settings_.get(SettingKey::AuthorName), QStringLiteral("Ann"));
    }

    void finishAtOnceWritesTheProject_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("source");
        const QString version = ProgramVersionText();
        QTest::newRow("standard") << "1" << QStringList{"Document1.html", "Document1.java"}
                                  << WriteStandardApplet(designValues, version);
        QTest::newRow("application")
            << "5" << QStringList{"Document1.java"} << WriteFrameApplication(designValues, version);
    }

    void finishAtOnceWritesTheProject() {
        QFETCH(QString, kind);
        QFETCH(QStringList, files);
        QFETCH(QString, source);
        fake_->driveDialog([](QDialog& d) { Control<QPushButton>(d, "cmdFinish")->click(); });
        ShowDocumentWizard(*frame_, kind);

        QCOMPARE(QDir(frame_->projectsFolder()).entryList(QDir::Files), files);
        const QList<DocumentWindow*> windows = newWindows();
        QCOMPARE(windows.size(), files.size());
        for (qsizetype i = 0; i < files.size(); ++i) {
            QCOMPARE(windows[i]->documentPath(), projectFile(files[i]));
            QCOMPARE(windows[i]->caption(), files[i].toUpper());
            // The file holds the window's text exactly: system encoding, no second line break.
            QCOMPARE(FileBytes(projectFile(files[i])), windows[i]->text().text().toUtf8());
        }
        QCOMPARE(frame_->activeDocument(), windows.last());
        QCOMPARE(windows.last()->text().text(), source);
        const QByteArray java = FileBytes(projectFile(files.last()));
        QVERIFY(java.contains("     Copyright: \xC2\xA9"
                              "2001\r\n"));
        QVERIFY(java.endsWith("}\r\n") && !java.endsWith("\r\n\r\n"));
        if (files.size() == 2)
            QCOMPARE(windows.first()->text().text(),
                     WriteAppletPage(designValues, ProgramVersionText()));
        QCOMPARE(settings_.get(QStringLiteral("AuthorName")), QStringLiteral("Author's Name"));
        QVERIFY(fake_->messages.isEmpty());
        QCOMPARE(fake_->busyDepth, 0);
    }

    void typedValuesFollowTheNameRules_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("name");
        QTest::newRow("inner blank") << "My Applet"
                                     << "MyApplet";
        QTest::newRow("sixteen blanks") << "a" + QString(15, u' ') + "b c"
                                        << "ab c";
        QTest::newRow("blanks only") << "   "
                                     << "";
        QTest::newRow("dot") << "my.app"
                             << "my.app";
    }

    void typedValuesFollowTheNameRules() {
        QFETCH(QString, typed);
        QFETCH(QString, name);
        fake_->driveDialog([typed](QDialog& d) {
            auto* project = Control<QLineEdit>(d, "txtProject");
            project->setText(typed);
            LoseFocus(project);
            Control<QLineEdit>(d, "txtAuthor")->setText(QStringLiteral(" Jo \"JJ\" "));
            Control<QPlainTextEdit>(d, "txtDescription")->setPlainText(QStringLiteral("one\ntwo"));
            Control<QComboBox>(d, "cboCopyright")->setEditText(QStringLiteral(" 1999-2001 "));
            Control<QPushButton>(d, "cmdFinish")->click();
        });
        ShowDocumentWizard(*frame_, QStringLiteral("2"));

        const ProjectValues values{name, QStringLiteral("Jo \"JJ\""), QStringLiteral("one\r\ntwo"),
                                   QStringLiteral("1999-2001")};
        const QList<DocumentWindow*> windows = newWindows();
        QCOMPARE(windows.size(), 2);
        QCOMPARE(windows[1]->text().text(),
                 WriteActionListenerApplet(values, ProgramVersionText()));
        QCOMPARE(windows[1]->caption(), (name + QStringLiteral(".java")).toUpper());
        QVERIFY(QFile::exists(projectFile(name + QStringLiteral(".html"))));
        QVERIFY(QFile::exists(projectFile(name + QStringLiteral(".java"))));
        QCOMPARE(settings_.get(SettingKey::AuthorName), QStringLiteral("Jo \"JJ\""));
    }

    void existingProjectIsReplacedSilently() {
        QFile old(projectFile(QStringLiteral("Document1.java")));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(5000, 'x'));
        old.close();
        fake_->driveDialog([](QDialog& d) { Control<QPushButton>(d, "cmdFinish")->click(); });
        ShowDocumentWizard(*frame_, QStringLiteral("5"));
        QCOMPARE(FileBytes(projectFile(QStringLiteral("Document1.java"))),
                 WriteFrameApplication(designValues, ProgramVersionText()).toUtf8());
        QVERIFY(fake_->messages.isEmpty());
    }

    void failedWriteKeepsTheWindowUntitled_data() {
        QTest::addColumn<MessageAnswer>("answer");
        QTest::newRow("ignore") << MessageAnswer::Ignore;
        QTest::newRow("abort") << MessageAnswer::Abort;
    }

    void failedWriteKeepsTheWindowUntitled() {
        QFETCH(MessageAnswer, answer);
        const QString name = QStringLiteral("missing") + QDir::separator() + QStringLiteral("App");
        fake_->answerMessage(answer);
        fake_->answerMessage(answer);
        fake_->driveDialog([name](QDialog& d) {
            Control<QLineEdit>(d, "txtProject")->setText(name);
            Control<QPushButton>(d, "cmdFinish")->click();
        });
        ShowDocumentWizard(*frame_, QStringLiteral("3"));

        QCOMPARE(fake_->messages.size(), 2); // one report for the page, one for the source
        for (const Message& message : std::as_const(fake_->messages)) {
            QCOMPARE(message.buttons, MessageButtons::AbortRetryIgnore);
            QVERIFY2(message.text.contains(QStringLiteral("Error Number: 76")),
                     qPrintable(message.text));
        }
        const QList<DocumentWindow*> windows = newWindows();
        QCOMPARE(windows.size(), 2);
        for (DocumentWindow* window : windows) {
            QCOMPARE(window->caption(), QStringLiteral("Untitled"));
            QVERIFY(window->documentPath().isEmpty());
        }
        ProjectValues values = designValues;
        values.name = name;
        QCOMPARE(windows[1]->text().text(), WriteMouseListenerApplet(values, ProgramVersionText()));
        QVERIFY(!QDir(frame_->projectsFolder() + QStringLiteral("missing")).exists());
        QCOMPARE(settings_.get(SettingKey::AuthorName), QStringLiteral("Author's Name"));
    }
};

QTEST_MAIN(TestDocumentWizard)
#include "tst_documentwizard.moc"
