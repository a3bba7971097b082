#include "app/mainframe.h"
#include "document/documentwindow.h"
#include "testframe.h"

#include <QDir>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QTest>

using namespace orvane;
using namespace orvane::test;

namespace {

bool closeWindow(DocumentWindow* window) {
    const bool closed = qobject_cast<QMdiSubWindow*>(window->parentWidget())->close();
    settle();
    return closed;
}

Message unsavedQuestion() {
    return {QStringLiteral("This document hasn't been saved.  Do you want to sve it now?"),
            QStringLiteral("Orvane"), MessageButtons::YesNo, MessageIcon::Question};
}

void compareMessage(const Message& actual, const Message& expected) {
    QCOMPARE(actual.text, expected.text);
    QCOMPARE(actual.title, expected.title);
    QCOMPARE(actual.buttons, expected.buttons);
    QCOMPARE(actual.icon, expected.icon);
}

// Files in the program folder other than the projects folder made at start-up.
QStringList writtenFiles(const FakeDesktop& desktop) {
    QStringList names = QDir(desktop.programFolderPath)
                            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    names.removeAll(QStringLiteral("Projects"));
    return names;
}

} // namespace

class TestCloseRule : public QObject {
    Q_OBJECT

    TestFrame* test_ = nullptr;
    MainFrame& frame() { return test_->frame(); }

private slots:
    void init() {
        test_ = new TestFrame;
        QVERIFY(test_->start());
    }
    void cleanup() { delete test_; }

    void emptyWindowClosesSilently() {
        QVERIFY(closeWindow(test_->active()));
        QVERIFY(frame().documentWindows().isEmpty());
        QVERIFY(test_->desktop.messages.isEmpty());
        QVERIFY(test_->desktop.saveRequests.isEmpty());
    }

    void unsavedTextAsksAndNoClosesWithoutWriting() {
        QTest::keyClicks(&test_->active()->editor(), QStringLiteral("class A {}"));
        test_->desktop.answerMessage(MessageAnswer::No);
        QVERIFY(closeWindow(test_->active()));
        QCOMPARE(test_->desktop.messages.size(), 1);
        compareMessage(test_->desktop.messages.first(), unsavedQuestion());
        QVERIFY(frame().documentWindows().isEmpty());
        QVERIFY(test_->desktop.saveRequests.isEmpty());
        QVERIFY(writtenFiles(test_->desktop).isEmpty());
    }

    // Yes with a save that does not happen keeps the text on screen rather than losing it.
    void unsavedTextStaysWhenTheSaveFails() {
        QTest::keyClicks(&test_->active()->editor(), QStringLiteral("keep me"));
        test_->desktop.answerMessage(MessageAnswer::Yes);
        test_->desktop.answerFileDialog(std::nullopt);
        QVERIFY(!closeWindow(test_->active()));
        QCOMPARE(frame().documentWindows().size(), 1);
        QCOMPARE(test_->active()->text().text(), QStringLiteral("keep me"));
    }

    // The first, empty window closes; the second stays and the third is never asked.
    void closingTheFrameStopsAtAWindowThatStays() {
        DocumentWindow* refusing = frame().newDocumentWindow();
        QTest::keyClicks(&refusing->editor(), QStringLiteral("text"));
        DocumentWindow* later = frame().newDocumentWindow();
        QTest::keyClicks(&later->editor(), QStringLiteral("more"));
        test_->desktop.answerMessage(MessageAnswer::Yes);

        QVERIFY(!frame().close());
        settle();
        QCOMPARE(frame().documentWindows(), (QList<DocumentWindow*>{refusing, later}));
        QCOMPARE(test_->desktop.messages.size(), 1);
        QCOMPARE(test_->desktop.endProgramCalls, 0);

        test_->desktop.answerMessage(MessageAnswer::No);
        test_->desktop.answerMessage(MessageAnswer::No);
        QVERIFY(frame().close());
        settle();
        QVERIFY(frame().documentWindows().isEmpty());
        QCOMPARE(test_->desktop.messages.size(), 3);
        QCOMPARE(test_->desktop.endProgramCalls, 1);
    }

    void exitEndsAtOnce_data() {
        QTest::addColumn<bool>("fromFrameMenu");
        QTest::newRow("document window's Exit") << false;
        QTest::newRow("frame's Exit") << true;
    }

    void exitEndsAtOnce() {
        QFETCH(bool, fromFrameMenu);
        QTest::keyClicks(&test_->active()->editor(), QStringLiteral("unsaved"));
        if (fromFrameMenu) {
            test_->desktop.answerMessage(MessageAnswer::No);
            QVERIFY(closeWindow(test_->active()));
            test_->desktop.messages.clear();
            frame().frameMenuBar().findChild<QAction*>(QStringLiteral("mnuFileExit"))->trigger();
        } else {
            test_->active()->menuItem(QStringLiteral("mnuFileExit"))->trigger();
            QCOMPARE(frame().documentWindows().size(), 1);
        }
        QCOMPARE(test_->desktop.endProgramCalls, 1);
        QVERIFY(test_->desktop.messages.isEmpty());
        QVERIFY(test_->desktop.saveRequests.isEmpty());
    }
};

QTEST_MAIN(TestCloseRule)
#include "tst_closerule.moc"
