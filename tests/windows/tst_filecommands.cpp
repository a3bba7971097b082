#include "app/mainframe.h"
#include "document/documentwindow.h"
#include "document/filecommands.h"
#include "fakedesktop.h"
#include "settings/settingsstore.h"
#include "testsettings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_LINUX
#include <sys/mount.h>
#include <unistd.h>
#endif

using namespace orvane;

namespace {

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// A started frame with its first, empty window, a scripted desktop and a folder for the files.
struct Session {
    test::TemporarySettings settings;
    test::FakeDesktop fake;
    SettingsStore store;
    MainFrame frame{fake, store};
    QTemporaryDir folder;

    Session() {
        frame.start();
        fake.messages.clear();
    }

    QString path(const QString& name) const { return folder.filePath(name); }

    QStringList texts() const {
        QStringList shown;
        for (const Message& message : fake.messages)
            shown << message.text;
        return shown;
    }

    // File > Open on `path`; the active window afterwards.
    DocumentWindow* open(const QString& path) {
        fake.answerFileDialog(path);
        OpenDocument(frame);
        return frame.activeDocument();
    }
};

const QStringList documentFilters{"Java Files (*.java)", "HTML Files (*.html)",
                                  "Text Files (*.txt)", "All Files (*)"};

} // namespace

class TestFileCommands : public QObject {
    Q_OBJECT

private slots:
    // `typed` is added at the end after the first save, which must give back the very bytes.
    void savesOpenedFileUnchanged_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("edited");
        QTest::newRow("CR LF, final break") << QByteArray("class A {\r\n}\r\n") << "x\r\n"
                                            << QByteArray("class A {\r\n}\r\nx\r\n");
        QTest::newRow("CR LF, no final break")
            << QByteArray("a\r\nb") << "x" << QByteArray("a\r\nbx");
        QTest::newRow("LF") << QByteArray("a\nb\n") << "c" << QByteArray("a\nb\nc\n");
        QTest::newRow("UTF-8, non-breaking space")
            << QByteArray("na\xC3\xAFve\xC2\xA0x\r\n") << "\u00E9"
            << QByteArray("na\xC3\xAFve\xC2\xA0x\r\n\xC3\xA9\r\n");
        QTest::newRow("Windows-1252")
            << QByteArray("caf\xE9\xA0\r\n") << "\u00FF" << QByteArray("caf\xE9\xA0\r\n\xFF\r\n");
        QTest::newRow("Windows-1252 and a euro")
            << QByteArray("caf\xE9\r\n") << "\u20AC" << QByteArray("caf\xE9\r\n\x80\r\n");
    }

    // A titled document is saved without a dialog; closing it saves once more and grows nothing.
    void savesOpenedFileUnchanged() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, typed);
        QFETCH(QByteArray, edited);
        Session session;
        const QString path = session.path(QStringLiteral("Hello.java"));
        writeBytes(path, bytes);
        DocumentWindow* window = session.open(path);
        QCOMPARE(window->caption(), QStringLiteral("HELLO.JAVA"));
        QVERIFY(SaveDocument(session.frame, *window));
        QCOMPARE(readBytes(path), bytes);

        DocumentText text = window->text();
        text.setSelStart(text.text().size());
        text.replaceSelection(typed);
        QVERIFY(SaveDocument(session.frame, *window));
        QVERIFY(window->parentWidget()->close());
        QCOMPARE(readBytes(path), edited);
        QVERIFY(session.fake.saveRequests.isEmpty());
    }

    // Open takes 65000 bytes, NUL bytes and all, refuses one byte more, and reports a missing
    // file or a folder through the error reporter.
    void opensWithinTheLimit_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("bytes"); // -1: nothing is written under `name`
        QTest::addColumn<QString>("message");
        QTest::newRow("65000 bytes") << "a.txt" << 65000 << "";
        QTest::newRow("65001 bytes") << "a.txt" << 65001 << "The file [%1] is too large to open.";
        QTest::newRow("missing file") << "none.txt" << -1 << "Error Number: 53";
        QTest::newRow("a folder") << "." << -1 << "Error Number: 75";
    }

    void opensWithinTheLimit() {
        QFETCH(QString, name);
        QFETCH(int, bytes);
        QFETCH(QString, message);
        Session session;
        const QString path = QDir::cleanPath(session.path(name));
        const QByteArray content = QByteArray("ab\0\r\n", 5).repeated(bytes / 5 + 1).left(bytes);
        if (bytes >= 0)
            writeBytes(path, content);
        DocumentWindow* window = session.open(path);
        if (message.isEmpty()) {
            QVERIFY(session.fake.messages.isEmpty());
            QCOMPARE(window->documentPath(), path);
            QVERIFY(SaveDocument(session.frame, *window));
            QCOMPARE(readBytes(path), content);
        } else {
            QCOMPARE(session.fake.messages.size(), 1);
            QVERIFY2(session.texts().constFirst().contains(message.arg(path)),
                     qPrintable(session.texts().constFirst()));
        }
    }

    // Cancel changes nothing, a name saves; emptied, the document is refused, also on closing.
    void savesThroughSaveAsAndRefusesBlank() {
        Session session;
        DocumentWindow* window = session.frame.activeDocument();
        window->text().setText(QStringLiteral("hello"));
        QVERIFY(!SaveDocument(session.frame, *window));
        QVERIFY(QDir(session.folder.path()).isEmpty());

        const QString path = session.path(QStringLiteral("untitled"));
        session.fake.answerFileDialog(path);
        QVERIFY(SaveDocument(session.frame, *window));
        const FileDialogRequest& request = session.fake.saveRequests.constLast();
        QCOMPARE(request.fileName, QStringLiteral("untitled"));
        QCOMPARE(request.filters, documentFilters);
        QCOMPARE(window->documentPath(), path);
        QCOMPARE(window->caption(), QStringLiteral("UNTITLED"));

        window->text().setText(QString());
        QVERIFY(!SaveDocument(session.frame, *window));
        QVERIFY(window->parentWidget()->close());
        QCOMPARE(session.texts(), QStringList(2, QStringLiteral("Cannot save a blank document.")));
        QCOMPARE(readBytes(path), QByteArray("hello\r\n"));
    }

    // The frame closes its empty first window silently and stops at one whose Save As was
    // cancelled; closing that one with a save that fails (Abort) keeps it open too.
    void closingKeepsUnsavedText() {
        Session session;
        DocumentWindow* window = session.frame.newDocumentWindow();
        window->text().setText(QStringLiteral("draft"));
        session.fake.answerMessage(MessageAnswer::Yes);
        QVERIFY(!session.frame.close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(session.frame.documentWindows(), QList<DocumentWindow*>{window});
        session.fake.answerMessage(MessageAnswer::Yes);
        session.fake.answerFileDialog(session.path(QStringLiteral("missing/Draft.java")));
        QVERIFY(!window->parentWidget()->close());
        const QString question =
            QStringLiteral("This document hasn't been saved.  Do you want to sve it now?");
        QCOMPARE(session.texts(), (QStringList{question, question,
                                               "A system file error has occured.\r\n\r\nError "
                                               "Number: 76\r\nDescription: Path not found"}));
        QCOMPARE(window->text().text(), QStringLiteral("draft"));
    }

    // A save that fails half way leaves the old file whole and the window open.
    void diskFullKeepsTheOldFile() {
#ifdef Q_OS_LINUX
        if (geteuid() != 0)
            QSKIP("mounting a small disk needs root");
        Session session;
        const QString disk = session.path(QStringLiteral("disk"));
        QVERIFY(QDir().mkpath(disk));
        QVERIFY2(mount("tmpfs", qPrintable(disk), "tmpfs", 0, "size=16k") == 0, strerror(errno));
        const auto unmount = qScopeGuard([&] { umount2(qPrintable(disk), MNT_DETACH); });
        const QString path = disk + QStringLiteral("/Hello.java");
        writeBytes(path, "class Hello {}\r\n");
        DocumentWindow* window = session.open(path);
        window->text().setText(QString(40000, u'y'));
        QVERIFY(!window->parentWidget()->close());
        QCOMPARE(session.texts(), QStringList{QStringLiteral("The disk is full.")});
        QCOMPARE(QDir(disk).entryList(QDir::Files), QStringList{QStringLiteral("Hello.java")});
        QCOMPARE(readBytes(path), QByteArray("class Hello {}\r\n"));
#else
        QSKIP("needs a small disk of its own");
#endif
    }
};

QTEST_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
