#include "document/documentwindow.h"
#include "filesession.h"
#include "toolchain/sourcejump.h"

#include <QDir>
#include <QElapsedTimer>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#endif

using namespace orvane;
using namespace orvane::test;

namespace {

#ifdef Q_OS_LINUX
// A folder that takes no new files, root or not: immutable for root, read-only for others.
void keepNewFiles(const QString& folder, bool allowed) {
    if (geteuid() != 0) {
        QFile::setPermissions(folder, allowed
                                          ? QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                          : QFile::ReadOwner | QFile::ExeOwner);
        return;
    }
    const int fd = ::open(qPrintable(folder), O_RDONLY | O_DIRECTORY);
    QVERIFY(fd >= 0);
    int flags = 0;
    QCOMPARE(ioctl(fd, FS_IOC_GETFLAGS, &flags), 0);
    flags = allowed ? flags & ~FS_IMMUTABLE_FL : flags | FS_IMMUTABLE_FL;
    QCOMPARE(ioctl(fd, FS_IOC_SETFLAGS, &flags), 0);
    ::close(fd);
}

// No file this process writes may grow beyond `bytes` while it lives.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &former_);
        const rlimit limit{bytes, former_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &former_); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit former_{};
};
#endif

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
        FileSession session;
        const QString path = session.path(QStringLiteral("Hello.java"));
        writeBytes(path, bytes);
        DocumentWindow* window = session.open(path);
        QCOMPARE(window->caption(), QStringLiteral("HELLO.JAVA"));
        QVERIFY(SaveDocument(session.frame(), *window));
        QCOMPARE(readBytes(path), bytes);

        DocumentText text = window->text();
        text.setSelStart(text.text().size());
        text.replaceSelection(typed);
        QVERIFY(SaveDocument(session.frame(), *window));
        QVERIFY(window->parentWidget()->close());
        QCOMPARE(readBytes(path), edited);
        QVERIFY(session.desktop.saveRequests.isEmpty());
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
        FileSession session;
        const QString path = QDir::cleanPath(session.path(name));
        const QByteArray content = QByteArray("ab\0\r\n", 5).repeated(bytes / 5 + 1).left(bytes);
        if (bytes >= 0)
            writeBytes(path, content);
        DocumentWindow* window = session.open(path);
        if (message.isEmpty()) {
            QVERIFY(session.desktop.messages.isEmpty());
            QCOMPARE(window->documentPath(), path);
            QVERIFY(SaveDocument(session.frame(), *window));
            QCOMPARE(readBytes(path), content);
        } else {
            QCOMPARE(session.desktop.messages.size(), 1);
            QVERIFY2(shownTexts(session.desktop).constFirst().contains(message.arg(path)),
                     qPrintable(shownTexts(session.desktop).constFirst()));
        }
    }

    void refusesWhatIsNoOrdinaryFile_data() {
        QTest::addColumn<QString>("path"); // "fifo" and "link" are made in the test's folder
        QTest::addColumn<bool>("jump");    // opened as the compiler-message jump does
        QTest::addColumn<QString>("message");
        const QString device = QStringLiteral(
            "The file [%1] is a device, a pipe or a socket, not a file that Orvane can open.");
        QTest::newRow("a FIFO") << "fifo" << false << device;
        QTest::newRow("/dev/zero") << "/dev/zero" << false << device;
        QTest::newRow("a link to /dev/zero") << "link" << false << device;
        QTest::newRow("a /proc file of no size")
            << "/proc/self/smaps" << false << "The file [%1] is too large to open.";
        QTest::newRow("/dev/zero, from an Output line") << "/dev/zero" << true << device;
    }

    // Nothing blocks, nothing is read without end: a message within a second, no window.
    void refusesWhatIsNoOrdinaryFile() {
#ifdef Q_OS_LINUX
        QFETCH(QString, path);
        QFETCH(bool, jump);
        QFETCH(QString, message);
        FileSession session;
        if (path == u"fifo") {
            path = session.path(path);
            QCOMPARE(mkfifo(qPrintable(path), 0600), 0);
        } else if (path == u"link") {
            path = session.path(path);
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
        }
        const qsizetype windows = session.frame().documentWindows().size();
        QElapsedTimer clock;
        clock.start();
        if (jump)
            QVERIFY(!ShowSourceLine(session.frame(), path, 1));
        else
            session.open(path);
        QVERIFY(clock.elapsed() < 1000);
        QCOMPARE(shownTexts(session.desktop), QStringList{message.arg(path)});
        QCOMPARE(session.frame().documentWindows().size(), windows);
#else
        QSKIP("needs FIFOs, /dev and /proc");
#endif
    }

    void asksBeforeChangingCharacters_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<QString>("question"); // %1: the path
        QTest::addColumn<QByteArray>("file");  // afterwards
        const QByteArray stray("na\xC3\xAFve \xFF\r\n");
        const QString encoding = QStringLiteral(
            "The file [%1] is stored in Windows-1252, which cannot hold some of the characters in "
            "it. Save it as UTF-8?");
        QTest::newRow("stray byte and an arrow, No: untouched")
            << stray << "\u2192" << MessageAnswer::No << encoding << stray;
        QTest::newRow("stray byte and an arrow, closed without a button: untouched")
            << stray << "\u2192" << MessageAnswer::Dismissed << encoding << stray;
        QTest::newRow("stray byte and an arrow, Yes: UTF-8")
            << stray << "\u2192" << MessageAnswer::Yes << encoding
            << QByteArray("na\xC3\x83\xC2\xAFve \xC3\xBF\r\n\xE2\x86\x92\r\n");
        const QByteArray marks("a\xEF\xB7\x90"
                               "b\xEF\xB7\x91\r\n");
        const QString breaks =
            QStringLiteral("The file [%1] holds characters that Orvane shows as "
                           "line breaks. Save it with line breaks in their place?");
        QTest::newRow("an empty file, unchanged: closes silently")
            << QByteArray("") << "" << MessageAnswer::Yes << "" << QByteArray("");
        QTest::newRow("U+FDD0 and U+FDD1, unchanged: untouched")
            << marks << "" << MessageAnswer::Yes << "" << marks;
        QTest::newRow("U+FDD0 and U+FDD1, edited, No: untouched")
            << marks << "!" << MessageAnswer::No << breaks << marks;
    }

    // Closing an edited window never changes a character silently: the file's encoding is kept
    // or the user agrees to UTF-8; a No writes nothing and keeps the window open.
    void asksBeforeChangingCharacters() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, typed);
        QFETCH(MessageAnswer, answer);
        QFETCH(QString, question);
        FileSession session;
        const QString path = session.path(QStringLiteral("Hello.java"));
        writeBytes(path, bytes);
        DocumentWindow* window = session.open(path);
        DocumentText text = window->text();
        text.setSelStart(int(text.text().size()));
        text.replaceSelection(typed);
        session.desktop.answerMessage(answer);
        QCOMPARE(window->parentWidget()->close(), answer == MessageAnswer::Yes);
        QTEST(readBytes(path), "file");
        QCOMPARE(shownTexts(session.desktop),
                 question.isEmpty() ? QStringList() : QStringList{question.arg(path)});
    }

    // Where no temporary file can be made beside the file, a failed write leaves the old text.
    void directWriteFailureKeepsTheFile() {
#ifdef Q_OS_LINUX
        FileSession session;
        const QString folder = session.path(QStringLiteral("fixed"));
        QVERIFY(QDir().mkpath(folder));
        const QString path = folder + QStringLiteral("/Hello.java");
        const QByteArray old = QByteArray("class Hello {}\r\n").repeated(40);
        writeBytes(path, old);
        DocumentWindow* window = session.open(path);
        window->text().setText(QString(5000, u'y'));
        const auto reopen = qScopeGuard([&] { keepNewFiles(folder, true); });
        keepNewFiles(folder, false);
        QVERIFY(!QFile(folder + QStringLiteral("/probe")).open(QIODevice::WriteOnly));
        {
            const FileSizeLimit limit(old.size() * 2);
            QVERIFY(!SaveDocument(session.frame(), *window));
        }
        QCOMPARE(readBytes(path), old);
        QCOMPARE(shownTexts(session.desktop), QStringList{QStringLiteral("The disk is full.")});
#else
        QSKIP("needs Linux file attributes and limits");
#endif
    }

    // Cancel changes nothing, a name saves;
    // Cancel changes nothing, a name saves; emptied, the document is refused, also on closing.
    void savesThroughSaveAsAndRefusesBlank() {
        FileSession session;
        DocumentWindow* window = session.frame().activeDocument();
        window->text().setText(QStringLiteral("hello"));
        QVERIFY(!SaveDocument(session.frame(), *window));
        QVERIFY(QDir(session.folder.path()).isEmpty());

        const QString path = session.path(QStringLiteral("untitled"));
        session.desktop.answerFileDialog(path);
        QVERIFY(SaveDocument(session.frame(), *window));
        const FileDialogRequest& request = session.desktop.saveRequests.constLast();
        QCOMPARE(request.fileName, QStringLiteral("untitled"));
        QCOMPARE(request.filters, documentFilters);
        QCOMPARE(window->documentPath(), path);
        QCOMPARE(window->caption(), QStringLiteral("UNTITLED"));

        window->text().setText(QString());
        QVERIFY(!SaveDocument(session.frame(), *window));
        QVERIFY(window->parentWidget()->close());
        QCOMPARE(shownTexts(session.desktop),
                 QStringList(2, QStringLiteral("Cannot save a blank document.")));
        QCOMPARE(readBytes(path), QByteArray("hello\r\n"));
    }

    // The frame closes its empty first window silently and stops at one whose Save As was
    // cancelled; closing that one with a save that fails (Abort) keeps it open too.
    void closingKeepsUnsavedText() {
        FileSession session;
        DocumentWindow* window = session.frame().newDocumentWindow();
        window->text().setText(QStringLiteral("draft"));
        session.desktop.answerMessage(MessageAnswer::Yes);
        QVERIFY(!session.frame().close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(session.frame().documentWindows(), QList<DocumentWindow*>{window});
        session.desktop.answerMessage(MessageAnswer::Yes);
        session.desktop.answerFileDialog(session.path(QStringLiteral("missing/Draft.java")));
        QVERIFY(!window->parentWidget()->close());
        const QString question =
            QStringLiteral("This document hasn't been saved.  Do you want to sve it now?");
        QCOMPARE(shownTexts(session.desktop),
                 (QStringList{question, question,
                              "A system file error has occured.\r\n\r\nError "
                              "Number: 76\r\nDescription: Path not found"}));
        QCOMPARE(window->text().text(), QStringLiteral("draft"));
    }

    // A save that fails half way leaves the old file whole and the window open.
    void diskFullKeepsTheOldFile() {
#ifdef Q_OS_LINUX
        if (geteuid() != 0)
            QSKIP("mounting a small disk needs root");
        FileSession session;
        const QString disk = session.path(QStringLiteral("disk"));
        QVERIFY(QDir().mkpath(disk));
        QVERIFY2(mount("tmpfs", qPrintable(disk), "tmpfs", 0, "size=16k") == 0, strerror(errno));
        const auto unmount = qScopeGuard([&] { umount2(qPrintable(disk), MNT_DETACH); });
        const QString path = disk + QStringLiteral("/Hello.java");
        writeBytes(path, "class Hello {}\r\n");
        DocumentWindow* window = session.open(path);
        window->text().setText(QString(40000, u'y'));
        QVERIFY(!window->parentWidget()->close());
        QCOMPARE(shownTexts(session.desktop), QStringList{QStringLiteral("The disk is full.")});
        QCOMPARE(QDir(disk).entryList(QDir::Files), QStringList{QStringLiteral("Hello.java")});
        QCOMPARE(readBytes(path), QByteArray("class Hello {}\r\n"));
#else
        QSKIP("needs a small disk of its own");
#endif
    }
};

QTEST_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
