#include "document/textformat.h"

#include <QTest>

using namespace orvane;

namespace {

QByteArray bytes(const char* text, qsizetype size = -1) {
    return size < 0 ? QByteArray(text) : QByteArray(text, size);
}

// The format as the encoder sees it once the text was edited: no copy of the file to fall back on.
TextFormat edited(TextFormat format) {
    format.openedText = QString();
    format.openedBytes = QByteArray();
    return format;
}

} // namespace

class TestTextFormat : public QObject {
    Q_OBJECT

private slots:
    void readsAndWritesBack_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("latin1");
        QTest::addColumn<bool>("lf");

        QTest::newRow("CR LF") << bytes("class A {\r\n}\r\n")
                               << QStringLiteral("class A {\r\n}\r\n") << false << false;
        QTest::newRow("LF") << bytes("class A {\n}\n") << QStringLiteral("class A {\r\n}\r\n")
                            << false << true;
        QTest::newRow("no final break")
            << bytes("a\r\nb") << QStringLiteral("a\r\nb") << false << false;
        QTest::newRow("LF, no final break")
            << bytes("a\nb") << QStringLiteral("a\r\nb") << false << true;
        QTest::newRow("UTF-8") << bytes("Gr\xC3\xBC\xC3\x9F"
                                        "e\xC2\xA0x\r\n")
                               << QStringLiteral("Grüße\u00A0x\r\n") << false << false;
        QTest::newRow("byte order mark")
            << bytes("\xEF\xBB\xBFok\n") << QStringLiteral("\uFEFFok\r\n") << false << true;
        QTest::newRow("Latin-1") << bytes("caf\xE9\xA0\xFF\r\n")
                                 << QStringLiteral("café\u00A0ÿ\r\n") << true << false;
        QTest::newRow("NUL bytes")
            << bytes("a\0b\r\n", 5) << QString::fromUtf16(u"a\0b\r\n", 5) << false << false;
        QTest::newRow("blank lines")
            << bytes("\n\n") << QStringLiteral("\r\n\r\n") << false << true;
    }

    void readsAndWritesBack() {
        QFETCH(QByteArray, file);
        QFETCH(QString, text);
        QFETCH(bool, latin1);
        QFETCH(bool, lf);
        const DecodedText decoded = DecodeDocumentBytes(file);
        QCOMPARE(decoded.text, text);
        QCOMPARE(decoded.format.encoding == TextFormat::Encoding::Latin1, latin1);
        QCOMPARE(decoded.format.lineBreak == TextFormat::LineBreak::Lf, lf);
        QCOMPARE(EncodeDocumentText(text, decoded.format), file);
        QCOMPARE(EncodeDocumentText(text, edited(decoded.format)), file);
    }

    // What the editor cannot hold is written back as it was while the text is unchanged.
    void keepsUnchangedFileAsRead_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("whenEdited");
        QTest::newRow("lone CR") << bytes("a\rb") << QStringLiteral("a\r\nb") << bytes("a\r\nbx");
        QTest::newRow("mixed breaks") << bytes("a\r\nb\nc\r\n") << QStringLiteral("a\r\nb\r\nc\r\n")
                                      << bytes("a\r\nb\r\nc\r\nx\r\n");
    }

    void keepsUnchangedFileAsRead() {
        QFETCH(QByteArray, file);
        QFETCH(QString, text);
        QFETCH(QByteArray, whenEdited);
        const DecodedText decoded = DecodeDocumentBytes(file);
        QCOMPARE(decoded.text, text);
        QCOMPARE(EncodeDocumentText(text, decoded.format), file);
        QCOMPARE(EncodeDocumentText(text + QStringLiteral("x"), decoded.format), whenEdited);
    }

    void writesEditedText_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("expected");

        QTest::newRow("new document gets a final break")
            << QByteArray() << QStringLiteral("abc") << bytes("abc\r\n");
        // Saving never grows the file: a text that ends with a break gets no second one.
        QTest::newRow("new document ending with a break")
            << QByteArray() << QStringLiteral("abc\r\n") << bytes("abc\r\n");
        QTest::newRow("LF file keeps LF")
            << bytes("a\nb\n") << QStringLiteral("a\r\nb\r\nc") << bytes("a\nb\nc\n");
        QTest::newRow("no final break stays so")
            << bytes("a\r\nb") << QStringLiteral("a\r\nb\r\nc") << bytes("a\r\nb\r\nc");
        QTest::newRow("Latin-1 stays Latin-1")
            << bytes("caf\xE9\n") << QStringLiteral("café!\r\n") << bytes("caf\xE9!\n");
        // A character Latin-1 cannot hold is kept by writing the whole file in UTF-8.
        QTest::newRow("Latin-1 file gets a euro")
            << bytes("caf\xE9\n") << QStringLiteral("café €\r\n")
            << bytes("caf\xC3\xA9 \xE2\x82\xAC\n");
    }

    void writesEditedText() {
        QFETCH(QByteArray, file);
        QFETCH(QString, text);
        QFETCH(QByteArray, expected);
        const TextFormat format = file.isNull() ? TextFormat() : DecodeDocumentBytes(file).format;
        QCOMPARE(EncodeDocumentText(text, format), expected);
    }
};

QTEST_APPLESS_MAIN(TestTextFormat)
#include "tst_textformat.moc"
