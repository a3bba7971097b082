#include "document/documentwindow.h"
#include "filesession.h"
#include "platform/qtdesktop.h"

#include <QAbstractButton>
#include <QDir>
#include <QMdiSubWindow>
#include <QMessageBox>
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

// Returns the window's whole text afterwards.
QString typeAtEnd(DocumentWindow* window, const QString& typed) {
    DocumentText text = window->text();
    text.setSelStart(int(text.text().size()));
    text.replaceSelection(typed);
    return text.text();
}

} // namespace

class TestCloseAndSave : public QObject {
    Q_OBJECT

private slots:
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
        row("stray byte, edited, no button: untouched", stray, {}, "!", Dismissed, strayQuestion,
            stray);
        row("stray byte, edited, Yes: UTF-8", stray, {}, "!", Yes, strayQuestion,
            "na\xC3\xAFve \xC3\xBF\r\n!");
        row("byte order mark kept out of the text, written back",
            "\xEF\xBB\xBF"
            "class A {}\r\n",
            {}, "x", Yes, "",
            "\xEF\xBB\xBF"
            "class A {}\r\nx");
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

    // A titled window is written on closing only when its text changed, in the file's own
    // encoding and main line break, and never over a file another program wrote since, nor with a
    // character changed, without asking first. An unchanged file is made read-only to show that
    // it is not even opened for writing.
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
};

QTEST_MAIN(TestCloseAndSave)
#include "tst_closeandsave.moc"
