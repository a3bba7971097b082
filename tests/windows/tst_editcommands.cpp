#include "app/mainframe.h"
#include "document/documentwindow.h"
#include "testframe.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QTest>

using namespace orvane;
using namespace orvane::test;

namespace {

const QChar nbsp(0x00A0);

void setClipboard(const QString& text) {
    if (text.isNull())
        QGuiApplication::clipboard()->clear();
    else
        QGuiApplication::clipboard()->setText(text);
}

// Other programs may get the desktop's own line breaks; compare the characters.
QString clipboardText() {
    return QGuiApplication::clipboard()->text().replace(QStringLiteral("\r\n"),
                                                        QStringLiteral("\n"));
}

} // namespace

class TestEditCommands : public QObject {
    Q_OBJECT

    TestFrame* test_ = nullptr;
    DocumentWindow& window() { return *test_->active(); }

private slots:
    void init() {
        test_ = new TestFrame;
        QVERIFY(test_->start());
    }
    void cleanup() { delete test_; }

    void commands_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("clipboardBefore"); // null: the clipboard holds no text
        QTest::addColumn<QString>("textAfter");
        QTest::addColumn<QString>("clipboardAfter");
        QTest::addColumn<int>("startAfter");
        QTest::addColumn<int>("lengthAfter");

        const QString twoLines = QStringLiteral("ab\r\ncd");
        QTest::newRow("cut") << "mnuEditCut"
                             << "one two" << 4 << 3 << "old"
                             << "one "
                             << "two" << 4 << 0;
        QTest::newRow("delete goes to the clipboard too") << "mnuEditDelete"
                                                          << "one two" << 0 << 4 << "old"
                                                          << "two"
                                                          << "one " << 0 << 0;
        QTest::newRow("cut across a line break") << "mnuEditCut" << twoLines << 1 << 4 << "old"
                                                 << "ad"
                                                 << "b\nc" << 1 << 0;
        QTest::newRow("cut with nothing selected empties the clipboard") << "mnuEditCut"
                                                                         << "abc" << 1 << 0 << "old"
                                                                         << "abc"
                                                                         << "" << 1 << 0;
        QTest::newRow("copy") << "mnuEditCopy" << twoLines << 0 << 5 << "old" << twoLines << "ab\nc"
                              << 0 << 5;
        QTest::newRow("copy keeps non-breaking spaces")
            << "mnuEditCopy" << QStringLiteral("a%1b").arg(nbsp) << 0 << 3 << "old"
            << QStringLiteral("a%1b").arg(nbsp) << QStringLiteral("a%1b").arg(nbsp) << 0 << 3;
        QTest::newRow("paste at the caret") << "mnuEditPaste"
                                            << "one two" << 3 << 0 << "X\nY"
                                            << "oneX\r\nY two"
                                            << "X\nY" << 7 << 0;
        QTest::newRow("paste over a selection") << "mnuEditPaste"
                                                << "one two" << 4 << 3 << "2"
                                                << "one 2"
                                                << "2" << 5 << 0;
        QTest::newRow("paste CR LF and a lone CR") << "mnuEditPaste"
                                                   << "x" << 0 << 1 << "a\r\nb\rc"
                                                   << "a\r\nb\r\nc"
                                                   << "a\nb\rc" << 7 << 0;
        QTest::newRow("paste without text on the clipboard removes the selection")
            << "mnuEditPaste"
            << "one two" << 0 << 4 << QString() << "two"
            << "" << 0 << 0;
        QTest::newRow("paste the copied selection over itself")
            << "mnuEditPaste" << twoLines << 0 << 5 << "ab\r\nc" << twoLines << "ab\nc" << 5 << 0;
        QTest::newRow("select all")
            << "mnuEditSelect" << twoLines << 3 << 0 << "old" << twoLines << "old" << 0 << 6;
        QTest::newRow("select all on an empty document") << "mnuEditSelect"
                                                         << "" << 0 << 0 << "old"
                                                         << ""
                                                         << "old" << 0 << 0;
    }

    void commands() {
        QFETCH(QString, item);
        QFETCH(QString, text);
        QFETCH(int, start);
        QFETCH(int, length);
        QFETCH(QString, clipboardBefore);
        QFETCH(QString, textAfter);
        QFETCH(QString, clipboardAfter);
        QFETCH(int, startAfter);
        QFETCH(int, lengthAfter);

        DocumentText document = window().text();
        document.setText(text);
        document.setSelStart(start);
        document.setSelLength(length);
        setClipboard(clipboardBefore);
        window().applyCommandEnabling();

        window().menuItem(item)->trigger();
        QCOMPARE(document.text(), textAfter);
        QCOMPARE(clipboardText(), clipboardAfter);
        QCOMPARE(document.selStart(), startAfter);
        QCOMPARE(document.selLength(), lengthAfter);
    }

    // The keys reach the Edit items rather than the editor's own clipboard handling.
    void shortcutsUseTheCommands() {
        DocumentText document = window().text();
        QTest::keyClicks(&window().editor(), QStringLiteral("a"));
        const QString price = QStringLiteral("1") + nbsp + QStringLiteral("000");
        document.setText(price);
        document.setSelStart(0);
        document.setSelLength(5);
        QTest::keyClick(&window().editor(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboardText(), price);

        document.setSelStart(1);
        QTest::keyClick(&window().editor(), Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(clipboardText(), QString());
    }

    // On an empty document the Paste item is disabled; the key still pastes.
    void pasteKeyOnAnEmptyDocument() {
        setClipboard(QStringLiteral("start"));
        QTest::keyClick(&window().editor(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(window().text().text(), QStringLiteral("start"));
    }

    void positionsCountLineBreaksAsTwo_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("selected");
        // "a" nbsp "b" CR LF "cd" CR LF "x"
        QTest::newRow("start") << 0 << 3 << QStringLiteral("a%1b").arg(nbsp);
        QTest::newRow("over the break") << 2 << 4 << QStringLiteral("b\r\nc");
        QTest::newRow("after the break") << 5 << 2 << QStringLiteral("cd");
        QTest::newRow("second line to the end") << 5 << 99 << QStringLiteral("cd\r\nx");
        QTest::newRow("last character") << 9 << 1 << QStringLiteral("x");
    }

    void positionsCountLineBreaksAsTwo() {
        QFETCH(int, position);
        QFETCH(int, length);
        QFETCH(QString, selected);
        DocumentText document = window().text();
        document.setText(QStringLiteral("a%1b\ncd\rx").arg(nbsp));
        QCOMPARE(document.text(), QStringLiteral("a%1b\r\ncd\r\nx").arg(nbsp));

        document.setSelStart(position);
        QCOMPARE(document.selStart(), position);
        QCOMPARE(document.selLength(), 0);
        document.setSelLength(length);
        QCOMPARE(document.selStart(), position);
        QCOMPARE(document.selText(), selected);
        QCOMPARE(document.selLength(), selected.size());

        // Setting the length again measures from the selection's start, not from its end.
        document.setSelLength(1);
        QCOMPARE(document.selText(), selected.left(1));

        document.replaceSelection(QStringLiteral("<\r\n>"));
        QCOMPARE(document.selStart(), position + 4);
        QCOMPARE(document.selLength(), 0);
        QCOMPARE(document.text().mid(position, 4), QStringLiteral("<\r\n>"));
    }
};

QTEST_MAIN(TestEditCommands)
#include "tst_editcommands.moc"
