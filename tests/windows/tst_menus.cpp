#include "document/documenttext.h"
#include "document/documentwindow.h"
#include "testframe.h"

#include <QClipboard>
#include <QDockWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>

using namespace orvane;
using namespace orvane::test;

namespace {

// The Window menu's list as the user sees it on opening the menu, "*" marking the checked entry;
// then clicks the entry at `click`, if any.
QStringList windowList(MainFrame& frame, qsizetype click = -1) {
    auto* menu = frame.documentMenuBar().findChild<QMenu*>(QStringLiteral("mnuWindow"));
    emit menu->aboutToShow();
    QList<QAction*> items = menu->findChildren<QAction*>(QStringLiteral("mnuWindowList"));
    QStringList listed;
    for (const QAction* item : items)
        listed.append(item->text() + (item->isChecked() ? QStringLiteral(" *") : QString()));
    if (click >= 0)
        items[click]->trigger();
    return listed;
}

} // namespace

class TestMenus : public QObject {
    Q_OBJECT

    std::unique_ptr<TestFrame> test_;
    MainFrame& frame() { return test_->frame(); }
    void arrange(const char* item) { test_->item(item)->trigger(); }

private slots:
    void init() { QVERIFY((test_ = std::make_unique<TestFrame>())->start()); }
    void cleanup() { test_.reset(); }

    // The active window's menu bar shows; its Window menu lists every window.
    void menusFollowTheWindows() {
        frame().newDocumentWindow()->setCaption(QStringLiteral("R&D.JAVA"));
        frame().newDocumentWindow();
        QCOMPARE(windowList(frame(), 1),
                 (QStringList{"&1 Untitled", "&2 R&&D.JAVA", "&3 Untitled *"}));
        DocumentWindow* second = test_->active();
        QCOMPARE(second->caption(), QStringLiteral("R&D.JAVA"));
        QVERIFY(frame().documentMenuBar().isVisible() && !frame().frameMenuBar().isVisible());
        QVERIFY(frame().mdiArea().subWindowList().first()->close());
        settle();
        QCOMPARE(windowList(frame()), (QStringList{"&1 R&&D.JAVA *", "&2 Untitled"}));
        frame().mdiArea().closeAllSubWindows();
        settle();
        QVERIFY(frame().frameMenuBar().isVisible());
        test_->item(QStringLiteral("mnuFileNewDocument"))->trigger();
        QCOMPARE(windowList(frame()), QStringList{"&1 Untitled *"});
        QVERIFY(frame().documentMenuBar().isVisible() && !frame().frameMenuBar().isVisible());
    }

    void viewToggles_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<Bar>("bar");
        QTest::newRow("standard toolbar") << "mnuViewStandard" << Bar::Standard;
        QTest::newRow("object toolbar") << "mnuViewObject" << Bar::Object;
        QTest::newRow("status bar") << "mnuViewStatus" << Bar::Status;
    }

    // A click toggles the bar and only the active window's check; a new window starts checked
    // whatever the bars show.
    void viewToggles() {
        QFETCH(QString, item);
        QFETCH(Bar, bar);
        QAction* toggle = test_->item(item);
        DocumentWindow* first = test_->active();
        DocumentWindow* second = frame().newDocumentWindow();
        toggle->trigger();
        for (Bar each : {Bar::Standard, Bar::Object, Bar::Status})
            QCOMPARE(frame().isBarVisible(each), each != bar);
        QVERIFY(!toggle->isChecked());
        frame().activateDocument(*first);
        QVERIFY(toggle->isChecked());
        frame().activateDocument(*second);
        QVERIFY(!toggle->isChecked());
        frame().newDocumentWindow();
        QVERIFY(toggle->isChecked());
        toggle->trigger();
        QVERIFY(frame().isBarVisible(bar) && toggle->isChecked());
    }

    // View > Output shows and hides the Output pane; its mark follows the pane also when the
    // pane was closed by its own title bar.
    void viewOutput() {
        auto* view = frame().documentMenuBar().findChild<QMenu*>(QStringLiteral("mnuView"));
        QAction* output = test_->item("mnuViewOutput");
        QVERIFY(output->isCheckable() && !output->isChecked());
        output->trigger();
        auto* pane = frame().findChild<QDockWidget*>(QStringLiteral("Output"));
        QVERIFY(pane && pane->isVisible() && output->isChecked());
        pane->close();
        emit view->aboutToShow();
        QVERIFY(!output->isChecked());
        output->trigger();
        output->trigger();
        QVERIFY(pane->isHidden() && !output->isChecked());
    }

    void arrangements() {
        frame().newDocumentWindow();
        frame().newDocumentWindow();
        const QList<QMdiSubWindow*> subs = frame().mdiArea().subWindowList();
        const QRect area = frame().mdiArea().viewport()->rect();

        // Tiles cover the area without overlapping, stacked at full width or side by side.
        for (const bool stacked : {true, false}) {
            arrange(stacked ? "mnuWindowHorizontal" : "mnuWindowVertical");
            QRegion covered;
            for (const QMdiSubWindow* tile : subs) {
                QVERIFY(!covered.intersects(tile->geometry()));
                covered += tile->geometry();
            }
            QCOMPARE(covered, QRegion(area));
            QCOMPARE(subs[0]->width() == area.width(), stacked);
        }

        arrange("mnuWindowCascade");
        const auto stack = frame().mdiArea().subWindowList(QMdiArea::StackingOrder);
        QCOMPARE(stack.first()->pos(), QPoint(0, 0));
        for (qsizetype i = 1; i < stack.size(); ++i)
            QVERIFY(stack[i]->x() > stack[i - 1]->x() && stack[i]->y() > stack[i - 1]->y());

        // Minimised windows line up along the bottom from the left.
        subs[0]->showMinimized();
        subs[1]->showMinimized();
        subs[0]->move(200, 40);
        subs[1]->move(90, 10);
        arrange("mnuWindowArrange");
        QCOMPARE(subs[0]->geometry().bottomLeft(), area.bottomLeft());
        QCOMPARE(subs[1]->geometry().bottomLeft(), QPoint(subs[0]->width(), area.bottom()));
        QVERIFY(!subs[2]->isMinimized());

        // Cascade keeps the size new windows open at.
        subs[0]->showNormal();
        subs[1]->showNormal();
        subs[2]->resize(100, 80);
        arrange("mnuWindowCascade");
        const QSize newSize = frame().newDocumentWindow()->parentWidget()->size();
        for (const QMdiSubWindow* sub : subs)
            QCOMPARE(sub->size(), newSize);
    }

    // Typing never goes into a window out of sight: minimising hands over to the window
    // behind, and choosing a minimised window in the Window menu brings it back.
    void minimisedWindows() {
        DocumentWindow* first = test_->active();
        DocumentWindow* second = frame().newDocumentWindow();
        auto* secondSub = qobject_cast<QMdiSubWindow*>(second->parentWidget());
        secondSub->showMinimized();
        QCOMPARE(frame().activeDocument(), first);
        windowList(frame(), 1);
        QCOMPARE(frame().activeDocument(), second);
        QVERIFY(!secondSub->isMinimized());
    }

    // Closing the frame asks about each window with that window in front.
    void frameCloseShowsEachWindowAsked() {
        test_->active()->text().setText(QStringLiteral("one"));
        frame().newDocumentWindow()->text().setText(QStringLiteral("two"));
        QStringList asked;
        test_->desktop.onMessage = [&](const Message&) {
            asked << frame().activeDocument()->text().text();
        };
        test_->desktop.answerMessage(MessageAnswer::No);
        test_->desktop.answerMessage(MessageAnswer::No);
        QVERIFY(frame().close());
        QCOMPARE(asked, (QStringList{"one", "two"}));
    }

    // With the Output pane focused, the edit commands and their keys act on the pane: the
    // document keeps its selection and its text.
    void editCommandsFollowTheFocus() {
        DocumentText document = test_->active()->text();
        document.setText(QStringLiteral("document text"));
        document.setSelStart(0);
        document.setSelLength(8);
        frame().programOutput();
        auto* pane = frame().findChild<QPlainTextEdit*>(QStringLiteral("txtOutput"));
        pane->setPlainText(QStringLiteral("javac A.java\nExit status 0"));
        pane->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), pane);
        for (const char* item : {"mnuEditSelect", "mnuEditCopy", "mnuEditPaste", "mnuEditCut"})
            test_->item(item)->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QStringLiteral("javac A.java\nExit status 0"));
        QCOMPARE(pane->toPlainText(), QStringLiteral("javac A.java\nExit status 0"));
        QCOMPARE(document.text(), QStringLiteral("document text"));
        QCOMPARE(document.selText(), QStringLiteral("document"));
    }
};

QTEST_MAIN(TestMenus)
#include "tst_menus.moc"
