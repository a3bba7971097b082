#include "app/mainframe.h"
#include "document/documentwindow.h"
#include "document/filecommands.h"
#include "fakedesktop.h"
#include "settings/settingsstore.h"
#include "testsettings.h"

#include <QDir>
#include <QFile>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#ifdef Q_OS_LINUX
#include <sys/mount.h>
#include <unistd.h>
#endif

using namespace orvane;
using orvane::test::FakeDesktop;
using orvane::test::TemporarySettings;

namespace {

const QString nl = QStringLiteral("\r\n");

QString systemFileText(int number, const char* description) {
    return QStringLiteral("A system file error has occured.") + nl + nl +
           QStringLiteral("Error Number: ") + QString::number(number) + nl +
           QStringLiteral("Description: ") + QString::fromUtf8(description);
}

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// A frame with its first empty window, a scripted desktop and a folder for the files.
struct Session {
    TemporarySettings settings;
    FakeDesktop fake;
    SettingsStore store;
    MainFrame frame{fake, store};
    QTemporaryDir folder;

    Session() {
        frame.start();
        fake.messages.clear();
        fake.busyAtMessages.clear();
    }

    QString path(const QString& name) const { return folder.filePath(name); }

    // Opens `path` through File > Open; the new active window, or nullptr.
    DocumentWindow* open(const QString& path) {
        const DocumentWindow* before = frame.activeDocument();
        fake.answerFileDialog(path);
        OpenDocument(frame);
        DocumentWindow* now = frame.activeDocument();
        return now != before ? now : nullptr;
    }

    DocumentWindow* newWindow(const QString& text) {
        DocumentWindow* window = frame.newDocumentWindow();
        window->text().setText(text);
        return window;
    }

    // Closes `window` as the user would; true when it closed.
    static bool close(DocumentWindow* window) {
        return qobject_cast<QMdiSubWindow*>(window->parentWidget())->close();
    }
};

const QStringList documentFilters{"Java Files (*.java)", "HTML Files (*.html)",
                                  "Text Files (*.txt)", "All Files (*)"};

} // namespace

class TestFileCommands : public QObject {
    Q_OBJECT

private slots:
    // Opening a file and saving it again gives back its very bytes.
    void savesOpenedFileUnchanged_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("CR LF") << QByteArray("class Hello {\r\n    int x;\r\n}\r\n");
        QTest::newRow("LF") << QByteArray("class Hello {\n    int x;\n}\n");
        QTest::newRow("UTF-8, non-breaking space")
            << QByteArray("// Gr\xC3\xBC\xC3\x9F"
                          "e, na\xC3\xAFve\r\nint\xC2\xA0x;\r\n");
        QTest::newRow("Latin-1") << QByteArray("// caf\xE9 \xA0 \xFF\r\n");
        QTest::newRow("NUL bytes") << QByteArray("a\0b\r\n\0\r\n", 8);
        QTest::newRow("no final break") << QByteArray("line one\r\nline two");
        QTest::newRow("LF, no final break") << QByteArray("line one\nline two");
        QTest::newRow("final break present") << QByteArray("only line\r\n");
        QTest::newRow("mixed breaks") << QByteArray("a\r\nb\nc\rd\r\n");
        QTest::newRow("tabs and blank lines") << QByteArray("\tx\r\n\r\n\r\n  \t\r\n");
    }

    void savesOpenedFileUnchanged() {
        QFETCH(QByteArray, bytes);
        Session session;
        const QString path = session.path(QStringLiteral("Hello.java"));
        writeBytes(path, bytes);
        DocumentWindow* window = session.open(path);
        QVERIFY(window);
        QCOMPARE(window->caption(), QStringLiteral("HELLO.JAVA"));
        QCOMPARE(window->documentPath(), path);
        const FileDialogRequest& request = session.fake.openRequests.constLast();
        QCOMPARE(request.filters, documentFilters);
        QCOMPARE(request.selectedFilter, 0);

        QVERIFY(QFile::remove(path));
        QVERIFY(SaveDocument(session.frame, *window));
        QCOMPARE(readBytes(path), bytes);
        QVERIFY(session.fake.saveRequests.isEmpty());
        QVERIFY(session.fake.messages.isEmpty());
        QCOMPARE(session.fake.busyDepth, 0);

        // Closing the window saves it once more, still without a change.
        QVERIFY(Session::close(window));
        QCOMPARE(readBytes(path), bytes);
    }

    void savesEditedText_data() {
        QTest::addColumn<QByteArray>("file"); // empty: a new document
        QTest::addColumn<QString>("typed");   // appended at the end
        QTest::addColumn<QByteArray>("saved");
        QTest::newRow("new document")
            << QByteArray() << QStringLiteral("class A {}") << QByteArray("class A {}\r\n");
        QTest::newRow("new document ending with a break")
            << QByteArray() << QStringLiteral("class A {}\r\n") << QByteArray("class A {}\r\n");
        QTest::newRow("LF file") << QByteArray("a\nb\n") << QStringLiteral("c")
                                 << QByteArray("a\nb\nc\n");
        QTest::newRow("CR LF file without final break")
            << QByteArray("a\r\nb") << QStringLiteral("\r\nc") << QByteArray("a\r\nb\r\nc");
        QTest::newRow("Latin-1 file") << QByteArray("caf\xE9\r\n") << QStringLiteral("\u00FF")
                                      << QByteArray("caf\xE9\r\n\xFF\r\n");
    }

    void savesEditedText() {
        QFETCH(QByteArray, file);
        QFETCH(QString, typed);
        QFETCH(QByteArray, saved);
        Session session;
        const QString path = session.path(QStringLiteral("a.txt"));
        DocumentWindow* window = nullptr;
        if (file.isEmpty()) {
            window = session.frame.activeDocument();
            session.fake.answerFileDialog(path);
        } else {
            writeBytes(path, file);
            window = session.open(path);
        }
        QVERIFY(window);
        DocumentText text = window->text();
        text.setSelStart(text.text().size());
        text.replaceSelection(typed);
        QVERIFY(SaveDocument(session.frame, *window));
        QCOMPARE(readBytes(path), saved);
        // Saving again grows nothing.
        QVERIFY(SaveDocument(session.frame, *window));
        QCOMPARE(readBytes(path), saved);
    }

    void savesUntitledThroughSaveAs() {
        Session session;
        DocumentWindow* window = session.frame.activeDocument();
        window->text().setText(QStringLiteral("hello"));
        const QString path = session.path(QStringLiteral("untitled"));
        session.fake.answerFileDialog(path);
        QVERIFY(SaveDocument(session.frame, *window));

        const FileDialogRequest& request = session.fake.saveRequests.constLast();
        QCOMPARE(request.fileName, QStringLiteral("untitled"));
        QCOMPARE(request.filters, documentFilters);
        QCOMPARE(request.selectedFilter, 0);
        QCOMPARE(readBytes(path), QByteArray("hello\r\n"));
        QCOMPARE(window->documentPath(), path);
        QCOMPARE(window->caption(), QStringLiteral("UNTITLED"));
        QCOMPARE(session.fake.busyDepth, 0);

        // The dialog keeps the chosen name for the next Open.
        OpenDocument(session.frame);
        QCOMPARE(session.fake.openRequests.constLast().fileName, path);
    }

    void cancelledSaveAsChangesNothing() {
        Session session;
        DocumentWindow* window = session.frame.activeDocument();
        window->text().setText(QStringLiteral("hello"));
        QVERIFY(!SaveDocument(session.frame, *window));
        QCOMPARE(session.fake.saveRequests.size(), 1);
        QVERIFY(session.fake.messages.isEmpty());
        QCOMPARE(window->caption(), QStringLiteral("Untitled"));
        QVERIFY(window->documentPath().isEmpty());
        QVERIFY(QDir(session.folder.path()).isEmpty());
        QCOMPARE(session.fake.busyDepth, 0);
    }

    void blankDocumentIsNotSaved() {
        Session session;
        const QString path = session.path(QStringLiteral("Hello.java"));
        writeBytes(path, "class Hello {}\r\n");
        DocumentWindow* window = session.open(path);
        QVERIFY(window);
        window->text().setText(QString());
        QVERIFY(!SaveDocument(session.frame, *window));
        QCOMPARE(session.fake.messages.size(), 1);
        const Message& shown = session.fake.messages.constFirst();
        QCOMPARE(shown.text, QStringLiteral("Cannot save a blank document."));
        QCOMPARE(shown.title, QStringLiteral("Orvane"));
        QCOMPARE(shown.icon, MessageIcon::Information);
        QCOMPARE(shown.buttons, MessageButtons::Ok);
        // Closing it says the same and closes: there is nothing to lose.
        QVERIFY(Session::close(window));
        QCOMPARE(session.fake.messages.size(), 2);
        QCOMPARE(readBytes(path), QByteArray("class Hello {}\r\n"));
    }

    // A save that fails is reported; on Abort the window keeps its text, name and path.
    void failedSaveKeepsTheWindow_data() {
        QTest::addColumn<QString>("target"); // relative to the test folder
        QTest::addColumn<QString>("message");
        QTest::newRow("folder that does not exist")
            << QStringLiteral("missing/untitled") << systemFileText(76, "Path not found");
        QTest::newRow("under a regular file")
            << QStringLiteral("regular.txt/untitled") << systemFileText(76, "Path not found");
        QTest::newRow("a folder") << QStringLiteral("folder")
                                  << systemFileText(75, "Path/File access error");
    }

    void failedSaveKeepsTheWindow() {
        QFETCH(QString, target);
        QFETCH(QString, message);
        Session session;
        writeBytes(session.path(QStringLiteral("regular.txt")), "keep me");
        QVERIFY(QDir(session.folder.path()).mkdir(QStringLiteral("folder")));
        DocumentWindow* window = session.frame.activeDocument();
        window->text().setText(QStringLiteral("precious"));
        session.fake.answerFileDialog(session.path(target));
        QVERIFY(!SaveDocument(session.frame, *window));
        QCOMPARE(session.fake.messages.size(), 1);
        const Message& shown = session.fake.messages.constFirst();
        QCOMPARE(shown.text, message);
        QCOMPARE(shown.buttons, MessageButtons::AbortRetryIgnore);
        QCOMPARE(shown.icon, MessageIcon::Critical);
        QCOMPARE(session.fake.busyAtMessages.constFirst(), 0);
        QCOMPARE(window->caption(), QStringLiteral("Untitled"));
        QVERIFY(window->documentPath().isEmpty());
        QCOMPARE(readBytes(session.path(QStringLiteral("regular.txt"))), QByteArray("keep me"));

        // Closing asks, the save fails again, and Abort keeps the window and its text.
        session.fake.answerMessage(MessageAnswer::Yes);
        session.fake.answerFileDialog(session.path(target));
        QVERIFY(!Session::close(window));
        QCOMPARE(window->text().text(), QStringLiteral("precious"));
        QCOMPARE(session.frame.documentWindows().size(), 1);
    }

    void diskFullKeepsTheOldFile() {
#ifdef Q_OS_LINUX
        if (geteuid() != 0)
            QSKIP("mounting a small disk needs root");
        Session session;
        const QString disk = session.path(QStringLiteral("disk"));
        QVERIFY(QDir().mkpath(disk));
        QVERIFY2(mount("tmpfs", qPrintable(disk), "tmpfs", 0, "size=64k") == 0, strerror(errno));
        const auto unmount = qScopeGuard([&] { umount2(qPrintable(disk), MNT_DETACH); });
        const QString path = disk + QStringLiteral("/Hello.java");
        writeBytes(path, "class Hello {}\r\n");
        DocumentWindow* window = session.open(path);
        QVERIFY(window);
        QFile filler(disk + QStringLiteral("/filler"));
        QVERIFY(filler.open(QIODevice::WriteOnly));
        while (filler.write(QByteArray(4096, 'x')) == 4096 && filler.flush()) {
        }
        filler.close();

        window->text().setText(QString(20000, u'y'));
        QVERIFY(!SaveDocument(session.frame, *window));
        QCOMPARE(session.fake.messages.size(), 1);
        QCOMPARE(session.fake.messages.constFirst().text, QStringLiteral("The disk is full."));
        QCOMPARE(readBytes(path), QByteArray("class Hello {}\r\n"));
        QCOMPARE(QDir(disk).entryList(QDir::Files).size(), 2); // no half-written file left
        QCOMPARE(window->caption(), QStringLiteral("HELLO.JAVA"));

        // Retry once there is room again writes the text.
        QVERIFY(QFile::remove(filler.fileName()));
        QVERIFY(SaveDocument(session.frame, *window));
        QCOMPARE(readBytes(path).size(), 20000 + 2);
#else
        QSKIP("needs a small disk of its own");
#endif
    }

    void opensWithinTheSizeLimit_data() {
        QTest::addColumn<qsizetype>("size");
        QTest::addColumn<bool>("opens");
        QTest::newRow("empty") << qsizetype(0) << true;
        QTest::newRow("65000 bytes") << qsizetype(65000) << true;
        QTest::newRow("65001 bytes") << qsizetype(65001) << false;
    }

    void opensWithinTheSizeLimit() {
        QFETCH(qsizetype, size);
        QFETCH(bool, opens);
        Session session;
        const QString path = session.path(QStringLiteral("big.txt"));
        QByteArray bytes(size, 'a');
        for (qsizetype at = 80; at < size; at += 81)
            bytes[at] = '\n';
        writeBytes(path, bytes);
        DocumentWindow* window = session.open(path);
        QCOMPARE(window != nullptr, opens);
        if (opens) {
            QCOMPARE(window->caption(), QStringLiteral("BIG.TXT"));
            QVERIFY(session.fake.messages.isEmpty());
            return;
        }
        QCOMPARE(session.frame.documentWindows().size(), 1);
        QCOMPARE(session.fake.messages.size(), 1);
        const Message& shown = session.fake.messages.constFirst();
        QCOMPARE(shown.text,
                 QStringLiteral("The file [") + path + QStringLiteral("] is too large to open."));
        QCOMPARE(shown.icon, MessageIcon::Information);
        QCOMPARE(shown.buttons, MessageButtons::Ok);
        QCOMPARE(session.fake.busyAtMessages.constFirst(), 0);
    }

    void reportsFilesThatCannotBeOpened_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing file")
            << QStringLiteral("nothing.java") << systemFileText(53, "File not found");
        QTest::newRow("missing folder")
            << QStringLiteral("missing/Hello.java") << systemFileText(76, "Path not found");
        QTest::newRow("a folder") << QStringLiteral("folder")
                                  << systemFileText(75, "Path/File access error");
    }

    void reportsFilesThatCannotBeOpened() {
        QFETCH(QString, target);
        QFETCH(QString, message);
        Session session;
        QVERIFY(QDir(session.folder.path()).mkdir(QStringLiteral("folder")));
        QVERIFY(!session.open(session.path(target)));
        QCOMPARE(session.fake.messages.size(), 1);
        QCOMPARE(session.fake.messages.constFirst().text, message);
        QCOMPARE(session.frame.documentWindows().size(), 1);
        QCOMPARE(session.fake.busyDepth, 0);
    }

    void cancelledOpenDoesNothing() {
        Session session;
        OpenDocument(session.frame);
        QCOMPARE(session.fake.openRequests.size(), 1);
        QVERIFY(session.fake.messages.isEmpty());
        QCOMPARE(session.frame.documentWindows().size(), 1);
    }

    void closingSavesOrStays() {
        Session session;
        DocumentWindow* untitled = session.newWindow(QStringLiteral("draft"));
        // Yes, then Cancel in Save As: the window stays open with its text.
        session.fake.answerMessage(MessageAnswer::Yes);
        QVERIFY(!Session::close(untitled));
        QCOMPARE(session.fake.messages.constFirst().text,
                 QStringLiteral("This document hasn't been saved.  Do you want to sve it now?"));
        QCOMPARE(untitled->text().text(), QStringLiteral("draft"));
        // Yes, then a name: saved and closed.
        session.fake.answerMessage(MessageAnswer::Yes);
        session.fake.answerFileDialog(session.path(QStringLiteral("Draft.java")));
        QVERIFY(Session::close(untitled));
        QCOMPARE(readBytes(session.path(QStringLiteral("Draft.java"))), QByteArray("draft\r\n"));
        // No: closed without writing.
        DocumentWindow* dropped = session.newWindow(QStringLiteral("scratch"));
        session.fake.answerMessage(MessageAnswer::No);
        QVERIFY(Session::close(dropped));
        QCOMPARE(session.fake.saveRequests.size(), 2);
    }

    // Closing the frame closes window after window (the first, empty one silently) and stops at
    // one whose save was cancelled.
    void frameCloseStopsAtUnsavedWindow() {
        Session session;
        DocumentWindow* unsaved = session.newWindow(QStringLiteral("unsaved"));
        DocumentWindow* later = session.newWindow(QStringLiteral("later"));
        session.fake.answerMessage(MessageAnswer::Yes);
        QVERIFY(!session.frame.close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(session.frame.documentWindows(), (QList<DocumentWindow*>{unsaved, later}));
        QCOMPARE(session.fake.messages.size(), 1);
        QCOMPARE(session.fake.endProgramCalls, 0);
        QVERIFY(session.frame.isVisible());
    }
};

QTEST_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
