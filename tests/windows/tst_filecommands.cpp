#include "document/documentwindow.h"
#include "document/errorreport.h"
#include "document/errortrap.h"
#include "document/recoverykeeper.h"
#include "filesession.h"
#include "platform/qtdesktop.h"
#include "toolchain/sourcejump.h"

#include <QAbstractButton>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QScrollBar>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTextBlock>
#include <QTimer>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace orvane;
using namespace orvane::test;

namespace {

const char* undefined = "Application-defined or object-defined error";

QString numbered(const QString& heading, int number, const QString& description) {
    return heading + "\r\n\r\nError Number: " + QString::number(number) +
           "\r\nDescription: " + description;
}

QString unexpected(int number, const char* description, bool support = false) {
    return numbered("An unexpected error has occured.", number, description) + "\r\n\r\n" +
           (support ? "Write down the number and message \r\nand then contact technical support."
                    : "");
}

QString systemFile(int number, const char* description) {
    return numbered("A system file error has occured.", number, description);
}

// A folder that takes no new files, root or not: immutable for root, read-only for others.
void keepNewFiles(const QString& folder, bool allowed) {
    if (geteuid() != 0) {
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner |
                                          (allowed ? QFile::WriteOwner : QFile::Permission()));
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

const QDateTime longAgo(QDate(2001, 1, 1), QTime(12, 0), Qt::UTC);

bool closeWindow(DocumentWindow* window) {
    const bool closed = window->parentWidget()->close();
    settle();
    return closed;
}

// Returns the window's whole text afterwards.
QString typeAtEnd(DocumentWindow* window, const QString& typed) {
    DocumentText text = window->text();
    text.setSelStart(int(text.text().size()));
    text.replaceSelection(typed);
    return text.text();
}

// Another program, or another window, changes the file at `path` as `how` says.
void changeOnDisk(const QString& how, const QString& path, FileSession& session) {
    if (how == u"folder" || how == u"pipe" || how == u"deleted")
        QVERIFY(QFile::remove(path));
    if (how == u"twice")
        writeBytes(path, "one");
    if (how == u"new" || how == u"twice") {
        writeBytes(path, how.toUtf8());
    } else if (how == u"renamed") {
        writeBytes(path + ".new", "renamed");
        QVERIFY(::rename(qPrintable(path + ".new"), qPrintable(path)) == 0);
    } else if (how == u"theirs") {
        DocumentWindow* other = session.open(path);
        other->text().setText(QStringLiteral("theirs"));
        QVERIFY(SaveDocument(session.frame(), *other));
        delete other->parentWidget();
    } else if (how == u"grown") {
        writeBytes(path, QByteArray(70000, 'x'));
    } else if (how == u"folder") {
        QVERIFY(QDir().mkdir(path));
    } else if (how == u"pipe") {
        QCOMPARE(::mkfifo(qPrintable(path), 0600), 0);
    } else if (how == u"unreadable") {
        QVERIFY(QFile::setPermissions(path, {}));
    }
}

// Switches away from `window` and back, which makes the frame look at its file on disk.
void lookAtDisk(FileSession& session, DocumentWindow& window) {
    DocumentWindow* other = session.frame().newDocumentWindow();
    settle();
    session.frame().activateDocument(window);
    settle();
    delete other->parentWidget();
    settle();
}

QStringList copies() {
    QStringList found;
    QDirIterator files(RecoveryKeeper::DefaultFolder(), {QStringLiteral("*.copy")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext())
        found << files.next();
    return found;
}

// The program as a user runs it, in a process of its own: opens `file`, types into it and into
// a new untitled window, waits for both copies and says so, then runs until it is killed.
int runTypingProgram(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QCoreApplication::setApplicationName(QString::fromLocal8Bit(argv[2]));
    QStandardPaths::setTestModeEnabled(true);
    FakeDesktop desktop;
    SettingsStore store;
    MainFrame frame(desktop, store);
    frame.start({QString::fromLocal8Bit(argv[3])});
    QTest::keyClicks(&frame.activeDocument()->editor(), QStringLiteral("typed "));
    QTest::keyClicks(&frame.newDocumentWindow()->editor(), QStringLiteral("untitled text"));
    for (int waited = 0; copies().size() < 2 && waited < 100; ++waited)
        QTest::qWait(50);
    QTextStream(stdout) << (copies().size() == 2 ? "ready" : "no copies") << Qt::endl;
    return QApplication::exec();
}

// Kills the typing program after its copies are on disk.
void typeAndKill(const QString& file) {
    QProcess program;
    program.start(QCoreApplication::applicationFilePath(),
                  {QStringLiteral("--typing-program"), QCoreApplication::applicationName(), file});
    QVERIFY(program.waitForReadyRead(20000));
    QCOMPARE(program.readAllStandardOutput().trimmed(), QByteArray("ready"));
    program.kill();
    QVERIFY(program.waitForFinished());
    QCOMPARE(program.exitStatus(), QProcess::CrashExit);
}

} // namespace

// Open, save and close on files that others change meanwhile, the error boxes on the way and
// the recovery after a kill: no text is lost and nothing but an ordinary file is ever opened.
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
        QTest::newRow("missing file")
            << "none.txt" << -1 << false << systemFile(53, "File not found");
        QTest::newRow("a folder") << "." << -1 << false << systemFile(75, "Path/File access error");
        const QString device = QStringLiteral(
            "The file [%1] is a device, a pipe or a socket, not a file that Orvane can open.");
        QTest::newRow("a FIFO") << "fifo" << -1 << false << device;
        QTest::newRow("a link to /dev/zero") << "link" << -1 << false << device;
        QTest::newRow("a /proc file of no size")
            << "/proc/self/smaps" << -1 << false << "The file [%1] is too large to open.";
        QTest::newRow("/dev/zero, from an Output line") << "/dev/zero" << -1 << true << device;
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
        if (name == u"fifo")
            QCOMPARE(mkfifo(qPrintable(path), 0600), 0);
        if (name == u"link")
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
        QElapsedTimer clock;
        clock.start();
        DocumentWindow* window = jump ? nullptr : session.open(path);
        if (jump)
            QVERIFY(!ShowSourceLine(session.frame(), path, 1));
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
        QCOMPARE(session.frame().documentWindows().size(), 1);
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
        QCOMPARE(session.desktop.saveRequests.constLast().fileName, QStringLiteral("untitled"));
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

    // Closing the frame stops at a window whose Save As was cancelled, and the program goes on;
    // closing that window with a save that fails (Abort) keeps it open too.
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
                 (QStringList{question, question, systemFile(76, "Path not found")}));
        QCOMPARE(window->text().text(), QStringLiteral("draft"));
    }

    void exitClosesLikeTheFrame_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<MessageAnswer>("answer"); // to the question about a changed window
        QTest::addColumn<bool>("ends");
        using enum MessageAnswer;
        QTest::newRow("nothing changed: ends at once") << "" << Yes << true;
        QTest::newRow("changed, the question dismissed: goes on") << "draft" << Dismissed << false;
        QTest::newRow("changed, No: ends") << "draft" << No << true;
    }

    // File > Exit asks each changed window as closing the frame does.
    void exitClosesLikeTheFrame() {
        QFETCH(QString, typed);
        QFETCH(MessageAnswer, answer);
        QFETCH(bool, ends);
        FileSession session;
        session.active()->text().setText(typed);
        session.desktop.answerMessage(answer);
        session.item(QStringLiteral("mnuFileExit"))->trigger();
        settle();
        QCOMPARE(session.desktop.messages.size(), typed.isEmpty() ? 0 : 1);
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
    }

    void closingAWindowOnAFile_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("other"); // what another program writes meanwhile
        QTest::addColumn<QString>("typed");    // at the end
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<QString>("question"); // %1: the path
        QTest::addColumn<QByteArray>("file");  // afterwards
        const auto row = [](const char* name, const QByteArray& bytes, const QByteArray& other,
                            const char* typed, MessageAnswer answer, const QString& question,
                            const QByteArray& file) {
            QTest::newRow(name) << bytes << other << QString::fromUtf8(typed) << answer << question
                                << file;
        };
        using enum MessageAnswer;
        const QByteArray mine("mine\r\n");
        const QByteArray theirs("theirs\n");
        const QString changed = QStringLiteral("The file [%1] has been changed by another "
                                               "program. Overwrite it with the text in Orvane?");
        row("unchanged: not written", mine, {}, "", Yes, "", mine);
        row("unchanged, newer file: kept", mine, theirs, "", Yes, "", theirs);
        row("edited: written as left, no line break added", mine, {}, "!", Yes, "", "mine\r\n!");
        row("edited, newer file, Yes: overwritten", mine, theirs, "!", Yes, changed, "mine\r\n!");
        row("edited, newer file, No: stays open", mine, theirs, "!", No, changed, theirs);
        row("edited, newer file, no button: stays open", mine, theirs, "!", Dismissed, changed,
            theirs);
        row("edited, same size and date, No: stays open", mine, "MINE\r\n", "!", No, changed,
            "MINE\r\n");

        row("CR LF, final break", "class A {\r\n}\r\n", {}, "x\r\n", Yes, "",
            "class A {\r\n}\r\nx\r\n");
        row("CR LF, no final break", "a\r\nb", {}, "x", Yes, "", "a\r\nbx");
        row("UTF-8, non-breaking space", "na\xC3\xAFve\xC2\xA0x\r\n", {}, "\u00E9", Yes, "",
            "na\xC3\xAFve\xC2\xA0x\r\n\xC3\xA9");
        row("Windows-1252 and a euro", "caf\xE9\xA0\r\n", {}, "\u20AC", Yes, "",
            "caf\xE9\xA0\r\n\x80");
        row("Windows-1252 and an arrow, No: untouched", "caf\xE9\r\n", {}, "\u2192", No,
            QStringLiteral("The file [%1] is stored in Windows-1252, which cannot hold some of "
                           "the characters in it. Save it as UTF-8?"),
            "caf\xE9\r\n");
        const QByteArray stray("na\xC3\xAFve \xFF\r\n");
        const QString strayQuestion =
            QStringLiteral("The file [%1] holds bytes that are not UTF-8, shown as their "
                           "Windows-1252 characters. Save it as UTF-8?");
        row("stray byte, unchanged: untouched", stray, {}, "", Yes, "", stray);
        row("stray byte, edited, No: untouched", stray, {}, "!", No, strayQuestion, stray);
        row("stray byte, edited, Yes: UTF-8", stray, {}, "!", Yes, strayQuestion,
            "na\xC3\xAFve \xC3\xBF\r\n!");
        const QByteArray bom("\xEF\xBB\xBF");
        row("byte order mark kept out of the text, written back", bom + "class A {}\r\n", {}, "x",
            Yes, "", bom + "class A {}\r\nx");
        row("a lone CR inside CR LF lines kept", "a\rb\r\n", {}, "c", Yes, "", "a\rb\r\nc");
        const QByteArray marks("a\xEF\xB7\x90"
                               "b\xEF\xB7\x91\r\n");
        const QString breaks =
            QStringLiteral("The file [%1] holds characters that Orvane shows as "
                           "line breaks. Save it with line breaks in their place?");
        row("an empty file, unchanged: closes silently", "", {}, "", Yes, "", "");
        row("U+FDD0 and U+FDD1, unchanged: untouched", marks, {}, "", Yes, "", marks);
        row("U+FDD0 and U+FDD1, edited, No: untouched", marks, {}, "!", No, breaks, marks);
    }

    // Closing writes changed text only, in the file's encoding and line break, asking before it
    // replaces a newer file or changes a character. Unchanged files are read-only: never opened.
    void closingAWindowOnAFile() {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, other);
        QFETCH(QString, typed);
        QFETCH(MessageAnswer, answer);
        QFETCH(QString, question);
        FileSession session;
        const QString path = session.path(QStringLiteral("Hello.java"));
        writeBytes(path, bytes, longAgo);
        DocumentWindow* window = session.open(path);
        // Another program's text of the same size keeps the old date: only the content tells.
        if (!other.isNull())
            writeBytes(path, other, other.size() == bytes.size() ? longAgo : QDateTime());
        if (typed.isEmpty())
            QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner));
        const QDateTime before = QFileInfo(path).lastModified();
        const QString edited = typeAtEnd(window, typed);
        QVERIFY(!edited.contains(QChar(0xFEFF)));
        session.desktop.answerMessage(answer);

        const bool stays = !question.isEmpty() && answer != MessageAnswer::Yes;
        QCOMPARE(closeWindow(window), !stays);
        QTEST(readBytes(path), "file");
        if (typed.isEmpty() || stays)
            QCOMPARE(QFileInfo(path).lastModified(), before);
        QCOMPARE(shownTexts(session.desktop),
                 question.isEmpty() ? QStringList() : QStringList{question.arg(path)});
        QVERIFY(session.desktop.saveRequests.isEmpty());
        if (stays)
            QCOMPARE(window->text().text(), edited);
    }

    // Two windows on one file: the one saved last wins without a question, the other one,
    // unchanged, closes without writing its older text back.
    void twoWindowsOnOneFile() {
        FileSession session;
        const QString path = session.path(QStringLiteral("Hello.java"));
        writeBytes(path, "one\r\n");
        DocumentWindow* first = session.open(path);
        DocumentWindow* second = session.open(path);
        typeAtEnd(second, QStringLiteral("two"));
        QVERIFY(SaveDocument(session.frame(), *second));
        QVERIFY(closeWindow(first));
        typeAtEnd(second, QStringLiteral("three"));
        QVERIFY(closeWindow(second));
        QCOMPARE(readBytes(path), QByteArray("one\r\ntwothree"));
        QVERIFY(session.desktop.messages.isEmpty());
    }

    void desktopTellsDismissalFromNo_data() {
        QTest::addColumn<MessageButtons>("buttons");
        QTest::addColumn<Qt::Key>("key"); // Key_unknown: the title bar's close button
        QTest::addColumn<MessageAnswer>("defaultAnswer");
        QTest::addColumn<MessageAnswer>("answer");
        using enum MessageAnswer;
        const MessageButtons yesNo = MessageButtons::YesNo;
        QTest::newRow("Yes/No, Escape") << yesNo << Qt::Key_Escape << Dismissed << Dismissed;
        QTest::newRow("Yes/No, close button") << yesNo << Qt::Key_unknown << Dismissed << Dismissed;
        QTest::newRow("Abort/Retry/Ignore, Escape")
            << MessageButtons::AbortRetryIgnore << Qt::Key_Escape << Dismissed << Abort;
        // A question whose Yes throws text away: Enter answers No.
        QTest::newRow("Yes/No, default No, Enter") << yesNo << Qt::Key_Return << No << No;
    }

    // The product's message boxes: Escape and the title bar answer neither Yes nor No.
    void desktopTellsDismissalFromNo() {
        QFETCH(MessageButtons, buttons);
        QFETCH(Qt::Key, key);
        QFETCH(MessageAnswer, defaultAnswer);
        QtDesktop desktop;
        QTimer::singleShot(0, [key] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            const QAbstractButton* cancel = box->button(QMessageBox::Cancel);
            QVERIFY(!cancel || !cancel->isVisible()); // the user sees Yes and No only
            key == Qt::Key_unknown ? void(box->close()) : QTest::keyClick(box, key);
        });
        QTEST(desktop.showMessage({QStringLiteral("Sure?"), QStringLiteral("Orvane"), buttons,
                                   MessageIcon::Question, defaultAnswer}),
              "answer");
    }

    // Ignore after a failure never throws text away nor claims a file that was not written or
    // read: a closing window stays open, Save As keeps the old caption, Open opens nothing.
    void ignoreKeepsTextAndPath() {
        FileSession session;
        const QString gone = session.path(QStringLiteral("gone/Hello.java"));
        QVERIFY(QDir().mkpath(session.path(QStringLiteral("gone"))));
        writeBytes(gone, "class Hello {}\r\n");
        DocumentWindow* titled = session.open(gone);
        typeAtEnd(titled, QStringLiteral("x"));
        QVERIFY(QDir(session.path(QStringLiteral("gone"))).removeRecursively());
        for (int i = 0; i < 3; ++i)
            session.desktop.answerMessage(MessageAnswer::Ignore);
        QVERIFY(!closeWindow(titled));
        QCOMPARE(titled->text().text(), QStringLiteral("class Hello {}\r\nx"));

        DocumentWindow* untitled = session.frame().newDocumentWindow();
        untitled->text().setText(QStringLiteral("draft"));
        session.desktop.answerFileDialog(gone);
        QVERIFY(!SaveDocument(session.frame(), *untitled));
        QCOMPARE(untitled->caption(), QStringLiteral("Untitled"));
        QVERIFY(untitled->documentPath().isEmpty());

        QCOMPARE(session.open(gone), nullptr);
        QCOMPARE(session.desktop.messages.size(), 3);
        for (const Message& message : session.desktop.messages)
            QCOMPARE(message.buttons, MessageButtons::AbortRetryIgnore);
    }

    void eachDiskStateOnce_data() {
        QTest::addColumn<QString>("how"); // what happens to the file, see changeOnDisk()
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<QString>("text");    // the window's afterwards
        QTest::addColumn<QString>("message"); // the one box, %1 the path; empty: none
        QTest::addColumn<bool>("changed");    // the window counts as changed afterwards
        using enum MessageAnswer;
        const QString reload = QStringLiteral("The file [%1] has been changed by another "
                                              "program. Reload it and lose your changes in "
                                              "Orvane?");
        const QString kept = QStringLiteral(" Orvane keeps the text of its window.");
        const auto row = [](const char* name, const char* how, MessageAnswer answer,
                            const char* text, const QString& message, bool changed) {
            QTest::newRow(name) << QString::fromLatin1(how) << answer << QString::fromUtf8(text)
                                << message << changed;
        };
        row("unchanged, rewritten: read again quietly", "new", Ok, "new", "", false);
        row("edited, rewritten, Yes", "new", Yes, "new", reload, false);
        row("edited, rewritten, No", "new", No, "mine old", reload, true);
        row("edited, changed twice quickly: asked once", "twice", No, "mine old", reload, true);
        row("unchanged, replaced by rename", "renamed", Ok, "renamed", "", false);
        row("unchanged, saved from another Orvane window: asked", "theirs", Yes, "theirs", reload,
            false);
        row("edited, grown past the limit", "grown", Ok, "mine old",
            QStringLiteral("The file [%1] is too large to open."), true);
        row("unchanged, replaced by a folder", "folder", Ok, "old",
            "The file [%1] has been replaced by a folder." + kept, true);
        row("edited, replaced by a pipe", "pipe", Ok, "mine old",
            "The file [%1] has been replaced by a device, a pipe or a socket." + kept, true);
        row("unchanged, deleted: no box, saved again on closing", "deleted", Ok, "old", "", true);
        row("edited, made unreadable", "unreadable", Ok, "mine old",
            "The file [%1] can no longer be read." + kept, true);
    }

    // Each state of a file on disk is brought up once, within a second, whatever it is.
    void eachDiskStateOnce() {
        QFETCH(QString, how);
        QFETCH(MessageAnswer, answer);
        QFETCH(QString, message);
        QFETCH(bool, changed);
        if (QByteArray(QTest::currentDataTag()).contains("unreadable") && geteuid() == 0)
            QSKIP("the superuser reads every file");
        FileSession session;
        const QString path = session.path(QStringLiteral("a.java"));
        writeBytes(path, "old");
        DocumentWindow* window = session.open(path);
        if (QByteArray(QTest::currentDataTag()).startsWith("edited")) {
            window->text().setSelStart(0);
            window->text().replaceSelection(QStringLiteral("mine "));
        }
        session.desktop.answerMessage(answer);
        QElapsedTimer clock;
        clock.start();
        changeOnDisk(how, path, session);
        lookAtDisk(session, *window);
        lookAtDisk(session, *window);
        QVERIFY2(clock.elapsed() < 1000, "the check must not wait on the file");
        QTEST(window->text().text(), "text");
        QCOMPARE(shownTexts(session.desktop),
                 message.isEmpty() ? QStringList() : QStringList{message.arg(path)});
        QCOMPARE(!window->isUnchanged(), changed);
        if (message.startsWith(QStringLiteral("The file [%1] has been changed")))
            QCOMPARE(session.desktop.messages.first().defaultAnswer, MessageAnswer::No);
    }

    // Read again quietly: the caret keeps its line and column, the view its first line, and one
    // Undo gives back the text as it was.
    void quietReloadKeepsThePlace() {
        FileSession session;
        const QString path = session.path(QStringLiteral("long.java"));
        QByteArray lines;
        for (int i = 0; i < 300; ++i)
            lines += "line " + QByteArray::number(i) + "\n";
        writeBytes(path, lines);
        DocumentWindow* window = session.open(path);
        QPlainTextEdit& editor = window->editor();
        editor.resize(400, 200);
        QTextCursor caret(editor.document()->findBlockByNumber(150));
        caret.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, 6);
        editor.setTextCursor(caret);
        editor.verticalScrollBar()->setValue(140);
        const QString before = window->text().text();
        writeBytes(path, "first\n" + lines.sliced(7));
        lookAtDisk(session, *window);
        QVERIFY(window->text().text().startsWith(QStringLiteral("first\r\nline 1\r\n")));
        QCOMPARE(editor.textCursor().blockNumber(), 150);
        QCOMPARE(editor.textCursor().positionInBlock(), 6);
        QCOMPARE(editor.verticalScrollBar()->value(), 140);
        QCOMPARE(session.frame().statusBar1().currentMessage(),
                 "Reloaded " + path + ": another program changed it.");
        editor.undo();
        QCOMPARE(window->text().text(), before);
        QVERIFY(session.desktop.messages.isEmpty());
    }

    void reportsEachRange_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<ErrorBox>("box");
        QTest::addColumn<QString>("text");
        const auto row = [](int number, ErrorBox box, const QString& text) {
            QTest::addRow("%d", number) << number << box << text;
        };
        using enum ErrorBox;
        for (int number : {0, 6, 32755})
            row(number, None, {});
        row(5, Information, unexpected(5, "Invalid procedure call or argument"));
        row(7, Information,
            "Out of available memory.\r\n\r\nPlease close some open documents and try again.");
        for (int number : {8, 77, 300})
            row(number, Information, unexpected(number, undefined));
        row(51, Information,
            "An internal system error has occured.\r\n\r\n"
            "Plaese report error to your System Administrator.");
        row(52, Failure, systemFile(52, "Bad file name or number"));
        for (int number : {56, 60, 66, 69, 73})
            row(number, Failure, systemFile(number, undefined));
        for (int number : {57, 68, 71, 72})
            row(number, Failure,
                "Disk not ready or unavailable. Also check that disk is not write protected.");
        row(58, Failure, systemFile(58, "File already exists"));
        row(61, Failure, "The disk is full.");
        row(62, Failure, systemFile(62, "Input past end of file"));
        row(67, Information,
            "Not enough file handles available.\r\n\r\nIncrease the FILES= number in file "
            "CONFIG.SYS");
        row(70, Failure, systemFile(70, "Permission denied"));
        row(76, Failure, systemFile(76, "Path not found"));
        row(91, Information, unexpected(91, "Object variable or With block variable not set"));
        row(281, Information, unexpected(281, "No more DDE channels", true));
        row(297, Information, unexpected(297, "Can't set LinkMode; invalid LinkTopic", true));
        row(298, Information, unexpected(298, "System DLL could not be loaded"));
        row(340, Information, unexpected(340, "Control array element does not exist", true));
        row(344, Information, unexpected(344, "Must specify index for object array", true));
    }

    // Each box is answered Abort, Retry, then Ignore; only a failure box offers the choice.
    void reportsEachRange() {
        QFETCH(int, number);
        QFETCH(ErrorBox, box);
        QFETCH(QString, text);
        FakeDesktop fake;
        QList<int> actions;
        for (MessageAnswer answer :
             {MessageAnswer::Abort, MessageAnswer::Retry, MessageAnswer::Ignore}) {
            fake.answerMessage(answer);
            actions << ReportError(fake, number);
        }
        const bool failure = box == ErrorBox::Failure;
        QCOMPARE(actions, (failure ? QList<int>{3, 4, 5} : QList<int>{3, 3, 3}));
        QCOMPARE(fake.messages.size(), box == ErrorBox::None ? 0 : 3);
        if (box == ErrorBox::None)
            return;
        const Message& shown = fake.messages.constLast();
        QCOMPARE(shown.text, text);
        QCOMPARE(shown.title, QStringLiteral("Orvane"));
        QCOMPARE(shown.buttons, failure ? MessageButtons::AbortRetryIgnore : MessageButtons::Ok);
        QCOMPARE(shown.icon, failure ? MessageIcon::Critical : MessageIcon::Information);
    }

    // Retry runs the failed step again, Ignore goes on with the next, Abort stops; every report
    // shows the normal pointer.
    void runsStepsUnderTheTrap() {
        FakeDesktop fake;
        for (MessageAnswer answer :
             {MessageAnswer::Retry, MessageAnswer::Ignore, MessageAnswer::Abort})
            fake.answerMessage(answer);
        QString log;
        const auto step = [&log](char16_t name, int error) -> TrapStep {
            return [&log, name, error] {
                log += name;
                return error;
            };
        };
        QVERIFY(RunTrappedSteps(fake, {step(u'a', 0), step(u'b', 61), step(u'c', 0)}));
        QVERIFY(!RunTrappedSteps(fake, {step(u'd', 61), step(u'e', 0)}));
        QCOMPARE(log, QStringLiteral("abbcd"));
        QCOMPARE(fake.busyAtMessages, (QList<int>{0, 0, 0}));
        QCOMPARE(fake.busyDepth, 0);
    }
    void afterAKill_data() {
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<QStringList>("windows"); // caption: text
        QTest::addColumn<int>("copiesLeft");
        QTest::newRow("Yes: both texts back")
            << MessageAnswer::Yes
            << QStringList{"A.JAVA: typed class A {}\r\n", "Untitled: untitled text"} << 2;
        QTest::newRow("No: the copies go") << MessageAnswer::No << QStringList{"Untitled: "} << 0;
    }

    // Text typed before a kill comes back at the next start, each in its own window, the titled
    // one standing for its file as before; the file is not touched until the user saves.
    void afterAKill() {
        QFETCH(MessageAnswer, answer);
        TestFrame test;
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("A.java"));
        writeBytes(file, "class A {}\n");
        typeAndKill(file);
        test.desktop.answerMessage(answer);
        QVERIFY(test.start());

        QCOMPARE(shownTexts(test.desktop),
                 QStringList{"Orvane did not close normally. Restore the unsaved text of 2 "
                             "windows?\r\n\r\n" +
                             file + "\r\nUntitled"});
        QCOMPARE(test.desktop.messages.first().defaultAnswer, MessageAnswer::Yes);
        QStringList windows;
        for (const DocumentWindow* window : test.frame().documentWindows()) {
            windows << window->caption() + ": " + window->text().text();
            QVERIFY(!window->isUnchanged());
        }
        QTEST(windows, "windows");
        if (answer == MessageAnswer::Yes)
            QCOMPARE(test.frame().documentWindows().first()->documentPath(), file);
        QCOMPARE(readBytes(file), QByteArray("class A {}\n"));
        QTEST(int(copies().size()), "copiesLeft");
    }

    // A normal end leaves no copy behind; a second Orvane running meanwhile takes none of the
    // first one's copies.
    void copiesLiveWithTheirRun() {
        TestFrame test;
        QVERIFY(test.start());
        QTest::keyClicks(&test.active()->editor(), QStringLiteral("draft"));
        QTRY_COMPARE_WITH_TIMEOUT(copies().size(), 1, 5000);
        {
            FakeDesktop second;
            MainFrame other(second, test.store);
            other.start();
            QVERIFY(second.messages.isEmpty());
        }
        QCOMPARE(copies().size(), 1);
        test.desktop.answerMessage(MessageAnswer::No);
        QVERIFY(test.frame().close());
        QTRY_VERIFY(copies().isEmpty());
    }
};

int main(int argc, char* argv[]) {
    if (argc == 4 && qstrcmp(argv[1], "--typing-program") == 0)
        return runTypingProgram(argc, argv);
    QApplication application(argc, argv);
    TestFileCommands test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_filecommands.moc"
