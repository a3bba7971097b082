#include "app/outsidefiles.h"
#include "app/recentfiles.h"
#include "document/editorfont.h"
#include "document/parsepath.h"
#include "document/printlayout.h"
#include "document/textformat.h"
#include "settings/optionsrules.h"

#include <QMimeData>
#include <QTest>
#include <QUrl>

using namespace orvane;

Q_DECLARE_METATYPE(orvane::PathStyle)

// Encodings and line breaks, paths, files from outside, recent files, the editor font and the
// printed page.
class TestFileRules : public QObject {
    Q_OBJECT

private slots:
    // Each file is read, written back untouched, then written again with `typed` added at the end:
    // an edited file ends exactly as its text does.
    void keepsEncodingAndBreaks_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("read");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("edited");
        const auto row = [](const char* name, const QByteArray& bytes, const QString& read,
                            const QString& typed, const QByteArray& edited) {
            QTest::newRow(name) << bytes << read << typed << edited;
        };
        const QByteArray le("\xFF\xFE\x61\0\r\0\n\0", 8);
        row("UTF-16 LE", le, "a\r\n", "\u00E9", le + QByteArray("\xE9\0", 2));
        const QByteArray be("\xFE\xFF\0a\0\n", 6);
        row("UTF-16 BE", be, "a\r\n", "\u20AC\r\n", be + QByteArray("\x20\xAC\0\n", 4));
        row("UTF-16 LE, odd length, read byte by byte", "\xFF\xFE\x61", "\u00FF\u00FEa", "bc",
            "\xFF\xFE\x61\x62\x63");
        const char* const highBytes = "\x80\x81\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8D\x8E"
                                      "\x8F\x90\x91\x92\x93\x94\x95\x96\x97\x98\x99\x9A\x9B\x9C\x9D"
                                      "\x9E\x9F\r\n";
        row("Windows-1252 from 0x80 to 0x9F, the unassigned as themselves", highBytes,
            "\u20AC\u0081\u201A\u0192\u201E\u2026\u2020\u2021\u02C6\u2030\u0160\u2039\u0152\u008D"
            "\u017D\u008F\u0090\u2018\u2019\u201C\u201D\u2022\u2013\u2014\u02DC\u2122\u0161\u203A"
            "\u0153\u009D\u017E\u0178\r\n",
            "\u00E9", QByteArray(highBytes) + "\xE9");
        row("Windows-1252 cut off like UTF-8 at the end", "caf\xE9", "caf\u00E9", "!", "caf\xE9!");
        row("Windows-1252 that holds no UTF-8 character", "na\xEFve \xFF", "na\u00EFve \u00FF", "",
            {});
        row("UTF-8 with a stray byte: the stray as Windows-1252", "caf\xC3\xA9 \xE0\xA4\x85 \xB0",
            "caf\u00E9 \u0905 \u00B0", "!", "caf\xC3\xA9 \xE0\xA4\x85 \xC2\xB0!");
        row("UTF-8 byte order mark kept out of the text", "\xEF\xBB\xBFx\n", "x\r\n", "y",
            "\xEF\xBB\xBFx\ny");
        row("LF", "a\nb\n", "a\r\nb\r\n", "c\r\n", "a\nb\nc\n");
        row("CR LF, one LF among them", "a\r\nb\r\nc\n", "a\r\nb\r\nc\r\n", "d\r\n",
            "a\r\nb\r\nc\r\nd\r\n");
        row("CR LF with a lone CR inside a line", "a\rb\r\nc\r\n", "a\u240Db\r\nc\r\n", "d",
            "a\rb\r\nc\r\nd");
        row("mostly LF, one CR LF", "a\r\nb\nc\n", "a\r\nb\r\nc\r\n", "d", "a\nb\nc\nd");
        row("as many LF as lone CR: LF", "a\nb\r", "a\r\nb\u240D", "c", "a\nb\rc");
        row("CR LF ending in a lone CR", "a\r\nb\r", "a\r\nb\u240D", "c", "a\r\nb\rc");
        row("UTF-8 with a cut 4-byte lead and one past the last",
            "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9 \xF0x \xF5\x80\x80\x80",
            "\u00E9\u00E9\u00E9\u00E9\u00E9 \u00F0x \u00F5\u20AC\u20AC\u20AC", "", {});
        row("mostly CR", "a\rb\rc\n", "a\r\nb\r\nc\r\n", "d", "a\rb\rc\rd");
        row("CR at the very end", "a\rb\r", "a\r\nb\r\n", "c", "a\rb\rc");
        row("no break yet", "ab", "ab", "\r\nc", "ab\r\nc");
    }

    // What the user deleted at the end stays deleted; a new document gets its one line break.
    void writesTheLastLineAsLeft() {
        const DecodedText decoded = DecodeDocumentBytes("a\r\nb\r\n");
        QCOMPARE(EncodeDocumentText(QStringLiteral("a\r\nb"), decoded.format), "a\r\nb");
        QCOMPARE(EncodeDocumentText(QStringLiteral("new"), TextFormat()), "new\r\n");
    }

    void keepsEncodingAndBreaks() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, typed);
        const DecodedText decoded = DecodeDocumentBytes(bytes);
        QTEST(decoded.text, "read");
        QCOMPARE(EncodeDocumentText(decoded.text, decoded.format), bytes);
        if (!typed.isEmpty())
            QTEST(EncodeDocumentText(decoded.text + typed, decoded.format), "edited");
    }

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
        QTEST(ParsePath(path, part, style), "expected");
    }

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
        QTEST(CommandLineFiles({argument}, "/home/u").join(u'|'), "path");
    }

    void dropsOnlyLocalFiles() {
        QMimeData data;
        data.setText("/tmp/not-a-drop.java");
        QVERIFY(DroppedFiles(data).isEmpty());
        data.setUrls({QUrl("https://example.org/a.java"), QUrl::fromLocalFile("/tmp/b.java")});
        QCOMPARE(DroppedFiles(data), QStringList{"/tmp/b.java"});
    }

    // Qt takes point sizes from 1 to 1638; a size typed is read as its leading number.
    void fontSizes() {
        QVERIFY(IsUsableFontSize(" 1 ") && IsUsableFontSize("1638"));
        QVERIFY(!IsUsableFontSize("0.9") && !IsUsableFontSize("1639") && !IsUsableFontSize("x"));
        QCOMPARE(NumericValueText(" 12.5pt"), "12.5");
        QCOMPARE(NumericValueText("1.2345678901234567"), "1.23456789012346");
        QCOMPARE(NumericValueText("pt"), "0");
        // The stored list position wins over the stored text; -1 means the text was typed.
        const auto stored = [](const QString& index) {
            return [index](SettingKey key) {
                return key == SettingKey::FontSizeIndex  ? index
                       : key == SettingKey::FontNameSize ? QStringLiteral("13")
                                                         : QString();
            };
        };
        QCOMPARE(LoadOptions(stored("0")).sizeText, "8");
        QCOMPARE(LoadOptions(stored("-1")).sizeText, "13");
    }

    // The newest first, each once, eight at most; a path's own "&" is no access key.
    void recentFiles() {
        QStringList files;
        for (const QString& path : QString("/a /b /c /d /e /f /g /h /i").split(u' '))
            files = WithRecentFile(files, path);
        QCOMPARE(files, QString("/i /h /g /f /e /d /c /b").split(u' '));
        QCOMPARE(WithRecentFile(files, "/e"), QString("/e /i /h /g /f /d /c /b").split(u' '));
        QCOMPARE(NumberedItemCaption(0, "/R&D/a.java"), "&1 /R&&D/a.java");
        QCOMPARE(NumberedItemCaption(7, "/x"), "&8 /x");
    }

    // Every character 100 twips wide (but those in `zeroWide`) and lines 300 high, so tab stops
    // lie at 750 + 1000 k. Each placed word reads "page x y text".
    void laysOutText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("width");
        QTest::addColumn<QStringList>("placed");
        QTest::addColumn<QString>("zeroWide");
        QTest::addColumn<double>("height");
        const auto row = [](const char* name, const char* text, double width,
                            const QStringList& placed, const char* zeroWide = "",
                            double height = 1000) {
            QTest::newRow(name) << text << width << placed << zeroWide << height;
        };
        row("wrap between words", "aaaa bbbb cccc", 1000,
            {"0 0 0 aaaa", "0 500 0 bbbb", "0 0 300 cccc"});
        row("long word broken at the edge", "abcdefghijklmno", 1000,
            {"0 0 0 abcdefghij", "0 0 300 klmno"});
        row("long word after others starts a line", "ab abcdefghijklmnopq", 1000,
            {"0 0 0 ab", "0 0 300 abcdefghij", "0 0 600 klmnopq"});
        row("LF, CR LF, lone CR", "a\nb\r\nc\rd", 1000,
            {"0 0 0 a", "0 0 300 b", "0 0 600 c", "0 100 600 d"});
        row("tabs from x = 0 and mid-line", "\ta\tb", 5000, {"0 1750 0 a", "0 2750 0 b"});
        // The fourth line would end at 1200 on a page 1000 high, so it starts the next page.
        row("page break before a line that does not fit", "a\nb\nc\nd\ne", 1000,
            {"0 0 0 a", "0 0 300 b", "0 0 600 c", "1 0 0 d", "1 0 300 e"});
        row("a line that ends at the page's foot stays", "a\nb\nc\nd", 1000,
            {"0 0 0 a", "0 0 300 b", "0 0 600 c", "1 0 0 d"}, "", 900);
        row("no width for 0: tab stops in blanks", "\ta\tb", 5000, {"0 1750 0 a", "0 2750 0 b"},
            "0");
        QTest::newRow("a long word ending in a lone high surrogate")
            << QString(u"abcdefghijklmnopqrst" + QChar(0xD800)) << 1000.0
            << QStringList{"0 0 0 abcdefghij", "0 0 300 klmnopqrst", u"0 0 600 " + QChar(0xD800)}
            << QString() << 1000.0;
        row("a character wider than the page", "ab", 50, {"0 0 0 a", "0 0 300 b"});
        row("a word one twip too wide", "abcdefghijk", 999, {"0 0 0 abcdefghi", "0 0 300 jk"});
        row("no width for 0 nor a blank: tabs stay", "a\tb", 5000, {"0 0 0 a", "0 100 0 b"}, "0 ");
    }

    void laysOutText() {
        QFETCH(QString, text);
        QFETCH(double, width);
        QFETCH(QString, zeroWide);
        QFETCH(double, height);
        const auto textWidth = [&zeroWide](QStringView part) {
            return part.size() == 1 && zeroWide.contains(part.front()) ? 0.0 : part.size() * 100.0;
        };
        const PrintPages pages = LayOutPrintText(text, {width, height, 300, textWidth});
        QStringList words;
        for (const PrintedWord& word : pages.words)
            words << QString::asprintf("%d %g %g ", word.page, word.x, word.y) + word.text;
        QTEST(words, "placed");
    }
};

QTEST_APPLESS_MAIN(TestFileRules)
#include "tst_filerules.moc"
