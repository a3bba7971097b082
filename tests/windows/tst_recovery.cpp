#include "document/documentwindow.h"
#include "document/recoverykeeper.h"
#include "filesession.h"

#include <QDirIterator>
#include <QPlainTextEdit>
#include <QProcess>
#include <QStandardPaths>

using namespace orvane;
using namespace orvane::test;

namespace {

const QByteArray source("class A {}\n");

QStringList copies() {
    QStringList found;
    QDirIterator files(RecoveryKeeper::DefaultFolder(), {QStringLiteral("*.copy")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext())
        found << files.next();
    return found;
}

// The program as a user runs it, in a process of its own: opens `file`, types into it and into
// a new untitled window, waits for both copies and says so, then runs until it is killed.
int runTypingProgram(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QCoreApplication::setApplicationName(QString::fromLocal8Bit(argv[2]));
    QStandardPaths::setTestModeEnabled(true);
    FakeDesktop desktop;
    SettingsStore store;
    MainFrame frame(desktop, store);
    frame.start({QString::fromLocal8Bit(argv[3])});
    QTest::keyClicks(&frame.activeDocument()->editor(), QStringLiteral("typed "));
    QTest::keyClicks(&frame.newDocumentWindow()->editor(), QStringLiteral("untitled text"));
    for (int waited = 0; copies().size() < 2 && waited < 100; ++waited)
        QTest::qWait(50);
    QTextStream(stdout) << (copies().size() == 2 ? "ready" : "no copies") << Qt::endl;
    return QApplication::exec();
}

} // namespace

class TestRecovery : public QObject {
    Q_OBJECT

    // Kills the typing program after its copies are on disk.
    static void typeAndKill(const QString& file) {
        QProcess program;
        program.start(
            QCoreApplication::applicationFilePath(),
            {QStringLiteral("--typing-program"), QCoreApplication::applicationName(), file});
        QVERIFY(program.waitForReadyRead(20000));
        QCOMPARE(program.readAllStandardOutput().trimmed(), QByteArray("ready"));
        program.kill();
        QVERIFY(program.waitForFinished());
        QCOMPARE(program.exitStatus(), QProcess::CrashExit);
    }

private slots:
    void afterAKill_data() {
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<int>("copiesLeft");
        QTest::newRow("Yes: both texts back")
            << MessageAnswer::Yes << QStringList{"A.JAVA", "Untitled"}
            << QStringList{"typed class A {}\r\n", "untitled text"} << 2;
        QTest::newRow("No: the copies go")
            << MessageAnswer::No << QStringList{"Untitled"} << QStringList{""} << 0;
    }

    // Text typed before a kill comes back at the next start, each in its own window, the titled
    // one standing for its file as before; the file is not touched until the user saves.
    void afterAKill() {
        QFETCH(MessageAnswer, answer);
        QFETCH(QStringList, captions);
        QFETCH(QStringList, texts);
        TestFrame test;
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("A.java"));
        writeBytes(file, source);
        typeAndKill(file);
        test.desktop.answerMessage(answer);
        QVERIFY(test.start());

        QCOMPARE(shownTexts(test.desktop),
                 QStringList{"Orvane did not close normally. Restore the unsaved text of 2 "
                             "windows?\r\n\r\n" +
                             file + "\r\nUntitled"});
        QCOMPARE(test.desktop.messages.first().defaultAnswer, MessageAnswer::Yes);
        QStringList shownCaptions;
        QStringList shownTexts;
        for (const DocumentWindow* window : test.frame().documentWindows()) {
            shownCaptions << window->caption();
            shownTexts << window->text().text();
            QCOMPARE(window->isUnchanged(), false);
        }
        QCOMPARE(shownCaptions, captions);
        QCOMPARE(shownTexts, texts);
        if (answer == MessageAnswer::Yes)
            QCOMPARE(test.frame().documentWindows().first()->documentPath(), file);
        QCOMPARE(readBytes(file), source);
        QTEST(int(copies().size()), "copiesLeft");
    }

    // A normal end leaves no copy behind; a second Orvane running meanwhile takes none of the
    // first one's copies.
    void copiesLiveWithTheirRun() {
        TestFrame test;
        QVERIFY(test.start());
        QTest::keyClicks(&test.active()->editor(), QStringLiteral("draft"));
        QTRY_COMPARE_WITH_TIMEOUT(copies().size(), 1, 5000);
        {
            FakeDesktop second;
            MainFrame other(second, test.store);
            other.start();
            QVERIFY(second.messages.isEmpty());
        }
        QCOMPARE(copies().size(), 1);
        test.desktop.answerMessage(MessageAnswer::No);
        QVERIFY(test.frame().close());
        QTRY_VERIFY(copies().isEmpty());
    }
};

int main(int argc, char* argv[]) {
    if (argc == 4 && qstrcmp(argv[1], "--typing-program") == 0)
        return runTypingProgram(argc, argv);
    QApplication application(argc, argv);
    TestRecovery test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_recovery.moc"
