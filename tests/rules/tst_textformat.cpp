#include "document/textformat.h"

#include <QTest>

using namespace orvane;

class TestTextFormat : public QObject {
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
        row("Windows-1252 euro, quotes, last high byte", "\x80 \x93q\x94\x9F\r\n",
            "\u20AC \u201Cq\u201D\u0178\r\n", "\u00E9", "\x80 \x93q\x94\x9F\r\n\xE9");
        row("Windows-1252 unassigned bytes", "\x81\x8D\x8F\x90\x9D",
            "\u0081\u008D\u008F\u0090\u009D", "!", "\x81\x8D\x8F\x90\x9D!");
        row("Windows-1252 cut off like UTF-8 at the end", "caf\xE9", "caf\u00E9", "!", "caf\xE9!");
        row("Windows-1252 that holds no UTF-8 character", "na\xEFve \xFF", "na\u00EFve \u00FF", "",
            {});
        row("UTF-8 with a stray byte: the stray as Windows-1252", "caf\xC3\xA9 \xB0",
            "caf\u00E9 \u00B0", "!", "caf\xC3\xA9 \xC2\xB0!");
        row("UTF-8 byte order mark kept out of the text", "\xEF\xBB\xBFx\n", "x\r\n", "y",
            "\xEF\xBB\xBFx\ny");
        row("LF", "a\nb\n", "a\r\nb\r\n", "c\r\n", "a\nb\nc\n");
        row("CR LF, one LF among them", "a\r\nb\r\nc\n", "a\r\nb\r\nc\r\n", "d\r\n",
            "a\r\nb\r\nc\r\nd\r\n");
        row("CR LF with a lone CR inside a line", "a\rb\r\nc\r\n", "a\u240Db\r\nc\r\n", "d",
            "a\rb\r\nc\r\nd");
        row("mostly LF, one CR LF", "a\r\nb\nc\n", "a\r\nb\r\nc\r\n", "d", "a\nb\nc\nd");
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
};

QTEST_APPLESS_MAIN(TestTextFormat)
#include "tst_textformat.moc"
