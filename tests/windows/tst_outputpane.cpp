#include "document/documentwindow.h"
#include "platform/programstarter.h"
#include "testframe.h"
#include "toolchain/outputpane.h"
#include "toolchain/toolstarter.h"

#include <QDockWidget>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>

using namespace orvane;
using namespace orvane::test;
using namespace Qt::StringLiterals;

#ifdef __SANITIZE_ADDRESS__
// A small quarantine, so freed memory is reused as it is without the sanitizer and the bound
// below measures the pane rather than the sanitizer.
extern "C" const char* __asan_default_options() {
    return "quarantine_size_mb=16";
}
#endif

namespace {

qint64 residentBytes() {
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        qFatal("cannot read /proc/self/status");
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').constFirst().toLongLong() * 1024;
    }
    return 0;
}

// Ended programs that nobody waited for stay as zombies; they count as gone.
bool processRuns(qint64 pid) {
    QFile stat(u"/proc/%1/stat"_s.arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray text = stat.readAll();
    return text.mid(text.lastIndexOf(')') + 2, 1) != "Z";
}

// A shell command line as a tool to start.
ToolCommand shell(const QString& script, const QStringList& arguments = {}) {
    return {u"sh"_s, QStringList{u"-c"_s, script, u"sh"_s} + arguments};
}

} // namespace

class TestOutputPane : public QObject {
    Q_OBJECT

    std::unique_ptr<TestFrame> test_;
    OutputPane* pane_ = nullptr;

    MainFrame& frame() { return test_->frame(); }
    void start(const ToolCommand& command, const QString& compiledSource = QString()) {
        QCOMPARE(StartTool(frame(), command, {.compiledSource = compiledSource}), 0);
        pane_ = frame().findChild<OutputPane*>();
    }
    void waitForPrograms() { QTRY_COMPARE_WITH_TIMEOUT(pane_->runningPrograms(), 0, 20000); }

private slots:
    void init() { QVERIFY((test_ = std::make_unique<TestFrame>())->start()); }
    void cleanup() { test_.reset(); }

    // A program printing without end, and a program it started: memory stays flat while the
    // pane keeps only its limits, and Stop ends both.
    void endlessPrinterStaysBoundedAndStops() {
        QTemporaryDir folder;
        const QString childFile = folder.filePath(u"child"_s);
        start(shell(u"sleep 1000 & echo $! > \"$1\"; exec yes \"$2\""_s,
                    {childFile, QString(99, u'x')}));
        auto* stop = pane_->findChild<QPushButton*>(u"cmdStop"_s);
        QVERIFY(!stop->isHidden());

        QTRY_VERIFY_WITH_TIMEOUT(pane_->droppedLines() > 0, 30000);
        QTest::qWait(500);
        const qint64 before = residentBytes();
        const qint64 droppedBefore = pane_->droppedLines();
        // A hundred megabytes more.
        QTRY_VERIFY_WITH_TIMEOUT(pane_->droppedLines() - droppedBefore > 1000000, 120000);
        const qint64 growth = residentBytes() - before;
        QVERIFY2(growth < 48 * 1024 * 1024, qPrintable(u"grew by %1 bytes"_s.arg(growth)));
        const OutputLimits limits;
        const QTextDocument& shown = *pane_->view().document();
        QVERIFY(shown.characterCount() <= limits.characters && shown.blockCount() <= limits.lines);
        QVERIFY(shown.firstBlock().text().contains(u"earlier lines dropped"_s));

        QFile child(childFile);
        QVERIFY(child.open(QIODevice::ReadOnly));
        const qint64 childId = child.readAll().trimmed().toLongLong();
        QVERIFY(processRuns(childId));
        stop->click();
        waitForPrograms();
        QVERIFY2(pane_->text().endsWith(u"\nStopped\n\n"_s), qPrintable(pane_->text().right(300)));
        QVERIFY(stop->isHidden());
        QTRY_VERIFY(!processRuns(childId));
    }

    // Past its limits the pane drops the oldest lines down to nine tenths, says how many, and
    // keeps the command line of the program whose output stays.
    void historyKeepsTheNewestLines() {
        OutputPane pane(frame(), frame(), {100, 100000, 4000});
        QProcess* seq = StartProgram({u"seq"_s, {u"1"_s, u"1000"_s}, {}}, &pane);
        pane.follow(*seq, u"seq 1 1000"_s);
        QTRY_COMPARE(pane.runningPrograms(), 0);
        const QStringList lines = pane.text().split(u'\n');
        QVERIFY2(lines.size() > 90 && lines.size() <= 101, qPrintable(pane.text()));
        QCOMPARE(lines.first(),
                 u"(%1 earlier lines dropped: the pane keeps the most recent output)"_s.arg(
                     pane.droppedLines()));
        QCOMPARE(lines.at(1), u"seq 1 1000 (continued)"_s);
        QCOMPARE(lines.at(2).toLongLong(), pane.droppedLines()); // the command line went too
        QVERIFY(pane.text().endsWith(u"\n1000\nExit status 0\n\n"_s));
    }

    // Each new program comes into view, even after the user scrolled back, and its end stays
    // in view as it prints.
    void newProgramsComeIntoView() {
        for (int run = 0; run < 3; ++run) {
            start(shell(u"seq 1 60"_s));
            waitForPrograms();
            QPlainTextEdit& view = pane_->view();
            QTextBlock last = view.document()->lastBlock();
            while (!last.text().startsWith(u"Exit status"_s))
                last = last.previous();
            QVERIFY2(view.viewport()->rect().contains(view.cursorRect(QTextCursor(last))),
                     qPrintable(u"run %1"_s.arg(run)));
            view.verticalScrollBar()->setValue(0);
        }
    }

    // Output shown as a terminal shows it, also when a sequence is split between two writes.
    void terminalOutput_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("expected"); // the lines between command line and end line
        QTest::newRow("progress counter")
            << u"printf 'count 1\\rcount 2\\rdone\\n'"_s << u"done\n"_s;
        QTest::newRow("colours") << u"printf '\\033[1;31mred\\033[0m plain\\n'"_s
                                 << u"red plain\n"_s;
        QTest::newRow("CR LF") << u"printf 'a\\r\\nb\\r\\n'"_s << u"a\nb\n"_s;
        QTest::newRow("colour split")
            << u"printf 'x\\033[3'; sleep 0.3; printf '1my\\n'"_s << u"xy\n"_s;
        QTest::newRow("CR LF split")
            << u"printf 'abc\\r'; sleep 0.3; printf '\\nz\\n'"_s << u"abc\nz\n"_s;
    }

    void terminalOutput() {
        QFETCH(QString, script);
        QFETCH(QString, expected);
        start(shell(script));
        waitForPrograms();
        const QStringList lines = pane_->text().split(u'\n');
        QCOMPARE(lines.mid(1).join(u'\n'), expected + u"Exit status 0\n\n"_s);
    }

    // A program that leaves another running behind: Stop stays offered, and ends that one.
    void stopOutlivesTheProgram() {
        QTemporaryDir folder;
        const QString childFile = folder.filePath(u"child"_s);
        start(shell(u"sleep 1000 >/dev/null 2>&1 & echo $! > \"$1\""_s, {childFile}));
        waitForPrograms();
        auto* stop = pane_->findChild<QPushButton*>(u"cmdStop"_s);
        QFile child(childFile);
        QVERIFY(child.open(QIODevice::ReadOnly));
        const qint64 childId = child.readAll().trimmed().toLongLong();
        QVERIFY(processRuns(childId));
        QTest::qWait(700);
        QVERIFY(!stop->isHidden());
        stop->click();
        QTRY_VERIFY(!processRuns(childId));
        QTRY_VERIFY(stop->isHidden());
    }

    void doubleClick_data() {
        QTest::addColumn<bool>("compiler");
        QTest::addColumn<QString>("line");     // %1 stands for the compiled source's folder
        QTest::addColumn<QString>("expected"); // the file shown at line 2, or empty: nothing
        QTest::newRow("compiler, the source") << true << u"%1/A.java:2: error: x"_s << u"A.java"_s;
        QTest::newRow("compiler, elsewhere") << true << u"/etc/hostname:1:"_s << QString();
        QTest::newRow("program, the source") << false << u"%1/A.java:2: x"_s << QString();
    }

    // Only a compiler run's lines about its source's folder lead to a file, at the line named.
    void doubleClick() {
        QFETCH(bool, compiler);
        QFETCH(QString, line);
        QFETCH(QString, expected);
        QTemporaryDir folder;
        const QString source = folder.filePath(u"A.java"_s);
        QFile file(source);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("one\r\ntwo\r\n") == 10);
        file.close();
        start(shell(u"echo \"$1\""_s, {line.arg(folder.path())}), compiler ? source : QString());
        waitForPrograms();
        const DocumentWindow* before = test_->active();

        QPlainTextEdit& view = pane_->view();
        const QTextCursor at(view.document()->findBlockByNumber(1));
        QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, view.cursorRect(at).center());
        if (expected.isEmpty()) {
            QCOMPARE(test_->active(), before);
            QCOMPARE(frame().documentWindows().size(), 1);
        } else {
            QCOMPARE(test_->active()->documentPath(), folder.filePath(expected));
            QCOMPARE(test_->active()->text().selStart(), 5); // line 2
        }
    }
};

QTEST_MAIN(TestOutputPane)
#include "tst_outputpane.moc"
