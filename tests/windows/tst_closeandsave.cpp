#include "document/documentwindow.h"
#include "filesession.h"
#include "platform/qtdesktop.h"

#include <QAbstractButton>
#include <QDir>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTimer>

using namespace orvane;
using namespace orvane::test;

namespace {

const QDateTime longAgo(QDate(2001, 1, 1), QTime(12, 0), Qt::UTC);
const QByteArray mine("mine\r\n");

bool closeWindow(DocumentWindow* window) {
    const bool closed = qobject_cast<QMdiSubWindow*>(window->parentWidget())->close();
    settle();
    return closed;
}

void typeAtEnd(DocumentWindow* window, const QString& typed) {
    window->editor().moveCursor(QTextCursor::End);
    QTest::keyClicks(&window->editor(), typed);
}

} // namespace

class TestCloseAndSave : public QObject {
    Q_OBJECT

private slots:
    void closingAWindowOnAFile_data() {
        QTest::addColumn<QByteArray>("other"); // what another program writes meanwhile
        QTest::addColumn<QString>("typed");
        QTest::addColumn<MessageAnswer>("answer"); // to the changed-on-disk question; Ok: none
        QTest::addColumn<QByteArray>("file");      // afterwards
        const QByteArray theirs("theirs\n");
        const auto row = [](const char* name, const QByteArray& other, const char* typed,
                            MessageAnswer answer, const QByteArray& file) {
            QTest::newRow(name) << other << QString::fromUtf8(typed) << answer << file;
        };
        row("unchanged: not written", {}, "", MessageAnswer::Ok, mine);
        row("unchanged, newer file: kept", theirs, "", MessageAnswer::Ok, theirs);
        row("edited: written", {}, "!", MessageAnswer::Ok, "mine\r\n!\r\n");
        row("edited, newer file, Yes: overwritten", theirs, "!", MessageAnswer::Yes,
            "mine\r\n!\r\n");
        row("edited, newer file, No: stays open", theirs, "!", MessageAnswer::No, theirs);
        row("edited, newer file, no button: stays open", theirs, "!", MessageAnswer::Dismissed,
            theirs);
        row("edited, same size and date, No: stays open", "MINE\r\n", "!", MessageAnswer::No,
            "MINE\r\n");
    }

    // A titled window is written on closing only when its text changed, and never over a file
    // another program wrote since without asking first. The file is read-only to show that an
    // unchanged one is not even opened for writing.
    void closingAWindowOnAFile() {
        QFETCH(QByteArray, other);
        QFETCH(QString, typed);
        QFETCH(MessageAnswer, answer);
        FileSession session;
        const QString path = session.path(QStringLiteral("Hello.java"));
        writeBytes(path, mine, longAgo);
        DocumentWindow* window = session.open(path);
        // Another program's text of the same size keeps the old date: only the content tells.
        if (!other.isNull())
            writeBytes(path, other, other.size() == mine.size() ? longAgo : QDateTime());
        if (typed.isEmpty())
            QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner));
        const QDateTime before = QFileInfo(path).lastModified();
        typeAtEnd(window, typed);
        if (answer != MessageAnswer::Ok)
            session.desktop.answerMessage(answer);

        const bool stays = answer == MessageAnswer::No || answer == MessageAnswer::Dismissed;
        QCOMPARE(closeWindow(window), !stays);
        QTEST(readBytes(path), "file");
        if (typed.isEmpty() || stays)
            QCOMPARE(QFileInfo(path).lastModified(), before);
        const QString changed = "The file [" + path +
                                "] has been changed by another program. Overwrite it with the "
                                "text in Orvane?";
        QCOMPARE(shownTexts(session.desktop),
                 answer == MessageAnswer::Ok ? QStringList() : QStringList{changed});
        if (stays)
            QCOMPARE(window->text().text(), "mine\r\n" + typed);
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
        QCOMPARE(readBytes(path), QByteArray("one\r\ntwothree\r\n"));
        QVERIFY(session.desktop.messages.isEmpty());
    }

    void dismissedQuestionKeepsTheText_data() {
        QTest::addColumn<bool>("frameClose");
        QTest::newRow("one window") << false;
        QTest::newRow("the frame") << true;
    }

    // A question closed with Escape or the title bar throws nothing away: the window stays open
    // and a frame close stops there.
    void dismissedQuestionKeepsTheText() {
        QFETCH(bool, frameClose);
        FileSession session;
        DocumentWindow* window = session.active();
        QTest::keyClicks(&window->editor(), QStringLiteral("draft"));
        session.desktop.answerMessage(MessageAnswer::Dismissed);
        QVERIFY(!(frameClose ? session.frame().close() : closeWindow(window)));
        settle();
        QCOMPARE(session.frame().documentWindows(), QList<DocumentWindow*>{window});
        QCOMPARE(window->text().text(), QStringLiteral("draft"));
        QCOMPARE(session.desktop.messages.size(), 1);
        QCOMPARE(session.desktop.endProgramCalls, 0);
        QVERIFY(session.desktop.saveRequests.isEmpty());
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
    }

    // The product's message boxes: Escape and the title bar answer neither Yes nor No.
    void desktopTellsDismissalFromNo() {
        QFETCH(MessageButtons, buttons);
        QFETCH(bool, escape);
        QtDesktop desktop;
        QTimer::singleShot(0, [escape] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            const QAbstractButton* cancel = box->button(QMessageBox::Cancel);
            QVERIFY(!cancel || !cancel->isVisible()); // the user sees Yes and No only
            escape ? QTest::keyClick(box, Qt::Key_Escape) : void(box->close());
        });
        QTEST(desktop.showMessage({QStringLiteral("Sure?"), QStringLiteral("Orvane"), buttons,
                                   MessageIcon::Question}),
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
};

QTEST_MAIN(TestCloseAndSave)
#include "tst_closeandsave.moc"
