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

QString systemFile(int number, const char* description,
                   const char* heading = "A system file error has occured.") {
    return QString::fromLatin1(heading) + "\r\n\r\nError Number: " + QString::number(number) +
           "\r\nDescription: " + description;
}

QString unexpected(int number, const char* description, bool support = false) {
    return systemFile(number, description, "An unexpected error has occured.") + "\r\n\r\n" +
           (support ? "Write down the number and message \r\nand then contact technical support."
                    : "");
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

// In a process of its own: types into `file` and a new window, says when both copies exist.
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

} // namespace

// Files others change meanwhile, error boxes and recovery after a kill: no text is ever lost.
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

    // 65000 bytes, NULs and all, open; anything else is one message within a second, no window.
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

    // The second of two untitled windows saved as one name asks; the first, shown again, too.
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

    void exitClosesLikeTheFrame_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<MessageAnswer>("answer"); // to the question about a changed window
        QTest::addColumn<bool>("ends");
        using enum MessageAnswer;
        QTest::newRow("nothing changed: ends at once") << "" << Yes << true;
        QTest::newRow("changed, the question dismissed: goes on") << "draft" << Dismissed << false;
        QTest::newRow("changed, Yes, Save As cancelled: goes on") << "draft" << Yes << false;
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
        const QString question =
            QStringLiteral("This document hasn't been saved.  Do you want to sve it now?");
        QCOMPARE(shownTexts(session.desktop),
                 typed.isEmpty() ? QStringList() : QStringList{question});
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
        row("edited, newer file, Yes: overwritten", mine, theirs, "!", Yes, changed, "mine\r\n!");
        row("edited, newer file, No: stays open", mine, theirs, "!", No, changed, theirs);
        row("edited, newer file, no button: stays open", mine, theirs, "!", Dismissed, changed,
            theirs);
        row("edited, same size and date, No: stays open", mine, "MINE\r\n", "!", No, changed,
            "MINE\r\n");

        row("edited, no final break: none added", "a\r\nb", {}, "x", Yes, "", "a\r\nbx");
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

    // Only changed text is written, asking before it replaces a newer file or changes a byte.
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
        window->text().setSelStart(int(window->text().text().size()));
        window->text().replaceSelection(typed);
        const QString edited = window->text().text();
        QVERIFY(!edited.contains(QChar(0xFEFF)));
        session.desktop.answerMessage(answer);

        const bool stays = !question.isEmpty() && answer != MessageAnswer::Yes;
        QCOMPARE(window->parentWidget()->close(), !stays);
        settle();
        QTEST(readBytes(path), "file");
        if (typed.isEmpty() || stays)
            QCOMPARE(QFileInfo(path).lastModified(), before);
        QCOMPARE(shownTexts(session.desktop),
                 question.isEmpty() ? QStringList() : QStringList{question.arg(path)});
        QVERIFY(session.desktop.saveRequests.isEmpty());
        if (stays)
            QCOMPARE(window->text().text(), edited);
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

    // Ignore after a failure keeps the text and claims no file that was not written or read.
    void ignoreKeepsTextAndPath() {
        FileSession session;
        const QString gone = session.path(QStringLiteral("gone/Hello.java"));
        QVERIFY(QDir().mkpath(session.path(QStringLiteral("gone"))));
        writeBytes(gone, "class Hello {}\r\n");
        DocumentWindow* titled = session.open(gone);
        titled->text().setText(QStringLiteral("class Hello {}\r\nx"));
        QVERIFY(QDir(session.path(QStringLiteral("gone"))).removeRecursively());
        for (int i = 0; i < 3; ++i)
            session.desktop.answerMessage(MessageAnswer::Ignore);
        QVERIFY(!titled->parentWidget()->close());
        settle();
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
        QTest::addColumn<QString>("how"); // what another program or window does to the file
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

    // A quiet reload keeps caret and scroll, and one Undo gives back the text as it was.
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

    // Retry repeats the step, Ignore goes on, Abort stops; each report shows the normal pointer.
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

    // Typed text comes back in its own window after a kill; the file waits until a save.
    void afterAKill() {
        QFETCH(MessageAnswer, answer);
        TestFrame test;
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("A.java"));
        writeBytes(file, "class A {}\n");
        QProcess program;
        program.start(
            QCoreApplication::applicationFilePath(),
            {QStringLiteral("--typing-program"), QCoreApplication::applicationName(), file});
        QVERIFY(program.waitForReadyRead(20000));
        QCOMPARE(program.readAllStandardOutput().trimmed(), QByteArray("ready"));
        program.kill();
        QVERIFY(program.waitForFinished());
        QCOMPARE(program.exitStatus(), QProcess::CrashExit);
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

    // A normal end leaves no copy; a second Orvane running meanwhile takes none of them.
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
