#include "document/textformat.h"

#include <QTest>

using namespace orvane;

class TestTextFormat : public QObject {
    Q_OBJECT

private slots:
    // Each file is read, written back untouched, then written again with `typed` added at the end.
    void keepsEncodingAndBreaks_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("read");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("edited");
        const QByteArray le("\xFF\xFE"
                            "a\0\r\0\n\0",
                            8);
        QTest::newRow("UTF-16 LE") << le << "a\r\n"
                                   << "\u00E9" << le + QByteArray("\xE9\0\r\0\n\0", 6);
        const QByteArray be("\xFE\xFF\0a\0\n", 6);
        QTest::newRow("UTF-16 BE") << be << "a\r\n"
                                   << "\u20AC" << be + QByteArray("\x20\xAC\0\n", 4);
        QTest::newRow("UTF-16 LE, odd length, read byte by byte") << QByteArray("\xFF\xFE"
                                                                                "a",
                                                                                3)
                                                                  << "\u00FF\u00FEa"
                                                                  << "bc"
                                                                  << QByteArray("\xFF\xFE"
                                                                                "abc",
                                                                                5);
        QTest::newRow("Windows-1252 euro and quotes")
            << QByteArray("\x80 \x93q\x94\r\n") << "\u20AC \u201Cq\u201D\r\n"
            << "\u00E9" << QByteArray("\x80 \x93q\x94\r\n\xE9\r\n");
        QTest::newRow("Windows-1252 unassigned bytes")
            << QByteArray("\x81\x8D\x8F\x90\x9D") << "\u0081\u008D\u008F\u0090\u009D"
            << "!" << QByteArray("\x81\x8D\x8F\x90\x9D!");
        QTest::newRow("UTF-8 cut off at the end") << QByteArray("caf\xE9") << "caf\u00E9"
                                                  << "!" << QByteArray("caf\xE9!");
        QTest::newRow("UTF-8 with a stray byte")
            << QByteArray("na\xC3\xAFve \xFF") << "na\u00C3\u00AFve \u00FF"
            << "" << QByteArray();
        QTest::newRow("UTF-8 byte order mark")
            << QByteArray("\xEF\xBB\xBFx\n") << QStringLiteral("\uFEFFx\r\n") << "y"
            << QByteArray("\xEF\xBB\xBFx\ny\n");
        QTest::newRow("LF") << QByteArray("a\nb\n") << "a\r\nb\r\n"
                            << "c" << QByteArray("a\nb\nc\n");
        QTest::newRow("CR") << QByteArray("a\rb\r") << "a\r\nb\r\n"
                            << "c" << QByteArray("a\rb\rc\r");
        QTest::newRow("CR LF, one LF among them")
            << QByteArray("a\r\nb\r\nc\n") << "a\r\nb\r\nc\r\n"
            << "d" << QByteArray("a\r\nb\r\nc\r\nd\r\n");
        QTest::newRow("mostly LF, one CR LF") << QByteArray("a\r\nb\nc\n") << "a\r\nb\r\nc\r\n"
                                              << "d" << QByteArray("a\nb\nc\nd\n");
        QTest::newRow("mostly CR") << QByteArray("a\rb\rc\n") << "a\r\nb\r\nc\r\n"
                                   << "d" << QByteArray("a\rb\rc\rd\r");
        QTest::newRow("no break yet") << QByteArray("ab") << "ab"
                                      << "\r\nc" << QByteArray("ab\r\nc");
    }

    void keepsEncodingAndBreaks() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, typed);
        QFETCH(QByteArray, edited);
        const DecodedText decoded = DecodeDocumentBytes(bytes);
        QTEST(decoded.text, "read");
        QCOMPARE(EncodeDocumentText(decoded.text, decoded.format), bytes);
        if (!typed.isEmpty())
            QCOMPARE(EncodeDocumentText(decoded.text + typed, decoded.format), edited);
    }
};

QTEST_APPLESS_MAIN(TestTextFormat)
#include "tst_textformat.moc"
