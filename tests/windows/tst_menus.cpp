#include "app/mainframe.h"
#include "document/documentwindow.h"
#include "testframe.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>

using namespace orvane;
using namespace orvane::test;

namespace {

QMdiSubWindow* subWindow(DocumentWindow* window) {
    return qobject_cast<QMdiSubWindow*>(window->parentWidget());
}

QAction* frameItem(MainFrame& frame, const char* name) {
    return frame.frameMenuBar().findChild<QAction*>(QString::fromLatin1(name));
}

// The Window menu's list of open windows as the user sees it when opening the menu.
QList<QAction*> windowList(DocumentWindow* window) {
    auto* menu = window->menuBar().findChild<QMenu*>(QStringLiteral("mnuWindow"));
    emit menu->aboutToShow();
    QList<QAction*> listed;
    for (QAction* item : menu->actions()) {
        if (item->objectName() == u"mnuWindowList")
            listed.append(item);
    }
    return listed;
}

QStringList captions(const QList<QAction*>& items) {
    QStringList texts;
    for (const QAction* item : items)
        texts.append(item->text() + (item->isChecked() ? QStringLiteral(" *") : QString()));
    return texts;
}

} // namespace

class TestMenus : public QObject {
    Q_OBJECT

    TestFrame* test_ = nullptr;
    MainFrame& frame() { return test_->frame(); }

private slots:
    void init() {
        test_ = new TestFrame;
        QVERIFY(test_->start());
    }
    void cleanup() { delete test_; }

    void menuBarFollowsTheActiveWindow() {
        DocumentWindow* first = test_->active();
        QVERIFY(first->menuBar().isVisible());
        QVERIFY(!frame().frameMenuBar().isVisible());

        DocumentWindow* second = frame().newDocumentWindow();
        QVERIFY(second->menuBar().isVisible());
        QVERIFY(!first->menuBar().isVisible());

        frame().activateDocument(*first);
        QVERIFY(first->menuBar().isVisible());
        QVERIFY(!second->menuBar().isVisible());

        for (QMdiSubWindow* sub : frame().mdiArea().subWindowList())
            QVERIFY(sub->close());
        settle();
        QVERIFY(frame().frameMenuBar().isVisible());

        frameItem(frame(), "mnuFileNewDocument")->trigger();
        settle();
        QCOMPARE(frame().documentWindows().size(), 1);
        QVERIFY(test_->active()->menuBar().isVisible());
        QVERIFY(!frame().frameMenuBar().isVisible());
    }

    // Ambiguous shortcuts fire nothing at all, so no key may be taken twice in one menu bar.
    void shortcutsAreUnique() {
        for (QMenuBar* bar : {&frame().frameMenuBar(), &test_->active()->menuBar()}) {
            QStringList keys;
            for (const QAction* item : bar->findChildren<QAction*>()) {
                if (!item->shortcut().isEmpty())
                    keys.append(item->shortcut().toString());
            }
            QVERIFY(!keys.isEmpty());
            QCOMPARE(QSet<QString>(keys.cbegin(), keys.cend()).size(), keys.size());
        }
    }

    void viewTogglesCheckOnlyTheActiveWindow_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<Bar>("bar");
        QTest::newRow("standard toolbar") << "mnuViewStandard" << Bar::Standard;
        QTest::newRow("object toolbar") << "mnuViewObject" << Bar::Object;
        QTest::newRow("status bar") << "mnuViewStatus" << Bar::Status;
    }

    void viewTogglesCheckOnlyTheActiveWindow() {
        QFETCH(QString, item);
        QFETCH(Bar, bar);
        DocumentWindow* first = test_->active();
        DocumentWindow* second = frame().newDocumentWindow();
        QVERIFY(second->menuItem(item)->isChecked());

        second->menuItem(item)->trigger();
        QVERIFY(!frame().isBarVisible(bar));
        QVERIFY(!second->menuItem(item)->isChecked());
        QVERIFY(first->menuItem(item)->isChecked());

        // A new window starts checked whatever the bar shows; its click shows the bar.
        DocumentWindow* third = frame().newDocumentWindow();
        QVERIFY(third->menuItem(item)->isChecked());
        third->menuItem(item)->trigger();
        QVERIFY(frame().isBarVisible(bar));
        QVERIFY(third->menuItem(item)->isChecked());
        QVERIFY(!second->menuItem(item)->isChecked());

        third->menuItem(item)->trigger();
        QVERIFY(!frame().isBarVisible(bar));
        QVERIFY(!third->menuItem(item)->isChecked());
        const QList<Bar> others{Bar::Standard, Bar::Object, Bar::Status};
        for (Bar other : others) {
            if (other != bar)
                QVERIFY(frame().isBarVisible(other));
        }
    }

    void windowListFollowsTheWindows() {
        DocumentWindow* first = test_->active();
        QCOMPARE(captions(windowList(first)), QStringList{"&1 Untitled *"});

        DocumentWindow* second = frame().newDocumentWindow();
        second->setCaption(QStringLiteral("R&D.JAVA"));
        DocumentWindow* third = frame().newDocumentWindow();
        QCOMPARE(captions(windowList(third)),
                 (QStringList{"&1 Untitled", "&2 R&&D.JAVA", "&3 Untitled *"}));

        windowList(third).at(1)->trigger();
        QCOMPARE(test_->active(), second);
        QVERIFY(second->menuBar().isVisible());
        QCOMPARE(captions(windowList(second)),
                 (QStringList{"&1 Untitled", "&2 R&&D.JAVA *", "&3 Untitled"}));

        QVERIFY(subWindow(first)->close());
        settle();
        QCOMPARE(captions(windowList(test_->active())).size(), 2);
        QVERIFY(!captions(windowList(test_->active())).contains("&1 Untitled"));
    }

    void arrangements() {
        QList<QMdiSubWindow*> subs{subWindow(test_->active())};
        for (int i = 0; i < 2; ++i)
            subs.append(subWindow(frame().newDocumentWindow()));
        const QRect area = frame().mdiArea().viewport()->rect();
        DocumentWindow* active = test_->active();
        QAction* horizontal = active->menuItem(QStringLiteral("mnuWindowHorizontal"));
        QAction* vertical = active->menuItem(QStringLiteral("mnuWindowVertical"));
        QAction* cascade = active->menuItem(QStringLiteral("mnuWindowCascade"));
        QAction* icons = active->menuItem(QStringLiteral("mnuWindowArrange"));

        // Tile horizontal: stacked one above another at full width, filling the area.
        horizontal->trigger();
        int covered = 0;
        for (QMdiSubWindow* sub : subs) {
            QCOMPARE(sub->geometry().left(), 0);
            QCOMPARE(sub->width(), area.width());
            covered += sub->height();
            for (QMdiSubWindow* other : subs)
                QVERIFY(other == sub || !other->geometry().intersects(sub->geometry()));
        }
        QCOMPARE(covered, area.height());

        // Tile vertical: side by side at full height.
        vertical->trigger();
        covered = 0;
        for (QMdiSubWindow* sub : subs) {
            QCOMPARE(sub->geometry().top(), 0);
            QCOMPARE(sub->height(), area.height());
            covered += sub->width();
            for (QMdiSubWindow* other : subs)
                QVERIFY(other == sub || !other->geometry().intersects(sub->geometry()));
        }
        QCOMPARE(covered, area.width());

        // Cascade: each window a step further right and down than the one below it.
        cascade->trigger();
        const QList<QMdiSubWindow*> stack =
            frame().mdiArea().subWindowList(QMdiArea::StackingOrder);
        for (qsizetype i = 1; i < stack.size(); ++i) {
            QVERIFY(stack[i]->x() > stack[i - 1]->x());
            QVERIFY(stack[i]->y() > stack[i - 1]->y());
        }
        QCOMPARE(stack.first()->pos(), QPoint(0, 0));

        // Arrange icons: minimised windows lined up along the bottom from the left.
        subs[0]->showMinimized();
        subs[1]->showMinimized();
        subs[0]->move(200, 40);
        subs[1]->move(90, 10);
        icons->trigger();
        QCOMPARE(subs[0]->geometry().bottom(), area.bottom());
        QCOMPARE(subs[1]->geometry().bottom(), area.bottom());
        QCOMPARE(subs[0]->x(), 0);
        QCOMPARE(subs[1]->x(), subs[0]->width());
        QVERIFY(!subs[2]->isMinimized());
    }
};

QTEST_MAIN(TestMenus)
#include "tst_menus.moc"
