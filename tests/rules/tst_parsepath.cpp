#include "document/parsepath.h"

#include <QTest>

using namespace orvane;

Q_DECLARE_METATYPE(orvane::PathStyle)

class TestParsePath : public QObject {
    Q_OBJECT

private slots:
    void splitsPath_data() {
        QTest::addColumn<PathStyle>("style");
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("part");
        QTest::addColumn<QString>("expected");

        const auto add = [](PathStyle style, const char* path, int part, const char* expected) {
            const char* prefix = style == PathStyle::Windows ? "win" : "posix";
            QTest::addRow("%s %s %d", prefix, path, part)
                << style << QString::fromUtf8(path) << part << QString::fromUtf8(expected);
        };
        constexpr PathStyle win = PathStyle::Windows;
        constexpr PathStyle posix = PathStyle::Posix;

        // The worked example, every part.
        const char* example = "C:\\dir\\sub\\file.txt";
        const std::pair<int, const char*> exampleParts[] = {
            {1, "C:"},
            {2, "\\dir\\sub\\"},
            {-2, "\\dir\\sub"},
            {3, "C:\\dir\\sub\\"},
            {-3, "C:\\dir\\sub"},
            {4, "file"},
            {5, ".txt"},
            {-5, "txt"},
            {6, "file.txt"},
            {7, "C:\\dir\\sub\\file"},
            {0, ""},
            {-1, ""},
            {-4, ""},
            {-6, ""},
            {-7, ""},
            {8, ""},
        };
        for (const auto& [part, expected] : exampleParts)
            add(win, example, part, expected);

        // The same path on a system with "/" and no drive.
        const char* posixExample = "/dir/sub/file.txt";
        const std::pair<int, const char*> posixParts[] = {
            {1, ""},          {2, "/dir/sub/"},     {-2, "/dir/sub"}, {3, "/dir/sub/"},
            {-3, "/dir/sub"}, {4, "file"},          {5, ".txt"},      {-5, "txt"},
            {6, "file.txt"},  {7, "/dir/sub/file"}, {0, ""},          {8, ""},
        };
        for (const auto& [part, expected] : posixParts)
            add(posix, posixExample, part, expected);

        // Folder paths, names without folders, drives without separators, dots.
        add(win, "C:\\", 2, "\\");
        add(win, "C:\\", -2, "\\");
        add(win, "C:\\", 6, "");
        add(win, "C:\\dir\\", 2, "\\dir\\");
        add(win, "C:\\dir\\", -2, "\\dir");
        add(win, "C:\\dir\\", 7, "C:\\dir\\");
        add(win, "file.txt", 6, "file.txt");
        add(win, "file.txt", 2, "");
        add(win, "C:readme.txt", 6, "readme.txt");
        add(win, "C:readme.txt", 3, "C:");
        add(win, ".profile", 4, ".profile");
        add(win, ".profile", 5, "");
        add(win, "a.b.c", 4, "a.b");
        add(win, "a.b.c", 5, ".c");
        add(win, "a.b.c", -5, "c");
        add(win, "C:\\dir.d\\name", 5, "");
        add(win, "C:\\dir\\name.", 5, ".");
        add(win, "C:\\dir\\name.", 4, "name");
        add(win, "C:\\dir\\FILE.JAVA", 6, "FILE.JAVA");
        add(win, "", 6, "");
        add(win, "\\", 2, "\\");
        add(win, "/dir/file.txt", 6, "/dir/file.txt");
        add(posix, "/", 2, "/");
        add(posix, "/", 6, "");
        add(posix, "/home/me/", -2, "/home/me");
        add(posix, "/home/me/Hello.java", 6, "Hello.java");
        add(posix, "/home/me/Hello.java", -3, "/home/me");
        add(posix, "/home/me/.bashrc", 4, ".bashrc");
        add(posix, "/home/me/.bashrc", 5, "");
        add(posix, "C:readme.txt", 1, "");
        add(posix, "C:readme.txt", 6, "C:readme.txt");
        add(posix, "untitled", 6, "untitled");
        add(posix, "untitled", 5, "");
        add(posix, "a.b.c", 4, "a.b");
        add(posix, "C:\\dir\\file.txt", 6, "C:\\dir\\file.txt");
    }

    void splitsPath() {
        QFETCH(PathStyle, style);
        QFETCH(QString, path);
        QFETCH(int, part);
        QFETCH(QString, expected);
        QCOMPARE(ParsePath(path, part, style), expected);
    }
};

QTEST_APPLESS_MAIN(TestParsePath)
#include "tst_parsepath.moc"
