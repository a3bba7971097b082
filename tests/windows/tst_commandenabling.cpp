#include "app/mainframe.h"
#include "document/documentwindow.h"
#include "testframe.h"

#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QTest>
#include <QToolBar>

using namespace orvane;
using namespace orvane::test;

namespace {

const QStringList governedButtons{"Save", "Print", "Preview", "Run",
                                  "Cut",  "Copy",  "Paste",   "Find"};
const QStringList freeButtons{"New", "Open", "Help"};
const QStringList governedItems{"mnuFileSave",    "mnuFilePrint",   "mnuEditCut",    "mnuEditCopy",
                                "mnuEditPaste",   "mnuEditDelete",  "mnuEditSelect", "mnuEditFind",
                                "mnuEditReplace", "mnuViewCompile", "mnuViewPreview"};
const QStringList freeItems{"mnuFileNewSocument",   "mnuFileOpen",         "mnuFileExit",
                            "mnuViewStandard",      "mnuViewOptions",      "mnuInsertVariable",
                            "mnuInsertFunction",    "mnuWindowCascade",    "mnuHelpContents",
                            "mnuInsertObjectLabel", "mnuInsertStatementIF"};

// Compares the nine toolbar items with `enabled`; the free buttons are always enabled.
void checkToolbar(MainFrame& frame, bool enabled) {
    QCOMPARE(frame.objectToolbar().isEnabled(), enabled);
    for (const QString& key : governedButtons)
        QVERIFY2(frame.toolbarButton(key)->isEnabled() == enabled, qPrintable(key));
    for (const QString& key : freeButtons)
        QVERIFY2(frame.toolbarButton(key)->isEnabled(), qPrintable(key));
}

void checkMenu(DocumentWindow& window, bool enabled) {
    for (const QString& name : governedItems)
        QVERIFY2(window.menuItem(name)->isEnabled() == enabled, qPrintable(name));
    for (const QString& name : freeItems)
        QVERIFY2(window.menuItem(name)->isEnabled(), qPrintable(name));
}

} // namespace

class TestCommandEnabling : public QObject {
    Q_OBJECT

private slots:
    void followsTheText_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("clearAfter");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("empty") << "" << false << false;
        QTest::newRow("one letter") << "a" << false << true;
        QTest::newRow("blanks") << "   " << false << true;
        QTest::newRow("a line") << "class A {}" << false << true;
        QTest::newRow("select all and delete") << "class A {}" << true << false;
    }

    void followsTheText() {
        QFETCH(QString, typed);
        QFETCH(bool, clearAfter);
        QFETCH(bool, enabled);
        TestFrame test;
        QVERIFY(test.start());
        DocumentWindow& window = *test.active();
        checkToolbar(test.frame(), false);
        checkMenu(window, false);

        QTest::keyClicks(&window.editor(), typed);
        if (clearAfter) {
            window.menuItem(QStringLiteral("mnuEditSelect"))->trigger();
            window.menuItem(QStringLiteral("mnuEditDelete"))->trigger();
            QVERIFY(window.text().isEmpty());
        }
        checkToolbar(test.frame(), enabled);
        checkMenu(window, enabled);
    }

    void aLineBreakIsText() {
        TestFrame test;
        QVERIFY(test.start());
        QTest::keyClick(&test.active()->editor(), Qt::Key_Return);
        checkToolbar(test.frame(), true);
        checkMenu(*test.active(), true);
    }

    void eachWindowKeepsItsOwnMenu() {
        TestFrame test;
        QVERIFY(test.start());
        DocumentWindow* filled = test.active();
        QTest::keyClicks(&filled->editor(), QStringLiteral("x"));
        DocumentWindow* empty = test.frame().newDocumentWindow();
        checkToolbar(test.frame(), false);
        checkMenu(*empty, false);
        checkMenu(*filled, true);

        test.frame().activateDocument(*filled);
        checkToolbar(test.frame(), true);
    }

    // However the last window went, nothing is left to save, print or insert into.
    void closingTheLastWindow_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("empty window") << "";
        QTest::newRow("unsaved text, answered No") << "text";
    }

    void closingTheLastWindow() {
        QFETCH(QString, typed);
        TestFrame test;
        QVERIFY(test.start());
        QTest::keyClicks(&test.active()->editor(), typed);
        test.desktop.answerMessage(MessageAnswer::No);
        QVERIFY(qobject_cast<QMdiSubWindow*>(test.active()->parentWidget())->close());
        settle();
        QVERIFY(test.frame().documentWindows().isEmpty());
        checkToolbar(test.frame(), false);

        test.frame().toolbarButton(QStringLiteral("New"))->trigger();
        checkToolbar(test.frame(), false);
        checkMenu(*test.active(), false);
    }

    void menuStateShowsTheBusyPointer() {
        TestFrame test;
        QVERIFY(test.start());
        const int before = test.desktop.busyCalls;
        QTest::keyClicks(&test.active()->editor(), QStringLiteral("a"));
        QVERIFY(test.desktop.busyCalls > before);
        QCOMPARE(test.desktop.busyDepth, 0);
    }
};

QTEST_MAIN(TestCommandEnabling)
#include "tst_commandenabling.moc"
