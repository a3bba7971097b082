#include "document/documentwindow.h"
#include "expectedfile.h"
#include "filesession.h"
#include "templates/documentdialog.h"
#include "templates/wizardcommand.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace orvane;

namespace {

// Types each answer given (a null one stays as the wizard has it), leaves the project box, and
// presses Finish.
test::FakeDesktop::DialogDriver Finish(const QString& name, const QString& author = {},
                                       const QString& description = {}) {
    return [=](QDialog& d) {
        auto* project = d.findChild<QLineEdit*>(QStringLiteral("txtProject"));
        if (!name.isNull()) {
            project->setText(name);
            QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
            QCoreApplication::sendEvent(project, &out);
        }
        if (!author.isNull())
            d.findChild<QLineEdit*>(QStringLiteral("txtAuthor"))->setText(author);
        if (!description.isNull())
            d.findChild<QPlainTextEdit*>(QStringLiteral("txtDescription"))
                ->setPlainText(description);
        d.findChild<QPushButton*>(QStringLiteral("cmdFinish"))->click();
    };
}

} // namespace

class TestDocumentWizard : public QObject {
    Q_OBJECT

private slots:
    // Each kind writes its template, and an applet its page, with the answers typed; the files
    // hold the windows' texts exactly: system encoding, no second line break.
    void finishWritesTheProject_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("typed"); // null: Finish at once
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("source"); // tests/rules/expected/<source>; empty: not compared
        const char* sources[] = {"standardapplet", "actionlistenerapplet", "mouselistenerapplet",
                                 "runnableapplet", "frameapplication"};
        for (int kind = 1; kind <= 5; ++kind) {
            const QString name = kind == 5 ? "MyApp" : "MyApplet";
            QTest::addRow("%d", kind)
                << kind << name << name << QString::fromLatin1(sources[kind - 1]) + ".java";
        }
        QTest::newRow("standard applet at once") << 1 << QString() << "Document1"
                                                 << "";
        QTest::newRow("application at once") << 5 << QString() << "Document1"
                                             << "";
        QTest::newRow("sixteen blanks") << 2 << "a" + QString(15, u' ') + "b c"
                                        << "ab c"
                                        << "";
        QTest::newRow("blanks only") << 2 << QStringLiteral("   ") << ""
                                     << "";
    }

    void finishWritesTheProject() {
        QFETCH(int, kind);
        QFETCH(QString, typed);
        QFETCH(QString, name);
        QFETCH(QString, source);
        test::FileSession t;
        const QString folder = t.frame().projectsFolder();
        QStringList files = {name + QStringLiteral(".html"), name + QStringLiteral(".java")};
        if (kind == 5)
            files.removeFirst();
        const QString author = source.isEmpty() ? QString() : QStringLiteral("Jane Doe");
        t.desktop.driveDialog(
            Finish(typed, author, source.isEmpty() ? QString() : "A test applet."));
        ShowDocumentWizard(t.frame(), QString::number(kind));

        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), files);
        const QList<DocumentWindow*> windows = t.frame().documentWindows().mid(1);
        QCOMPARE(windows.size(), files.size());
        for (qsizetype i = 0; i < files.size(); ++i) {
            QCOMPARE(windows[i]->documentPath(), folder + files[i]);
            QCOMPARE(windows[i]->caption(), files[i].toUpper());
            QCOMPARE(test::readBytes(folder + files[i]), windows[i]->text().text().toUtf8());
        }
        QCOMPARE(t.active(), windows.last());
        QVERIFY(windows.last()->text().text().contains("\r\npublic class " + name + " extends "));
        if (!source.isEmpty()) {
            QCOMPARE(windows.last()->text().text(), test::ExpectedFile(source));
            if (kind != 5)
                QCOMPARE(windows[0]->text().text(), test::ExpectedFile("appletpage.html"));
        }
        QCOMPARE(t.store.get(SettingKey::AuthorName), author.isNull() ? "Author's Name" : author);
        QVERIFY(t.desktop.messages.isEmpty());
    }

    // A file that was never written must not be claimed: the window stays Untitled.
    void failedWriteKeepsTheWindowUntitled() {
        test::FileSession t;
        const QString name = QStringLiteral("App");
        QVERIFY(QDir(t.frame().projectsFolder()).removeRecursively());
        t.desktop.answerMessage(MessageAnswer::Ignore);
        t.desktop.answerMessage(MessageAnswer::Ignore);
        t.desktop.driveDialog(Finish(name));
        ShowDocumentWizard(t.frame(), QStringLiteral("3"));

        QCOMPARE(t.desktop.messages.size(), 2); // one report for the page, one for the source
        QCOMPARE(t.desktop.messages[1].buttons, MessageButtons::AbortRetryIgnore);
        const QList<DocumentWindow*> windows = t.frame().documentWindows().mid(1);
        QCOMPARE(windows.size(), 2);
        for (DocumentWindow* window : windows) {
            QCOMPARE(window->caption(), QStringLiteral("Untitled"));
            QVERIFY(window->documentPath().isEmpty());
        }
        QVERIFY(windows[1]->text().text().contains(
            "\r\npublic class App extends Applet implements MouseListener"));
    }

    void refusesNamesLeavingTheFolder_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("three folders up") << "../../../x";
        QTest::newRow("a sub-folder") << "sub/x";
        QTest::newRow("a backslash") << "sub\\x";
        QTest::newRow("dot dot") << "..";
    }

    // Finish says why and keeps the wizard open; nothing is written, here or three folders up.
    void refusesNamesLeavingTheFolder() {
        QFETCH(QString, name);
        test::TestFrame t;
        QTemporaryDir root;
        t.desktop.programFolderPath = root.filePath(QStringLiteral("a/b/program"));
        QVERIFY(QDir().mkpath(t.desktop.programFolderPath + QStringLiteral("/Projects/sub")));
        QVERIFY(t.start());
        bool stillOpen = false;
        t.desktop.driveDialog([&](QDialog& d) {
            Finish(name)(d);
            stillOpen = d.isVisible() && d.result() != QDialog::Accepted;
        });
        ShowDocumentWizard(t.frame(), QStringLiteral("1"));
        QVERIFY(stillOpen);
        QCOMPARE(test::shownTexts(t.desktop),
                 QStringList{"The project name [" + name +
                             "] cannot contain \"/\", \"\\\" or \"..\", since the project's "
                             "files are saved under this name in the projects folder."});
        QVERIFY(!QDirIterator(root.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories)
                     .hasNext());
    }

    void existingProjectAsksFirst_data() {
        QTest::addColumn<QString>("existing");
        QTest::addColumn<MessageAnswer>("answer");
        QTest::newRow("its source, No") << "Mine.java" << MessageAnswer::No;
        QTest::newRow("its page, Escape") << "Mine.html" << MessageAnswer::Dismissed;
        QTest::newRow("its source, Yes") << "Mine.java" << MessageAnswer::Yes;
    }

    // Only Yes replaces the user's project; otherwise the wizard stays open with the name typed.
    // The name proposed is the first no project has taken.
    void existingProjectAsksFirst() {
        QFETCH(QString, existing);
        QFETCH(MessageAnswer, answer);
        test::FileSession t;
        const QString folder = t.frame().projectsFolder();
        test::writeBytes(folder + existing, "mine");
        test::writeBytes(folder + QStringLiteral("Document1.html"), "taken");
        t.desktop.answerMessage(answer);
        bool stillOpen = false;
        QString name;
        QString proposed;
        t.desktop.driveDialog([&](QDialog& d) {
            proposed = d.findChild<QLineEdit*>(QStringLiteral("txtProject"))->text();
            Finish(QStringLiteral("Mine"))(d);
            stillOpen = d.isVisible() && d.result() != QDialog::Accepted;
            name = d.findChild<QLineEdit*>(QStringLiteral("txtProject"))->text();
        });
        ShowDocumentWizard(t.frame(), QStringLiteral("1"));
        QCOMPARE(proposed, QStringLiteral("Document2"));
        QCOMPARE(t.desktop.messages.size(), 1);
        const Message& asked = t.desktop.messages.first();
        QCOMPARE(asked.text, QStringLiteral("The project [Mine] already exists in the projects "
                                            "folder. Replace its files?"));
        QCOMPARE(asked.icon, MessageIcon::Question);
        QCOMPARE(asked.buttons, MessageButtons::YesNo);
        QCOMPARE(asked.defaultAnswer, MessageAnswer::No);
        const bool replaced = answer == MessageAnswer::Yes;
        QCOMPARE(stillOpen, !replaced);
        QCOMPARE(name, QStringLiteral("Mine"));
        QCOMPARE(test::readBytes(folder + existing) == "mine", !replaced);
        QCOMPARE(t.frame().documentWindows().size(), replaced ? 3 : 1);
    }

    void focusMovesWithinTheDialogOnly_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<Qt::FocusReason>("reason"); // of leaving the box and coming back
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("selected");
        using enum Qt::FocusReason;
        QTest::newRow("name, Tab") << "txtProject" << TabFocusReason << "MyName"
                                   << "MyName";
        QTest::newRow("name, window") << "txtProject" << ActiveWindowFocusReason << "My Name"
                                      << "";
        QTest::newRow("name, context menu") << "txtProject" << PopupFocusReason << "My Name"
                                            << "";
        QTest::newRow("description, Tab") << "txtDescription" << TabFocusReason << "My Name"
                                          << "My Name";
        QTest::newRow("description, window")
            << "txtDescription" << ActiveWindowFocusReason << "My Name"
            << "";
    }

    // Leaving a box for another of the dialog's controls selects it on return (and takes the
    // blanks out of the name); leaving the window or opening a menu changes nothing, so the next
    // key does not replace the whole box.
    void focusMovesWithinTheDialogOnly() {
        QFETCH(QString, box);
        QFETCH(Qt::FocusReason, reason);
        test::FileSession t;
        QString text;
        QString selected;
        t.desktop.driveDialog([&](QDialog& d) {
            QWidget* widget = d.findChild<QWidget*>(box);
            const auto focus = [widget](QEvent::Type type, Qt::FocusReason why) {
                QFocusEvent event(type, why);
                QCoreApplication::sendEvent(widget, &event);
                test::settle();
            };
            focus(QEvent::FocusIn, Qt::TabFocusReason);
            auto* line = qobject_cast<QLineEdit*>(widget);
            auto* lines = qobject_cast<QPlainTextEdit*>(widget);
            line ? line->setText(QStringLiteral("My Name")) : lines->setPlainText("My Name");
            focus(QEvent::FocusOut, reason);
            focus(QEvent::FocusIn, reason);
            text = line ? line->text() : lines->toPlainText();
            selected = line ? line->selectedText() : lines->textCursor().selectedText();
        });
        ShowDocumentWizard(t.frame(), QStringLiteral("1"));
        QTEST(text, "text");
        QTEST(selected, "selected");
    }

    // A click selects a box as Tab does; a year or a word typed into Copyright is not completed
    // from the list; the description keeps a non-breaking space.
    void keepsWhatWasTyped() {
        test::FileSession t;
        QString clicked;
        QStringList copyrights;
        ProjectValues answers;
        t.desktop.driveDialog([&](QDialog& d) {
            // The press must find the dialog active, or the focus only follows later.
            d.activateWindow();
            QVERIFY(QTest::qWaitFor([&d] { return QApplication::activeWindow() == &d; }));
            auto* author = d.findChild<QLineEdit*>(QStringLiteral("txtAuthor"));
            QTest::mouseClick(author, Qt::LeftButton, {}, author->rect().center());
            test::settle();
            clicked = author->selectedText();
            // Typed as the user types: completion only follows keys into the focused box.
            QLineEdit* copyright =
                d.findChild<QComboBox*>(QStringLiteral("cboCopyright"))->lineEdit();
            QTest::mouseClick(copyright, Qt::LeftButton);
            for (const char* typed : {"200", "non"}) {
                copyright->clear();
                QTest::keyClicks(copyright, QString::fromLatin1(typed));
                copyrights << copyright->text();
            }
            d.findChild<QPlainTextEdit*>(QStringLiteral("txtDescription"))
                ->setPlainText(QStringLiteral("a\u00A0b\nc"));
            answers = static_cast<DocumentDialog&>(d).answers();
        });
        ShowDocumentWizard(t.frame(), QStringLiteral("1"));
        QCOMPARE(clicked, QStringLiteral("Author's Name"));
        QCOMPARE(copyrights, (QStringList{"200", "non"}));
        QCOMPARE(answers.description, QStringLiteral("a\u00A0b\r\nc"));
    }
};

QTEST_MAIN(TestDocumentWizard)
#include "tst_documentwizard.moc"
