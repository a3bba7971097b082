#include "document/textformat.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>

namespace orvane {

namespace {

const QString crLf = QStringLiteral("\r\n");
const QString lf = QStringLiteral("\n");

// Every way a file can break a line becomes CR LF, as the editor would show it.
QString withCrLfBreaks(QString text) {
    text.replace(crLf, lf);
    text.replace(u'\r', u'\n');
    text.replace(QChar::LineSeparator, u'\n');
    text.replace(QChar::ParagraphSeparator, u'\n');
    text.replace(lf, crLf);
    return text;
}

bool fitsLatin1(const QString& text) {
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() <= 0xFF; });
}

} // namespace

DecodedText DecodeDocumentBytes(const QByteArray& bytes) {
    DecodedText decoded;
    TextFormat& format = decoded.format;
    // A byte order mark stays in the text, so it is written back.
    QStringDecoder system(QStringConverter::System, QStringConverter::Flag::ConvertInitialBom);
    QString text = system.decode(bytes);
    if (system.hasError()) {
        text = QString::fromLatin1(bytes);
        format.encoding = TextFormat::Encoding::Latin1;
    }
    if (!bytes.contains("\r\n") && bytes.contains('\n'))
        format.lineBreak = TextFormat::LineBreak::Lf;
    decoded.text = withCrLfBreaks(text);
    format.endsWithLineBreak = decoded.text.endsWith(crLf);
    format.openedText = decoded.text;
    format.openedBytes = bytes;
    return decoded;
}

QByteArray EncodeDocumentText(const QString& text, const TextFormat& format) {
    if (!format.openedText.isNull() && text == format.openedText)
        return format.openedBytes;
    QString out = text;
    if (format.endsWithLineBreak && !out.endsWith(crLf))
        out += crLf;
    if (format.lineBreak == TextFormat::LineBreak::Lf)
        out.replace(crLf, lf);
    // A character typed into a Latin-1 file that Latin-1 cannot hold is kept by writing the
    // system encoding instead, rather than losing it.
    if (format.encoding == TextFormat::Encoding::Latin1 && fitsLatin1(out))
        return out.toLatin1();
    QStringEncoder system(QStringConverter::System);
    return system.encode(out);
}

} // namespace orvane
