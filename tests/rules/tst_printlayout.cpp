#include "document/printlayout.h"

#include <QRegularExpression>
#include <QTest>

using namespace orvane;

namespace {

// Every character 100 twips wide, every line 300 twips high, so "0" is 100 and tab stops
// lie at 750 + 1000 k.
constexpr double charWidth = 100;

PrintMetrics fixedMetrics(double width, double height) {
    return {width, height, 300, [](QStringView text) {
                return text.size() * charWidth;
            }};
}

// "page x y text" for each placed word, easy to read in a failure.
QStringList placed(const PrintPages& pages) {
    QStringList out;
    for (const PrintedWord& word : pages.words)
        out << QStringLiteral("%1 %2 %3 %4").arg(word.page).arg(word.x).arg(word.y).arg(word.text);
    return out;
}

} // namespace

class TestPrintLayout : public QObject {
    Q_OBJECT

private slots:
    void laysOutText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("height");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("pages");

        const double tall = 100000;
        QTest::newRow("empty text") << QString() << 1000.0 << tall << QStringList() << 1;
        QTest::newRow("wrap between words")
            << QStringLiteral("aaaa bbbb cccc") << 1000.0 << tall
            << QStringList{"0 0 0 aaaa", "0 500 0 bbbb", "0 0 300 cccc"} << 1;
        QTest::newRow("word ending at the edge") << QStringLiteral("aaaaa bbbb") << 1000.0 << tall
                                                 << QStringList{"0 0 0 aaaaa", "0 600 0 bbbb"} << 1;
        QTest::newRow("long word at line start is broken at the edge")
            << QStringLiteral("abcdefghijklmno") << 1000.0 << tall
            << QStringList{"0 0 0 abcdefghij", "0 0 300 klmno"} << 1;
        QTest::newRow("long word after other words starts a line")
            << QStringLiteral("ab abcdefghijklmnopqrstuvwxy") << 1000.0 << tall
            << QStringList{"0 0 0 ab", "0 0 300 abcdefghij", "0 0 600 klmnopqrst", "0 0 900 uvwxy"}
            << 1;
        QTest::newRow("blanks run past the edge unwrapped")
            << QStringLiteral("aaaa      b") << 500.0 << tall
            << QStringList{"0 0 0 aaaa", "0 0 300 b"} << 1;
        QTest::newRow("LF") << QStringLiteral("a\nb") << 1000.0 << tall
                            << QStringList{"0 0 0 a", "0 0 300 b"} << 1;
        QTest::newRow("CR LF is one break") << QStringLiteral("a\r\nb") << 1000.0 << tall
                                            << QStringList{"0 0 0 a", "0 0 300 b"} << 1;
        QTest::newRow("lone CR is no break")
            << QStringLiteral("a\rb") << 1000.0 << tall << QStringList{"0 0 0 a", "0 100 0 b"} << 1;
        QTest::newRow("two LF leave an empty line") << QStringLiteral("a\n\nb") << 1000.0 << tall
                                                    << QStringList{"0 0 0 a", "0 0 600 b"} << 1;
        QTest::newRow("tab from x = 0")
            << QStringLiteral("\tb") << 5000.0 << tall << QStringList{"0 1750 0 b"} << 1;
        QTest::newRow("tabs mid-line") << QStringLiteral("a\tb\tc") << 5000.0 << tall
                                       << QStringList{"0 0 0 a", "0 1750 0 b", "0 2750 0 c"} << 1;
        QTest::newRow("tab on a stop moves to the next")
            << QStringLiteral("\t\tx") << 5000.0 << tall << QStringList{"0 2750 0 x"} << 1;
        // 27 characters put x half way between columns 19 and 20: the half rounds up to the
        // stop at column 20, so the tab goes on to column 30.
        QTest::newRow("tab halfway rounds to the stop")
            << QStringLiteral("aaaaaaaaaaaaaaaaaaaaaaaaaaa\tb") << 5000.0 << tall
            << QStringList{"0 0 0 aaaaaaaaaaaaaaaaaaaaaaaaaaa", "0 3750 0 b"} << 1;
        QTest::newRow("tab then wrap") << QStringLiteral("aaaaaaaaa\tbb") << 1000.0 << tall
                                       << QStringList{"0 0 0 aaaaaaaaa", "0 0 300 bb"} << 1;
        // Lines 300 high on a page 1000 high: the fourth line would end at 1200, so it starts
        // the next page instead of being cut at the bottom.
        QTest::newRow("page break before a line that does not fit")
            << QStringLiteral("a\nb\nc\nd\ne") << 1000.0 << 1000.0
            << QStringList{"0 0 0 a", "0 0 300 b", "0 0 600 c", "1 0 0 d", "1 0 300 e"} << 2;
        QTest::newRow("wrapping starts a page too")
            << QStringLiteral("aaaa bbbb cccc dddd") << 500.0 << 700.0
            << QStringList{"0 0 0 aaaa", "0 0 300 bbbb", "1 0 0 cccc", "1 0 300 dddd"} << 2;
    }

    void laysOutText() {
        QFETCH(QString, text);
        QFETCH(double, width);
        QFETCH(double, height);
        QFETCH(QStringList, expected);
        QFETCH(int, pages);
        const PrintPages layout = LayOutPrintText(text, fixedMetrics(width, height));
        QCOMPARE(placed(layout), expected);
        QCOMPARE(layout.pageCount, pages);
    }

    // The layout loses no character, however long the text and its words.
    void keepsEveryCharacter() {
        QString text;
        for (int line = 0; line < 300; ++line)
            text += QStringLiteral("line %1\t%2 {x = y;}\r\n")
                        .arg(line)
                        .arg(QString(line % 7 + 1, QChar(u'a' + line % 26)).repeated(line % 5 + 1));
        text += QString(2500, u'z');
        QString printed;
        for (const PrintedWord& word : LayOutPrintText(text, fixedMetrics(3000, 8000)).words)
            printed += word.text;
        QString visible = text;
        visible.remove(QRegularExpression(QStringLiteral("\\s")));
        QCOMPARE(printed, visible);
    }
};

QTEST_APPLESS_MAIN(TestPrintLayout)
#include "tst_printlayout.moc"
