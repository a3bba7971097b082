#include "app/outsidefiles.h"
#include "app/recentfiles.h"

#include <QMimeData>
#include <QTest>
#include <QUrl>

using namespace orvane;

class TestOutsideFiles : public QObject {
    Q_OBJECT

private slots:
    void commandLineNamesFullPaths_data() {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("path");
        const auto row = [](const char* name, const char* argument, const char* path) {
            QTest::newRow(name) << QString::fromLatin1(argument) << QString::fromLatin1(path);
        };
        row("relative", "src/Hello.java", "/home/u/src/Hello.java");
        row("up a folder", "../x.html", "/home/x.html");
        row("absolute", "/tmp/a b.java", "/tmp/a b.java");
        row("file url", "file:///tmp/a%20b.java", "/tmp/a b.java");
        row("a name with a colon", "c:notes.txt", "/home/u/c:notes.txt");
    }

    void commandLineNamesFullPaths() {
        QFETCH(QString, argument);
        QFETCH(QString, path);
        QCOMPARE(CommandLineFiles({argument}, "/home/u"), QStringList{path});
    }

    void dropsOnlyLocalFiles() {
        QMimeData data;
        data.setText("/tmp/not-a-drop.java");
        QVERIFY(DroppedFiles(data).isEmpty());
        data.setUrls({QUrl("https://example.org/a.java"), QUrl::fromLocalFile("/tmp/b.java")});
        QCOMPARE(DroppedFiles(data), QStringList{"/tmp/b.java"});
    }

    // The newest first, each once, eight at most; a path's own "&" is no access key.
    void recentFiles() {
        QStringList files;
        for (const QString& path : QString("/a /b /c /d /e /f /g /h /i").split(u' '))
            files = WithRecentFile(files, path);
        QCOMPARE(files, QString("/i /h /g /f /e /d /c /b").split(u' '));
        QCOMPARE(WithRecentFile(files, "/e"), QString("/e /i /h /g /f /d /c /b").split(u' '));
        QCOMPARE(RecentFileCaption(0, "/R&D/a.java"), "&1 /R&&D/a.java");
        QCOMPARE(RecentFileCaption(7, "/x"), "&8 /x");
    }
};

QTEST_APPLESS_MAIN(TestOutsideFiles)
#include "tst_outsidefiles.moc"
