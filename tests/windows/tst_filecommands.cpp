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
#endif

} // namespace

class TestFileCommands : public QObject {
    Q_OBJECT

private slots:
    void opensOrdinaryFilesWithinTheLimit_data() {
        QTest::addColumn<QString>("path");    // relative: in the test's folder
        QTest::addColumn<int>("bytes");       // written there first; -1: nothing is written
        QTest::addColumn<bool>("jump");       // opened as the compiler-message jump does
        QTest::addColumn<QString>("message"); // the one message shown; empty: opened
        QTest::newRow("65000 bytes") << "a.txt" << 65000 << false << "";
        QTest::newRow("65001 bytes")
            << "a.txt" << 65001 << false << "The file [%1] is too large to open.";
        const QString fileError = "A system file error has occured.\r\n\r\nError Number: %1\r\n"
                                  "Description: %2";
        QTest::newRow("missing file")
            << "none.txt" << -1 << false << fileError.arg(53).arg("File not found");
        QTest::newRow("a folder") << "." << -1 << false
                                  << fileError.arg(75).arg("Path/File access error");
#ifdef Q_OS_LINUX
        const QString device = QStringLiteral(
            "The file [%1] is a device, a pipe or a socket, not a file that Orvane can open.");
        QTest::newRow("a FIFO") << "fifo" << -1 << false << device;
        QTest::newRow("/dev/zero") << "/dev/zero" << -1 << false << device;
        QTest::newRow("a link to /dev/zero") << "link" << -1 << false << device;
        QTest::newRow("a /proc file of no size")
            << "/proc/self/smaps" << -1 << false << "The file [%1] is too large to open.";
        QTest::newRow("/dev/zero, from an Output line") << "/dev/zero" << -1 << true << device;
#endif
    }

    // Open takes 65000 bytes, NUL bytes and all, and refuses one byte more. Nothing blocks,
    // nothing is read without end: a refusal is one message within a second, and no window.
    void opensOrdinaryFilesWithinTheLimit() {
        QFETCH(QString, path);
        QFETCH(int, bytes);
        QFETCH(bool, jump);
        QFETCH(QString, message);
        FileSession session;
        const QString name = path;
        if (QDir::isRelativePath(path))
            path = QDir::cleanPath(session.path(path));
        const QByteArray content = QByteArray("ab\0\r\n", 5).repeated(bytes / 5 + 1).left(bytes);
        if (bytes >= 0)
            writeBytes(path, content);
#ifdef Q_OS_LINUX
        if (name == u"fifo")
            QCOMPARE(mkfifo(qPrintable(path), 0600), 0);
        if (name == u"link")
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
#endif
        const qsizetype windows = session.frame().documentWindows().size();
        QElapsedTimer clock;
        clock.start();
        DocumentWindow* window = nullptr;
        if (jump)
            QVERIFY(!ShowSourceLine(session.frame(), path, 1));
        else
            window = session.open(path);
        QVERIFY(clock.elapsed() < 1000);
        if (message.isEmpty()) {
            QVERIFY(session.desktop.messages.isEmpty());
            QCOMPARE(window->documentPath(), path);
            QCOMPARE(window->caption(), QStringLiteral("A.TXT"));
            QVERIFY(SaveDocument(session.frame(), *window));
            QCOMPARE(readBytes(path), content);
            return;
        }
        QCOMPARE(shownTexts(session.desktop),
                 QStringList{message.replace(QStringLiteral("%1"), path)});
        QCOMPARE(session.frame().documentWindows().size(), windows);
    }

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
        QCOMPARE(request.filters, (QStringList{"Java Files (*.java)", "HTML Files (*.html)",
                                               "Text Files (*.txt)", "All Files (*)"}));
        QCOMPARE(window->documentPath(), path);
        QCOMPARE(window->caption(), QStringLiteral("UNTITLED"));

        window->text().setText(QString());
        QVERIFY(!SaveDocument(session.frame(), *window));
        QVERIFY(window->parentWidget()->close());
        QCOMPARE(shownTexts(session.desktop),
                 QStringList(2, QStringLiteral("Cannot save a blank document.")));
        QCOMPARE(readBytes(path), QByteArray("hello\r\n"));
    }

    void saveAsOverAnExistingFile_data() {
        QTest::addColumn<bool>("replace");
        QTest::newRow("No: nothing written") << false;
        QTest::newRow("Yes: written, the window showing it asks") << true;
    }

    // Two untitled windows saved under the same proposed name: the second asks before it replaces
    // the first one's file, and the first window, shown again, asks before reading it back.
    void saveAsOverAnExistingFile() {
        QFETCH(bool, replace);
        FileSession session;
        const QString path = session.path(QStringLiteral("untitled"));
        DocumentWindow* first = session.active();
        first->text().setText(QStringLiteral("first"));
        session.desktop.answerFileDialog(path);
        QVERIFY(SaveDocument(session.frame(), *first));
        DocumentWindow* second = session.frame().newDocumentWindow();
        second->text().setText(QStringLiteral("second"));
        session.desktop.answerFileDialog(path);
        session.desktop.overwriteAnswers.enqueue(replace);
        QCOMPARE(SaveDocument(session.frame(), *second), replace);
        QCOMPARE(session.desktop.overwriteQuestions, QStringList{path});
        QCOMPARE(readBytes(path), replace ? QByteArray("second\r\n") : QByteArray("first\r\n"));
        QCOMPARE(second->caption(),
                 replace ? QStringLiteral("UNTITLED") : QStringLiteral("Untitled"));

        session.frame().activateDocument(*first);
        settle();
        QCOMPARE(first->text().text(), QStringLiteral("first"));
        QCOMPARE(session.desktop.messages.size(), replace ? 1 : 0);
        QCOMPARE(first->isUnchanged(), !replace);
    }

    // The frame closes its empty first window silently and stops at one whose Save As was
    // cancelled, keeping the program going; closing that one with a save that fails (Abort) keeps
    // it open too.
    void closingKeepsUnsavedText() {
        FileSession session;
        DocumentWindow* window = session.frame().newDocumentWindow();
        window->text().setText(QStringLiteral("draft"));
        session.desktop.answerMessage(MessageAnswer::Yes);
        QVERIFY(!session.frame().close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(session.frame().documentWindows(), QList<DocumentWindow*>{window});
        QCOMPARE(session.desktop.endProgramCalls, 0);
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

    void exitClosesLikeTheFrame_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QList<MessageAnswer>>("answers");
        QTest::addColumn<bool>("ends");
        QTest::newRow("nothing changed: ends at once") << "" << QList<MessageAnswer>{} << true;
        QTest::newRow("changed, the question dismissed: goes on")
            << "draft" << QList<MessageAnswer>{MessageAnswer::Dismissed} << false;
        QTest::newRow("changed, No: ends")
            << "draft" << QList<MessageAnswer>{MessageAnswer::No} << true;
    }

    // File > Exit asks each changed window as closing the frame does, and its caption still
    // names the key that does the same.
    void exitClosesLikeTheFrame() {
        QFETCH(QString, typed);
        QFETCH(QList<MessageAnswer>, answers);
        QFETCH(bool, ends);
        FileSession session;
        DocumentWindow* window = session.active();
        window->text().setText(typed);
        session.desktop.messageAnswers.append(answers);
        QAction* exit = session.item(QStringLiteral("mnuFileExit"));
        QCOMPARE(exit->text(), QStringLiteral("E&xit\tAlt+F4"));
        exit->trigger();
        settle();
        QCOMPARE(session.desktop.messages.size(), answers.size());
        QCOMPARE(session.desktop.endProgramCalls, ends ? 1 : 0);
        QCOMPARE(session.frame().documentWindows().isEmpty(), ends);
    }

    void failedWriteKeepsTheOldFile_data() {
        QTest::addColumn<bool>("fullDisk"); // else no temporary file can be made beside the file
        QTest::newRow("a full disk, on closing") << true;
        QTest::newRow("the direct write, beyond a size limit") << false;
    }

    // A save that fails half way leaves the old file whole, no other file, and the window open.
    void failedWriteKeepsTheOldFile() {
#ifdef Q_OS_LINUX
        QFETCH(bool, fullDisk);
        if (fullDisk && geteuid() != 0)
            QSKIP("mounting a small disk needs root");
        FileSession session;
        const QString folder = session.path(QStringLiteral("fixed"));
        QVERIFY(QDir().mkpath(folder));
        if (fullDisk)
            QVERIFY2(mount("tmpfs", qPrintable(folder), "tmpfs", 0, "size=16k") == 0,
                     strerror(errno));
        const auto restore = qScopeGuard([&] {
            fullDisk ? void(umount2(qPrintable(folder), MNT_DETACH)) : keepNewFiles(folder, true);
        });
        const QString path = folder + QStringLiteral("/Hello.java");
        const QByteArray old = QByteArray("class Hello {}\r\n").repeated(40);
        writeBytes(path, old);
        DocumentWindow* window = session.open(path);
        window->text().setText(QString(fullDisk ? 40000 : 5000, u'y'));
        if (fullDisk) {
            QVERIFY(!window->parentWidget()->close());
        } else {
            keepNewFiles(folder, false);
            QVERIFY(!QFile(folder + QStringLiteral("/probe")).open(QIODevice::WriteOnly));
            // No file this process writes may grow beyond twice the old text meanwhile. The
            // signal such a write raises is left as it is: saving must survive it on its own.
            rlimit former{};
            getrlimit(RLIMIT_FSIZE, &former);
            const rlimit limit{rlim_t(old.size() * 2), former.rlim_max};
            setrlimit(RLIMIT_FSIZE, &limit);
            const bool saved = SaveDocument(session.frame(), *window);
            setrlimit(RLIMIT_FSIZE, &former);
            QVERIFY(!saved);
        }
        QCOMPARE(readBytes(path), old);
        QCOMPARE(shownTexts(session.desktop), QStringList{QStringLiteral("The disk is full.")});
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("Hello.java")});
#else
        QSKIP("needs Linux mounts, file attributes and limits");
#endif
    }
};

QTEST_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
