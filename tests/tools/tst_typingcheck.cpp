#include "about/versiontext.h"
#include "document/codeeditor.h"
#include "document/documentfile.h"
#include "document/documentwindow.h"
#include "document/filecommands.h"
#include "templates/javatemplates.h"
#include "testframe.h"
#include "toolchain/checkerprotocol.h"
#include "toolchain/diagnosticmarkers.h"
#include "toolchain/errornavigation.h"
#include "toolchain/outputpane.h"
#include "toolchain/toolchaincommands.h"
#include "toolchain/typingcheck.h"
#include "toolchain/typingchecker.h"

#include <QFile>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTextBlock>

#include <csignal>

using namespace orvane;
using namespace Qt::StringLiterals;

namespace {

const ProjectValues values{u"MyApplet"_s, u"Jane Doe"_s, u"A first line\r\nand a second."_s,
                           u"2001"_s};

const QString executionMarker = u"// Execution code goes here"_s;

// The first check starts a JVM: a loaded machine may take its time.
constexpr int coldStartMs = 60000;

// "line:column kind message" for each diagnostic.
QStringList Described(const QList<CompilerDiagnostic>& diagnostics) {
    QStringList lines;
    for (const CompilerDiagnostic& d : diagnostics)
        lines.append(u"%1:%2 %3 %4"_s.arg(d.line)
                         .arg(d.column)
                         .arg(d.kind == DiagnosticKind::Error ? u"error"_s : u"other"_s)
                         .arg(d.message.section(u'\n', 0, 0)));
    return lines;
}

bool ProcessRuns(qint64 id) {
    return id > 0 && ::kill(static_cast<pid_t>(id), 0) == 0;
}

} // namespace

class TestTypingCheck : public QObject {
    Q_OBJECT

    QString java_;
    QString build_;
    QTemporaryDir folder_;

    // The diagnostics the checker answers for `text` as `name` of the test's folder.
    QStringList check(const QString& name, const QString& text) const {
        test::FakeDesktop desktop;
        QObject owner;
        auto* checker = new TypingChecker(desktop, CheckerCommand(java_, build_, {}), &owner);
        QSignalSpy answers(checker, &TypingChecker::answered);
        checker->check(1, folder_.filePath(name), folder_.path(), text);
        if (!answers.wait(coldStartMs))
            return {u"no answer"_s};
        return Described(answers.first().at(1).value<QList<CompilerDiagnostic>>());
    }

    // A frame whose program folder holds the checker, with the generated applet open in it.
    std::unique_ptr<test::TestFrame> appletFrame() {
        auto test = std::make_unique<test::TestFrame>();
        if (!QFile::copy(build_ + u"/"_s + checkerFileName,
                         test->desktop.programFolderPath + u"/"_s + checkerFileName))
            qFatal("cannot copy the checker");
        // Without a window manager the frame is active only once it takes the focus itself.
        if (!test->start()) {
            test->frame().activateWindow();
            if (!QTest::qWaitForWindowActive(&test->frame()))
                qFatal("the frame did not become active");
        }
        const QString path = folder_.filePath(u"MyApplet.java"_s);
        if (WriteDocumentFile(path, WriteStandardApplet(values, ProgramVersionText()), {}))
            qFatal("cannot write the applet");
        OpenDocumentFile(test->frame(), path);
        return test;
    }

    static CodeEditor& editorOf(test::TestFrame& test) {
        return *qobject_cast<CodeEditor*>(&test.active()->editor());
    }

    // Types at the end of the line that holds `text`.
    static void typeAfter(test::TestFrame& test, const QString& text, const QString& keys) {
        CodeEditor& editor = editorOf(test);
        QTextCursor caret(editor.document()->find(text).block());
        caret.movePosition(QTextCursor::EndOfBlock);
        editor.setTextCursor(caret);
        editor.setFocus();
        const QStringList lines = keys.split(u'\n');
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0)
                QTest::keyClick(&editor, Qt::Key_Return);
            QTest::keyClicks(&editor, lines.at(i));
        }
    }

    static int errorMarkers(const CodeEditor& editor) {
        const DiagnosticMarkers* markers = DiagnosticMarkers::Find(editor);
        return markers ? static_cast<int>(markers->positions().size()) : -1;
    }

private slots:
    void initTestCase() {
        java_ = QStandardPaths::findExecutable(u"java"_s);
        QVERIFY2(!java_.isEmpty() && !QStandardPaths::findExecutable(u"javac"_s).isEmpty(),
                 "java and javac must be on the search path (scripts/dependencies.sh)");
        build_ = qEnvironmentVariable("ORVANE_BUILD_DIR");
        QVERIFY2(QFileInfo::exists(build_ + u"/"_s + checkerFileName), qPrintable(build_));
        const QByteArray helper =
            "public class Helper { static int twice(int n) { return 2 * n; } }"_ba;
        QCOMPARE(WriteDocumentFile(folder_.filePath(u"Helper.java"_s), helper), 0);
    }

    void checkerAnswers_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("missing semicolon, after a tab")
            << u"Semi.java"_s << u"public class Semi {\n\tint x = 1\n}\n"_s
            << QStringList{u"2:11 error ';' expected"_s};
        QTest::newRow("correct application template")
            << u"MyApplet.java"_s << WriteFrameApplication(values, ProgramVersionText())
            << QStringList{};
        QTest::newRow("the folder's other class through the source path")
            << u"Uses.java"_s << u"public class Uses {\n    int four = Helper.twice(2);\n}\n"_s
            << QStringList{};
        QTest::newRow("a class that is nowhere")
            << u"Uses.java"_s << u"public class Uses {\n    int four = Nowhere.twice(2);\n}\n"_s
            << QStringList{u"2:16 error cannot find symbol"_s};
    }

    // Nothing is written, neither class files nor anything else, into the source's folder.
    void checkerAnswers() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QTEST(check(name, text), "expected");
        QCOMPARE(QDir(folder_.path()).entryList(QDir::Files), QStringList{u"Helper.java"_s});
    }

    // Requests that come while one is checked wait, and only the newest of them is checked.
    // Idle, the checker ends by itself; the next request starts it again.
    void newerRequestSupersedesAndIdleCheckerEnds() {
        test::FakeDesktop desktop;
        QObject owner;
        auto* checker = new TypingChecker(desktop, CheckerCommand(java_, build_, {}), &owner);
        checker->setIdleLimit(200);
        QSignalSpy answers(checker, &TypingChecker::answered);
        const QString path = folder_.filePath(u"Semi.java"_s);
        checker->check(1, path, folder_.path(), u"class Semi { int a = 1 }"_s);
        checker->check(2, path, folder_.path(), u"class Semi { int b = 2 }"_s);
        checker->check(3, path, folder_.path(), u"class Semi { int c = 3; }"_s);
        QTRY_VERIFY_WITH_TIMEOUT(!answers.isEmpty() && answers.last().at(0).toLongLong() == 3,
                                 coldStartMs);
        QVERIFY(answers.size() < 3);
        QVERIFY(answers.last().at(1).value<QList<CompilerDiagnostic>>().isEmpty());
        const qint64 first = checker->processId();
        QTRY_VERIFY_WITH_TIMEOUT(!ProcessRuns(first), 10000);
        checker->check(4, path, folder_.path(), u"class Semi {}"_s);
        QTRY_VERIFY_WITH_TIMEOUT(answers.last().at(0).toLongLong() == 4, coldStartMs);
        QCOMPARE(desktop.programCalls.size(), 2);
    }

    // Typing an error into a generated applet marks it, fixing it takes the marker away, each
    // within 2 s of the last key once the checker is warm; the checker ends with Orvane.
    void typingMarksErrors() {
        std::unique_ptr<test::TestFrame> test = appletFrame();
        CodeEditor& editor = editorOf(*test);
        QCOMPARE(errorMarkers(editor), -1); // opening starts no checker
        typeAfter(*test, executionMarker, u" "_s);
        QTRY_VERIFY_WITH_TIMEOUT(errorMarkers(editor) >= 0, coldStartMs);
        const int warnings = errorMarkers(editor);

        typeAfter(*test, executionMarker, u"\nint n = 1"_s);
        QTRY_VERIFY_WITH_TIMEOUT(errorMarkers(editor) == warnings + 1, 2000);
        typeAfter(*test, u"int n = 1"_s, u";"_s);
        QTRY_VERIFY_WITH_TIMEOUT(errorMarkers(editor) == warnings, 2000);

        const qint64 checker = test->frame().findChild<TypingCheck*>()->checker()->processId();
        QVERIFY(ProcessRuns(checker));
        test.reset();
        QTRY_VERIFY_WITH_TIMEOUT(!ProcessRuns(checker), 5000);
    }

    // A new user's road: F4 on the applet with an error, then F8 lands on the error's line.
    void nextErrorAfterCompile() {
        std::unique_ptr<test::TestFrame> test = appletFrame();
        DocumentWindow& window = *test->active();
        // Enter keeps the marker line's indentation.
        typeAfter(*test, executionMarker, u"\nundefinedCall();"_s);
        SaveDocument(test->frame(), window);
        CompileDocument(test->frame());
        QTRY_VERIFY_WITH_TIMEOUT(test->frame().findChild<OutputPane*>()->runningPrograms() == 0,
                                 coldStartMs);
        window.editor().moveCursor(QTextCursor::Start);
        for (int i = 0; i < 3; ++i) {
            GoToNextError(test->frame());
            if (window.editor().textCursor().block().text().contains(u"undefinedCall"_s))
                break;
        }
        QCOMPARE(window.editor().textCursor().block().text().trimmed(), u"undefinedCall();"_s);
        QCOMPARE(
            test->frame().statusBar1().currentMessage(),
            u"Error: cannot find symbol; symbol:   method undefinedCall(); location: class MyApplet"_s);
    }
};

QTEST_MAIN(TestTypingCheck)
#include "tst_typingcheck.moc"
