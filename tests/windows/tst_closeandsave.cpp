#include "document/documentwindow.h"
#include "document/filecommands.h"
#include "platform/qtdesktop.h"
#include "testframe.h"

#include <QDir>
#include <QFile>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTimer>

using namespace orvane;
using test::settle;
using test::TestFrame;

namespace {

using Answers = QList<MessageAnswer>;

const QDateTime longAgo(QDate(2001, 1, 1), QTime(12, 0), Qt::UTC);

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Writes `bytes` as another program would, dated long ago unless `now`.
void writeBytes(const QString& path, const QByteArray& bytes, bool now = false) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
    if (!now)
        QVERIFY(file.setFileTime(longAgo, QFileDevice::FileModificationTime));
}

QDateTime modified(const QString& path) {
    return QFileInfo(path).lastModified().toUTC();
}

bool closeWindow(DocumentWindow* window) {
    const bool closed = qobject_cast<QMdiSubWindow*>(window->parentWidget())->close();
    settle();
    return closed;
}

void typeAtEnd(DocumentWindow* window, const QString& typed) {
    window->editor().moveCursor(QTextCursor::End);
    QTest::keyClicks(&window->editor(), typed);
}

QStringList shownTexts(const test::FakeDesktop& desktop) {
    QStringList texts;
    for (const Message& message : desktop.messages)
        texts << message.text;
    return texts;
}

// A started frame and a folder for its files.
struct Bench {
    TestFrame test;
    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("Hello.java"));

    Bench() {
        QVERIFY(test.start());
        QVERIFY(folder.isValid());
    }

    // File > Open on `file`; the window it opened, if any.
    DocumentWindow* open(const QString& file) {
        const qsizetype before = test.frame().documentWindows().size();
        test.desktop.answerFileDialog(file);
        OpenDocument(test.frame());
        test.desktop.messages.clear();
        return test.frame().documentWindows().size() > before ? test.active() : nullptr;
    }
};

QString changedQuestion(const QString& path) {
    return "The file [" + path +
           "] has been changed by another program. Overwrite it with the text in Orvane?";
}

const QByteArray mine("mine\r\n");

const QString unsavedQuestion =
    QStringLiteral("This document hasn't been saved.  Do you want to sve it now?");

} // namespace

class TestCloseAndSave : public QObject {
    Q_OBJECT

private slots:
    void closingAWindowOnAFile_data() {
        QTest::addColumn<QByteArray>("other"); // what another program writes meanwhile
        QTest::addColumn<QString>("typed");    // into the window
        QTest::addColumn<Answers>("answers");  // to the changed-on-disk question
        QTest::addColumn<bool>("closes");
        QTest::addColumn<QByteArray>("file"); // afterwards
        QTest::addColumn<bool>("readOnly");
        const QByteArray theirs("theirs\n");
        QTest::newRow("unchanged: not written")
            << QByteArray() << "" << Answers{} << true << QByteArray("mine\r\n") << false;
        QTest::newRow("unchanged, read-only: closes silently")
            << QByteArray() << "" << Answers{} << true << QByteArray("mine\r\n") << true;
        QTest::newRow("unchanged, newer file: kept")
            << theirs << "" << Answers{} << true << theirs << false;
        QTest::newRow("edited: written without a question")
            << QByteArray() << "!" << Answers{} << true << QByteArray("mine\r\n!\r\n") << false;
        QTest::newRow("edited, newer file, Yes: overwritten")
            << theirs << "!" << Answers{MessageAnswer::Yes} << true << QByteArray("mine\r\n!\r\n")
            << false;
        QTest::newRow("edited, newer file, No: stays open")
            << theirs << "!" << Answers{MessageAnswer::No} << false << theirs << false;
        QTest::newRow("edited, newer file, closed without a button: stays open")
            << theirs << "!" << Answers{MessageAnswer::Dismissed} << false << theirs << false;
        QTest::newRow("edited, same size and date, No: stays open")
            << QByteArray("MINE\r\n") << "!" << Answers{MessageAnswer::No} << false
            << QByteArray("MINE\r\n") << false;
    }

    // A titled window is written on closing only when its text changed, and never over a file
    // another program wrote since without asking first.
    void closingAWindowOnAFile() {
        QFETCH(QByteArray, other);
        QFETCH(QString, typed);
        QFETCH(Answers, answers);
        QFETCH(bool, readOnly);
        Bench bench;
        writeBytes(bench.path, mine);
        if (readOnly)
            QVERIFY(QFile::setPermissions(bench.path, QFileDevice::ReadOwner));
        DocumentWindow* window = bench.open(bench.path);
        QVERIFY(window);
        // Another program's text of the same size keeps the old date: only the content tells.
        if (!other.isNull())
            writeBytes(bench.path, other, other.size() != mine.size());
        const QDateTime before = modified(bench.path);
        typeAtEnd(window, typed);
        for (MessageAnswer answer : answers)
            bench.test.desktop.answerMessage(answer);

        QTEST(closeWindow(window), "closes");
        QTEST(readBytes(bench.path), "file");
        QStringList asked =
            answers.isEmpty() ? QStringList() : QStringList{changedQuestion(bench.path)};
        QCOMPARE(shownTexts(bench.test.desktop), asked);
        if (!asked.isEmpty())
            QCOMPARE(bench.test.desktop.messages[0].icon, MessageIcon::Question);
        if (typed.isEmpty())
            QCOMPARE(modified(bench.path), before);
        if (bench.test.frame().documentWindows().contains(window))
            QCOMPARE(window->text().text(), "mine\r\n" + typed);
    }

    // Two windows on one file: the one saved last wins without a question, the other one,
    // unchanged, closes without writing its older text back.
    void twoWindowsOnOneFile() {
        Bench bench;
        writeBytes(bench.path, "one\r\n");
        DocumentWindow* first = bench.open(bench.path);
        DocumentWindow* second = bench.open(bench.path);
        typeAtEnd(second, QStringLiteral("two"));
        QVERIFY(SaveDocument(bench.test.frame(), *second));
        QVERIFY(closeWindow(first));
        QCOMPARE(readBytes(bench.path), QByteArray("one\r\ntwo\r\n"));

        typeAtEnd(second, QStringLiteral("three"));
        QVERIFY(closeWindow(second));
        QCOMPARE(readBytes(bench.path), QByteArray("one\r\ntwothree\r\n"));
        QVERIFY(bench.test.desktop.messages.isEmpty());
    }

    void dismissedQuestionsKeepTheText_data() {
        QTest::addColumn<bool>("frameClose");
        QTest::newRow("one window") << false;
        QTest::newRow("the frame") << true;
    }

    // A question closed with Escape or the title bar throws nothing away: the window stays open
    // and a frame close stops there.
    void dismissedQuestionsKeepTheText() {
        QFETCH(bool, frameClose);
        TestFrame test;
        QVERIFY(test.start());
        DocumentWindow* window = test.active();
        QTest::keyClicks(&window->editor(), QStringLiteral("draft"));
        test.desktop.answerMessage(MessageAnswer::Dismissed);
        const bool closed = frameClose ? test.frame().close() : closeWindow(window);
        settle();
        QVERIFY(!closed);
        QCOMPARE(test.frame().documentWindows(), QList<DocumentWindow*>{window});
        QCOMPARE(window->text().text(), QStringLiteral("draft"));
        QCOMPARE(shownTexts(test.desktop), QStringList{unsavedQuestion});
        QCOMPARE(test.desktop.endProgramCalls, 0);
        QVERIFY(test.desktop.saveRequests.isEmpty());
    }

    void desktopTellsDismissalFromNo_data() {
        QTest::addColumn<MessageButtons>("buttons");
        QTest::addColumn<bool>("escape"); // else the title bar's close button
        QTest::addColumn<MessageAnswer>("answer");
        QTest::newRow("Yes/No, Escape")
            << MessageButtons::YesNo << true << MessageAnswer::Dismissed;
        QTest::newRow("Yes/No, close button")
            << MessageButtons::YesNo << false << MessageAnswer::Dismissed;
        QTest::newRow("Abort/Retry/Ignore, Escape")
            << MessageButtons::AbortRetryIgnore << true << MessageAnswer::Abort;
        QTest::newRow("OK, close button") << MessageButtons::Ok << false << MessageAnswer::Ok;
    }

    // The product's message boxes: Escape and the title bar answer neither Yes nor No.
    void desktopTellsDismissalFromNo() {
        QFETCH(MessageButtons, buttons);
        QFETCH(bool, escape);
        QtDesktop desktop;
        QTimer::singleShot(0, [escape] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            escape ? QTest::keyClick(box, Qt::Key_Escape) : void(box->close());
        });
        QTEST(desktop.showMessage({QStringLiteral("Sure?"), QStringLiteral("Orvane"), buttons,
                                   MessageIcon::Question}),
              "answer");
    }

    // Ignore after a failure never throws text away nor claims a file that was not written or
    // read: a closing window stays open, Save As keeps the old caption, Open opens nothing.
    void ignoreKeepsTextAndPath() {
        Bench bench;
        const QString gone = bench.folder.filePath(QStringLiteral("gone/Hello.java"));
        QVERIFY(QDir().mkpath(QFileInfo(gone).path()));
        writeBytes(gone, "class Hello {}\r\n");
        DocumentWindow* titled = bench.open(gone);
        typeAtEnd(titled, QStringLiteral("x"));
        QVERIFY(QDir(QFileInfo(gone).path()).removeRecursively());
        bench.test.desktop.answerMessage(MessageAnswer::Ignore);
        QVERIFY(!closeWindow(titled));
        QCOMPARE(titled->text().text(), QStringLiteral("class Hello {}\r\nx"));

        DocumentWindow* untitled = bench.test.frame().newDocumentWindow();
        untitled->text().setText(QStringLiteral("draft"));
        bench.test.desktop.answerFileDialog(gone);
        bench.test.desktop.answerMessage(MessageAnswer::Ignore);
        QVERIFY(!SaveDocument(bench.test.frame(), *untitled));
        QCOMPARE(untitled->caption(), QStringLiteral("Untitled"));
        QVERIFY(untitled->documentPath().isEmpty());

        const qsizetype windows = bench.test.frame().documentWindows().size();
        bench.test.desktop.answerFileDialog(gone);
        bench.test.desktop.answerMessage(MessageAnswer::Ignore);
        OpenDocument(bench.test.frame());
        QCOMPARE(bench.test.frame().documentWindows().size(), windows);
        QCOMPARE(bench.test.desktop.messages.size(), 3);
        for (const Message& message : bench.test.desktop.messages)
            QCOMPARE(message.buttons, MessageButtons::AbortRetryIgnore);
    }
};

QTEST_MAIN(TestCloseAndSave)
#include "tst_closeandsave.moc"
