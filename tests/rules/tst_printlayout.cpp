#include "document/printlayout.h"

#include <QTest>

using namespace orvane;

class TestPrintLayout : public QObject {
    Q_OBJECT

private slots:
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
        row("wrap between words", "aaaa bbbb cccc", 1000, {"0 0 0 aaaa", "0 500 0 bbbb", "0 0 300 cccc"});
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
        row("no width for 0 nor a blank: tabs stay", "a\tb", 5000, {"0 0 0 a", "0 100 0 b"},
            "0 ");
    }

    void laysOutText() {
        QFETCH(QString, text);
        QFETCH(double, width);
        QFETCH(QStringList, placed);
        QFETCH(QString, zeroWide);
        QFETCH(double, height);
        const auto textWidth = [&zeroWide](QStringView part) {
            return part.size() == 1 && zeroWide.contains(part.front()) ? 0.0 : part.size() * 100.0;
        };
        const PrintPages pages = LayOutPrintText(text, {width, height, 300, textWidth});
        QStringList words;
        for (const PrintedWord& word : pages.words)
            words << QString::asprintf("%d %g %g ", word.page, word.x, word.y) + word.text;
        QCOMPARE(words, placed);
    }
};

QTEST_APPLESS_MAIN(TestPrintLayout)
#include "tst_printlayout.moc"
