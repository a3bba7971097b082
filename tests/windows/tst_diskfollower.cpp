#include "document/documentwindow.h"
#include "filesession.h"

#include <QDir>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStatusBar>
#include <QTextBlock>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace orvane;
using namespace orvane::test;

namespace {

using DiskChange = std::function<void(const QString& path, FileSession&)>;

void replaceByRename(const QString& path) {
    writeBytes(path + ".new", "renamed");
    QVERIFY(::rename(qPrintable(path + ".new"), qPrintable(path)) == 0);
}

} // namespace

// Files changed on disk while Orvane shows them: each state of a file is brought up once, nothing
// but an ordinary file is ever opened, and no window's text is lost on the way.
class TestDiskFollower : public QObject {
    Q_OBJECT

    static void check(FileSession& session, DocumentWindow& window) {
        DocumentWindow* other = session.frame().newDocumentWindow();
        settle();
        session.frame().activateDocument(window);
        settle();
        delete other->parentWidget();
        settle();
    }

private slots:
    void eachDiskStateOnce_data() {
        QTest::addColumn<bool>("edited");
        QTest::addColumn<DiskChange>("change");
        QTest::addColumn<QList<MessageAnswer>>("answers");
        QTest::addColumn<QString>("text");    // the window's afterwards
        QTest::addColumn<QString>("message"); // the one box, %1 the path; empty: none
        QTest::addColumn<bool>("changed");    // the window counts as changed afterwards
        using enum MessageAnswer;
        const QString reload = QStringLiteral("The file [%1] has been changed by another "
                                              "program. Reload it and lose your changes in "
                                              "Orvane?");
        const QString kept = QStringLiteral(" Orvane keeps the text of its window.");
        const auto replaceBy = [](bool (*make)(const QString&)) {
            return DiskChange([make](const QString& path, FileSession&) {
                QVERIFY(QFile::remove(path) && make(path));
            });
        };
        const auto rewrite = [](const QByteArray& bytes) {
            return DiskChange(
                [bytes](const QString& path, FileSession&) { writeBytes(path, bytes); });
        };
        const auto row = [](const char* name, bool edited, const DiskChange& change,
                            QList<MessageAnswer> answers, const char* text, const QString& message,
                            bool changed) {
            QTest::newRow(name) << edited << change << answers << QString::fromUtf8(text) << message
                                << changed;
        };
        row("unchanged, rewritten: read again quietly", false, rewrite("new"), {}, "new", "",
            false);
        row("edited, rewritten, Yes", true, rewrite("new"), {Yes}, "new", reload, false);
        row("edited, rewritten, No", true, rewrite("new"), {No}, "mine old", reload, true);
        row(
            "edited, changed twice quickly: asked once", true,
            [](const QString& path, FileSession&) {
                writeBytes(path, "one");
                writeBytes(path, "twice");
            },
            {No}, "mine old", reload, true);
        row(
            "unchanged, replaced by rename", false,
            [](const QString& path, FileSession&) { replaceByRename(path); }, {}, "renamed", "",
            false);
        row(
            "unchanged, saved from another Orvane window: asked", false,
            [](const QString& path, FileSession& session) {
                DocumentWindow* other = session.open(path);
                other->text().setText(QStringLiteral("theirs"));
                QVERIFY(SaveDocument(session.frame(), *other));
                delete other->parentWidget();
            },
            {Yes}, "theirs", reload, false);
        row("edited, grown past the limit", true, rewrite(QByteArray(70000, 'x')), {Ok}, "mine old",
            QStringLiteral("The file [%1] is too large to open."), true);
        row("unchanged, replaced by a folder", false,
            replaceBy([](const QString& path) { return QDir().mkdir(path); }), {Ok}, "old",
            "The file [%1] has been replaced by a folder." + kept, true);
        row("edited, replaced by a pipe", true,
            replaceBy([](const QString& path) { return ::mkfifo(qPrintable(path), 0600) == 0; }),
            {Ok}, "mine old",
            "The file [%1] has been replaced by a device, a pipe or a socket." + kept, true);
        row(
            "unchanged, deleted: no box, saved again on closing", false,
            [](const QString& path, FileSession&) { QVERIFY(QFile::remove(path)); }, {}, "old", "",
            true);
        row(
            "edited, made unreadable", true,
            [](const QString& path, FileSession&) { QVERIFY(QFile::setPermissions(path, {})); },
            {Ok}, "mine old", "The file [%1] can no longer be read." + kept, true);
    }

    void eachDiskStateOnce() {
        QFETCH(bool, edited);
        QFETCH(DiskChange, change);
        QFETCH(QList<MessageAnswer>, answers);
        QFETCH(QString, message);
        QFETCH(bool, changed);
        if (QByteArray(QTest::currentDataTag()).contains("unreadable") && geteuid() == 0)
            QSKIP("the superuser reads every file");
        FileSession session;
        const QString path = session.path(QStringLiteral("a.java"));
        writeBytes(path, "old");
        DocumentWindow* window = session.open(path);
        if (edited) {
            window->text().setSelStart(0);
            window->text().replaceSelection(QStringLiteral("mine "));
        }
        session.desktop.messageAnswers.append(answers);
        QElapsedTimer clock;
        clock.start();
        change(path, session);
        check(session, *window);
        check(session, *window);
        QVERIFY2(clock.elapsed() < 1000, "the check must not wait on the file");
        QTEST(window->text().text(), "text");
        QCOMPARE(shownTexts(session.desktop),
                 message.isEmpty() ? QStringList() : QStringList{message.arg(path)});
        QCOMPARE(!window->isUnchanged(), changed);
        if (message.startsWith(QStringLiteral("The file [%1] has been changed")))
            QCOMPARE(session.desktop.messages.first().defaultAnswer, MessageAnswer::No);
    }

    // Read again quietly: the caret keeps its line and column, the view its first line, and one
    // Undo gives back the text as it was.
    void quietReloadKeepsThePlace() {
        FileSession session;
        const QString path = session.path(QStringLiteral("long.java"));
        QByteArray lines;
        for (int i = 0; i < 300; ++i)
            lines += "line " + QByteArray::number(i) + "\n";
        writeBytes(path, lines);
        DocumentWindow* window = session.open(path);
        QPlainTextEdit& editor = window->editor();
        editor.resize(400, 200);
        QTextCursor caret(editor.document()->findBlockByNumber(150));
        caret.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, 6);
        editor.setTextCursor(caret);
        editor.verticalScrollBar()->setValue(140);
        const QString before = window->text().text();
        writeBytes(path, "first\n" + lines.sliced(7));
        check(session, *window);
        QVERIFY(window->text().text().startsWith(QStringLiteral("first\r\nline 1\r\n")));
        QCOMPARE(editor.textCursor().blockNumber(), 150);
        QCOMPARE(editor.textCursor().positionInBlock(), 6);
        QCOMPARE(editor.verticalScrollBar()->value(), 140);
        QCOMPARE(session.frame().statusBar1().currentMessage(),
                 "Reloaded " + path + ": another program changed it.");
        editor.undo();
        QCOMPARE(window->text().text(), before);
        QVERIFY(session.desktop.messages.isEmpty());
    }
};

QTEST_MAIN(TestDiskFollower)
#include "tst_diskfollower.moc"
