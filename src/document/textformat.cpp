#include "document/textformat.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <array>
#include <optional>

namespace orvane {

namespace {

const QString crLf = QStringLiteral("\r\n");
const QString lf = QStringLiteral("\n");
constexpr char16_t loneCrMark = 0x240D; // SYMBOL FOR CARRIAGE RETURN
const QByteArray utf8Mark("\xEF\xBB\xBF");

// Windows-1252 bytes 0x80 to 0x9F. The five bytes the code page leaves unassigned stand for the
// control characters of the same number, so every byte reads and writes back unchanged.
constexpr std::array<char16_t, 32> windows1252High{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QChar windows1252Character(uchar byte) {
    if (byte >= 0x80 && byte <= 0x9F)
        return QChar(windows1252High[byte - 0x80]);
    return QChar(byte);
}

std::optional<char> windows1252Byte(QChar c) {
    const char16_t code = c.unicode();
    const auto* high = std::find(windows1252High.cbegin(), windows1252High.cend(), code);
    if (high != windows1252High.cend())
        return static_cast<char>(0x80 + (high - windows1252High.cbegin()));
    if (code <= 0xFF && (code < 0x80 || code > 0x9F))
        return static_cast<char>(code);
    return std::nullopt;
}

QString fromWindows1252(const QByteArray& bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    std::transform(bytes.cbegin(), bytes.cend(), text.begin(),
                   [](char byte) { return windows1252Character(static_cast<uchar>(byte)); });
    return text;
}

QByteArray toWindows1252(QStringView text) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    std::transform(text.cbegin(), text.cend(), bytes.begin(),
                   [](QChar c) { return windows1252Byte(c).value_or('?'); });
    return bytes;
}

// The whole of `bytes` in `encoding`, or nothing when any of it is not valid there. Stateless, so
// a sequence cut off at the end counts as invalid instead of being held back and lost.
std::optional<QString> decodeStrictly(QStringConverter::Encoding encoding, const QByteArray& bytes,
                                      QStringConverter::Flags flags = {}) {
    QStringDecoder decoder(encoding, flags | QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

struct Decoding {
    QString text;
    TextFormat::Encoding encoding;
    bool byteOrderMark = false;
    bool strayBytes = false;
};

bool isContinuation(const QByteArray& bytes, qsizetype at, uchar low = 0x80, uchar high = 0xBF) {
    if (at >= bytes.size())
        return false;
    const auto byte = static_cast<uchar>(bytes.at(at));
    return byte >= low && byte <= high;
}

// The length of the well-formed UTF-8 sequence at `at`, or 0 when the byte there starts none.
qsizetype sequenceLength(const QByteArray& bytes, qsizetype at) {
    const auto lead = static_cast<uchar>(bytes.at(at));
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return isContinuation(bytes, at + 1) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        // No overlong forms, no surrogates.
        const auto low = static_cast<uchar>(lead == 0xE0 ? 0xA0 : 0x80);
        const auto high = static_cast<uchar>(lead == 0xED ? 0x9F : 0xBF);
        return isContinuation(bytes, at + 1, low, high) && isContinuation(bytes, at + 2) ? 3 : 0;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        const auto low = static_cast<uchar>(lead == 0xF0 ? 0x90 : 0x80);
        const auto high = static_cast<uchar>(lead == 0xF4 ? 0x8F : 0xBF);
        return isContinuation(bytes, at + 1, low, high) && isContinuation(bytes, at + 2) &&
                       isContinuation(bytes, at + 3)
                   ? 4
                   : 0;
    }
    return 0;
}

// UTF-8 in which a few bytes stand alone: at least one real multi-byte character, and no more
// stray bytes than such characters. Text written in Windows-1252 almost never holds a valid
// multi-byte sequence, so it still reads as Windows-1252.
std::optional<QString> decodeWithStrayBytes(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    qsizetype characters = 0;
    qsizetype strays = 0;
    for (qsizetype at = 0; at < bytes.size();) {
        const qsizetype length = sequenceLength(bytes, at);
        if (length == 0) {
            text += windows1252Character(static_cast<uchar>(bytes.at(at)));
            ++strays;
            ++at;
            continue;
        }
        if (length > 1)
            ++characters;
        text += QString::fromUtf8(bytes.constData() + at, length);
        at += length;
    }
    if (characters == 0 || strays > characters)
        return std::nullopt;
    return text;
}

Decoding decode(const QByteArray& bytes) {
    // UTF-16 comes in pairs of bytes; an odd byte at the end would be lost. The decoder leaves
    // the byte order mark out of the text.
    const bool pairs = bytes.size() % 2 == 0;
    if (pairs && bytes.startsWith("\xFF\xFE")) {
        if (auto text = decodeStrictly(QStringConverter::Utf16LE, bytes))
            return {*text, TextFormat::Encoding::Utf16Le, true};
    } else if (pairs && bytes.startsWith("\xFE\xFF")) {
        if (auto text = decodeStrictly(QStringConverter::Utf16BE, bytes))
            return {*text, TextFormat::Encoding::Utf16Be, true};
    }
    const bool mark = bytes.startsWith(utf8Mark);
    const QByteArray body = mark ? bytes.sliced(utf8Mark.size()) : bytes;
    if (auto text = decodeStrictly(QStringConverter::Utf8, body))
        return {*text, TextFormat::Encoding::Utf8, mark};
    if (auto text = decodeWithStrayBytes(body))
        return {*text, TextFormat::Encoding::Utf8, mark, true};
    return {fromWindows1252(bytes), TextFormat::Encoding::Windows1252};
}

// A CR that the file's line break is not, and that no U+240D of the file's own could be taken for.
bool marksLoneCarriageReturns(const QString& text, TextFormat::LineBreak lineBreak) {
    if (lineBreak == TextFormat::LineBreak::Cr || text.contains(QChar(loneCrMark)))
        return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' && (i + 1 == text.size() || text[i + 1] != u'\n'))
            return true;
    }
    return false;
}

QString withLoneCarriageReturnsMarked(QString text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' && (i + 1 == text.size() || text[i + 1] != u'\n'))
            text[i] = QChar(loneCrMark);
    }
    return text;
}

QString withCrLfBreaks(QString text) {
    text.replace(crLf, lf);
    text.replace(u'\r', u'\n');
    text.replace(lf, crLf);
    return text;
}

QByteArray encodeUnicode(QStringConverter::Encoding encoding, const QString& text,
                         QStringConverter::Flags flags = {}) {
    QStringEncoder encoder(encoding, flags | QStringConverter::Flag::Stateless);
    return encoder.encode(text);
}

} // namespace

DecodedText DecodeDocumentBytes(const QByteArray& bytes) {
    const Decoding decoding = decode(bytes);
    DecodedText decoded;
    TextFormat& format = decoded.format;
    format.encoding = decoding.encoding;
    format.byteOrderMark = decoding.byteOrderMark;
    format.strayBytes = decoding.strayBytes;
    format.lineBreak = DominantLineBreak(decoding.text);
    format.loneCarriageReturns = marksLoneCarriageReturns(decoding.text, format.lineBreak);
    decoded.text = withCrLfBreaks(
        format.loneCarriageReturns ? withLoneCarriageReturnsMarked(decoding.text) : decoding.text);
    format.endsWithLineBreak = false;
    format.openedText = decoded.text;
    format.openedBytes = bytes;
    return decoded;
}

TextFormat::LineBreak DominantLineBreak(QStringView text) {
    qsizetype crLfs = 0;
    qsizetype lfs = 0;
    qsizetype crs = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            ++crLfs;
            ++i;
        } else if (text[i] == u'\r') {
            ++crs;
        } else if (text[i] == u'\n') {
            ++lfs;
        }
    }
    if (crLfs >= lfs && crLfs >= crs)
        return TextFormat::LineBreak::CrLf;
    return lfs >= crs ? TextFormat::LineBreak::Lf : TextFormat::LineBreak::Cr;
}

bool EncodingHolds(TextFormat::Encoding encoding, QStringView text) {
    if (encoding != TextFormat::Encoding::Windows1252)
        return true;
    return std::all_of(text.cbegin(), text.cend(),
                       [](QChar c) { return windows1252Byte(c).has_value(); });
}

bool FormatHolds(const TextFormat& format, const QString& text) {
    if (!format.loneCarriageReturns)
        return EncodingHolds(format.encoding, text);
    return EncodingHolds(format.encoding, QString(text).remove(QChar(loneCrMark)));
}

QString EncodingName(TextFormat::Encoding encoding) {
    switch (encoding) {
    case TextFormat::Encoding::Windows1252:
        return QStringLiteral("Windows-1252");
    case TextFormat::Encoding::Utf16Le:
        return QStringLiteral("UTF-16 LE");
    case TextFormat::Encoding::Utf16Be:
        return QStringLiteral("UTF-16 BE");
    case TextFormat::Encoding::Utf8:
        break;
    }
    return QStringLiteral("UTF-8");
}

QByteArray EncodeDocumentText(const QString& text, const TextFormat& format) {
    if (!format.openedText.isNull() && text == format.openedText)
        return format.openedBytes;
    QString out = text;
    if (format.endsWithLineBreak && !out.endsWith(crLf))
        out += crLf;
    if (format.lineBreak == TextFormat::LineBreak::Lf)
        out.replace(crLf, lf);
    else if (format.lineBreak == TextFormat::LineBreak::Cr)
        out.replace(crLf, QStringLiteral("\r"));
    if (format.loneCarriageReturns)
        out.replace(QChar(loneCrMark), u'\r');
    const QStringConverter::Flags mark =
        format.byteOrderMark ? QStringConverter::Flag::WriteBom : QStringConverter::Flag::Default;
    switch (format.encoding) {
    case TextFormat::Encoding::Windows1252:
        return toWindows1252(out);
    case TextFormat::Encoding::Utf16Le:
        return encodeUnicode(QStringConverter::Utf16LE, out, mark);
    case TextFormat::Encoding::Utf16Be:
        return encodeUnicode(QStringConverter::Utf16BE, out, mark);
    case TextFormat::Encoding::Utf8:
        break;
    }
    // Qt's UTF-8 encoder writes no mark when asked to keep no state.
    const QByteArray bytes = encodeUnicode(QStringConverter::Utf8, out);
    return format.byteOrderMark ? utf8Mark + bytes : bytes;
}

} // namespace orvane
