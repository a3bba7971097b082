#include "about/versiontext.h"
#include "document/documentwindow.h"
#include "templates/appletpage.h"
#include "templates/javatemplates.h"
#include "templates/wizardcommand.h"
#include "testframe.h"

#include <QDir>
#include <QFile>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>

using namespace orvane;

namespace {

using Generator = QString (*)(const ProjectValues&, const QString&);
const Generator sources[] = {WriteStandardApplet, WriteActionListenerApplet,
                             WriteMouseListenerApplet, WriteRunnableApplet, WriteFrameApplication};

// Types `name` into the project box unless it is null, leaves the box, and presses Finish.
test::FakeDesktop::DialogDriver FinishWithName(const QString& name) {
    return [name](QDialog& d) {
        auto* project = d.findChild<QLineEdit*>(QStringLiteral("txtProject"));
        if (!name.isNull()) {
            project->setText(name);
            QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
            QCoreApplication::sendEvent(project, &out);
        }
        d.findChild<QPushButton*>(QStringLiteral("cmdFinish"))->click();
    };
}

ProjectValues DesignValues(const QString& name) {
    return {name, QStringLiteral("Author's Name"),
            QStringLiteral("Type a brief description of your program here."),
            QStringLiteral("2001")};
}

} // namespace

class TestDocumentWizard : public QObject {
    Q_OBJECT

private slots:
    void finishWritesTheProject_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("typed"); // null: Finish at once
        QTest::addColumn<QString>("name");
        QTest::newRow("standard applet at once") << 1 << QString() << "Document1";
        QTest::newRow("application at once") << 5 << QString() << "Document1";
        QTest::newRow("inner blank") << 2 << QStringLiteral("My Applet") << "MyApplet";
        QTest::newRow("sixteen blanks") << 2 << "a" + QString(15, u' ') + "b c"
                                        << "ab c";
        QTest::newRow("blanks only") << 2 << QStringLiteral("   ") << "";
    }

    void finishWritesTheProject() {
        QFETCH(int, kind);
        QFETCH(QString, typed);
        QFETCH(QString, name);
        test::TestFrame t;
        QVERIFY(t.start());
        const QString folder = t.frame().projectsFolder();
        QStringList files = {name + QStringLiteral(".html"), name + QStringLiteral(".java")};
        if (kind == 5)
            files.removeFirst();
        QFile old(folder + files.last()); // replaced silently by a shorter file
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write(QByteArray(5000, 'x')) == 5000);
        old.close();
        t.desktop.driveDialog(FinishWithName(typed));
        ShowDocumentWizard(t.frame(), QString::number(kind));

        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), files);
        const QList<DocumentWindow*> windows = t.frame().documentWindows().mid(1);
        QCOMPARE(windows.size(), files.size());
        for (qsizetype i = 0; i < files.size(); ++i) {
            QCOMPARE(windows[i]->documentPath(), folder + files[i]);
            QCOMPARE(windows[i]->caption(), files[i].toUpper());
            // The file holds the window's text exactly: system encoding, no second line break.
            QFile file(folder + files[i]);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), windows[i]->text().text().toUtf8());
        }
        QCOMPARE(t.active(), windows.last());
        QCOMPARE(windows.last()->text().text(),
                 sources[kind - 1](DesignValues(name), ProgramVersionText()));
        if (files.size() == 2)
            QCOMPARE(windows.first()->text().text(),
                     WriteAppletPage(DesignValues(name), ProgramVersionText()));
        QCOMPARE(t.store.get(SettingKey::AuthorName), QStringLiteral("Author's Name"));
        QVERIFY(t.desktop.messages.isEmpty());
    }

    // A file that was never written must not be claimed: the window stays Untitled.
    void failedWriteKeepsTheWindowUntitled() {
        test::TestFrame t;
        QVERIFY(t.start());
        const QString name = QStringLiteral("missing") + QDir::separator() + QStringLiteral("App");
        t.desktop.answerMessage(MessageAnswer::Ignore);
        t.desktop.answerMessage(MessageAnswer::Ignore);
        t.desktop.driveDialog(FinishWithName(name));
        ShowDocumentWizard(t.frame(), QStringLiteral("3"));

        QCOMPARE(t.desktop.messages.size(), 2); // one report for the page, one for the source
        QCOMPARE(t.desktop.messages[1].buttons, MessageButtons::AbortRetryIgnore);
        const QList<DocumentWindow*> windows = t.frame().documentWindows().mid(1);
        QCOMPARE(windows.size(), 2);
        for (DocumentWindow* window : windows) {
            QCOMPARE(window->caption(), QStringLiteral("Untitled"));
            QVERIFY(window->documentPath().isEmpty());
        }
        QCOMPARE(windows[1]->text().text(),
                 WriteMouseListenerApplet(DesignValues(name), ProgramVersionText()));
    }
};

QTEST_MAIN(TestDocumentWizard)
#include "tst_documentwizard.moc"
