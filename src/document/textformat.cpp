#include "document/textformat.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>

namespace orvane {

namespace {

const QString crLf = QStringLiteral("\r\n");

} // namespace

DecodedText DecodeDocumentBytes(const QByteArray& bytes) {
    DecodedText decoded;
    QStringDecoder system(QStringConverter::System, QStringConverter::Flag::Stateless);
    decoded.text = system.decode(bytes);
    if (system.hasError()) {
        decoded.text = QString::fromLatin1(bytes);
        decoded.format.encoding = TextFormat::Encoding::Latin1;
    }
    const bool hasCrLf = bytes.contains("\r\n");
    if (!hasCrLf && bytes.contains('\n')) {
        decoded.format.lineBreak = TextFormat::LineBreak::Lf;
        decoded.text.replace(u'\n', crLf);
    }
    decoded.format.endsWithLineBreak = bytes.endsWith('\n');
    return decoded;
}

QByteArray EncodeDocumentText(const QString& text, const TextFormat& format) {
    QString out = text;
    if (format.endsWithLineBreak && !out.endsWith(crLf))
        out += crLf;
    if (format.lineBreak == TextFormat::LineBreak::Lf)
        out.replace(crLf, QStringLiteral("\n"));
    // A character typed into a Latin-1 file that Latin-1 cannot hold is kept by writing the
    // system encoding instead, rather than losing it.
    const bool fitsLatin1 =
        std::all_of(out.cbegin(), out.cend(), [](QChar c) { return c.unicode() <= 0xFF; });
    if (format.encoding == TextFormat::Encoding::Latin1 && fitsLatin1)
        return out.toLatin1();
    QStringEncoder system(QStringConverter::System);
    return system.encode(out);
}

} // namespace orvane
