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
        const auto add = [](PathStyle style, const QString& path, int part, const QString& want) {
            QTest::addRow("%d %s %d", int(style), qPrintable(path), part)
                << style << path << part << want;
        };
        using enum PathStyle;
        // The worked example; without a drive and with "/" it is the same on the other style.
        const int parts[] = {1, 2, -2, 3, -3, 4, 5, -5, 6, 7, 0, -1, -4, -6, -7, 8};
        const char* results[] = {
            "C:",   "\\dir\\sub\\", "\\dir\\sub", "C:\\dir\\sub\\", "C:\\dir\\sub",
            "file", ".txt",         "txt",        "file.txt",       "C:\\dir\\sub\\file"};
        for (int i = 0; i < 16; ++i) {
            const QString expected = i < 10 ? results[i] : "";
            add(Windows, "C:\\dir\\sub\\file.txt", parts[i], expected);
            add(Posix, "/dir/sub/file.txt", parts[i],
                QString(expected).remove("C:").replace(u'\\', u'/'));
        }
        const std::tuple<const char*, int, const char*> bothStyles[] = {
            {"file.txt", 6, "file.txt"}, {"file.txt", 2, ""}, {".profile", 4, ".profile"},
            {".profile", 5, ""},         {"a.b.c", 4, "a.b"}, {"a.b.c", 5, ".c"}};
        for (const auto& [path, part, expected] : bothStyles) {
            add(Windows, path, part, expected);
            add(Posix, path, part, expected);
        }
        add(Windows, "C:\\", 2, "\\");
        add(Windows, "C:\\", 6, "");
        add(Windows, "C:\\dir\\", -2, "\\dir");
        add(Windows, "C:readme.txt", 6, "readme.txt");
        add(Windows, "C:\\dir.d\\name", 5, "");
        add(Posix, "/", 2, "/");
        add(Posix, "C:readme.txt", 6, "C:readme.txt");
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
