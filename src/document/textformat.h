#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace orvane {

// How a document's text is kept on disk, so saving gives back the bytes that were read.
struct TextFormat {
    enum class Encoding {
        Utf8,        // the desktop's text encoding here; also every new document
        Windows1252, // bytes that are not UTF-8, kept one character per byte
        Utf16Le,     // recognised by its byte order mark, which is written back
        Utf16Be,
    };
    // The break an edited file is written with: the one the file used most.
    enum class LineBreak { CrLf, Lf, Cr };

    Encoding encoding = Encoding::Utf8;
    LineBreak lineBreak = LineBreak::CrLf;
    // A new document is written with a line break added at its end; an opened file's text is
    // written as it stands, so a final line break the user deleted stays deleted.
    bool endsWithLineBreak = true;
    // The file began with a byte order mark: kept out of the text, written back before it.
    bool byteOrderMark = false;
    // UTF-8 with a few bytes that are not, shown as their Windows-1252 characters. Such a text,
    // once edited, can only be written as whole UTF-8, which changes those bytes.
    bool strayBytes = false;
    // Carriage returns that are not the file's line break stand in the text as U+240D, so the
    // editor doesn't break the line there; they are written back as CR.
    bool loneCarriageReturns = false;
    // The text as it was read. A text still equal to it is written back as these very bytes, so
    // details the editor cannot hold (a lone CR, LF mixed into a CR LF file) survive a save.
    QString openedText;
    QByteArray openedBytes;

    friend bool operator==(const TextFormat&, const TextFormat&) = default;
};

struct DecodedText {
    QString text; // line breaks as CR LF, as the document model has them
    TextFormat format;
};

// Reads a file's bytes into document text, remembering how they were written. Every byte is kept:
// UTF-8 with a few stray bytes reads as UTF-8 with each stray byte as its Windows-1252 character;
// other bytes that are not whole UTF-8 (an unfinished sequence at the end included) are read as
// Windows-1252.
DecodedText DecodeDocumentBytes(const QByteArray& bytes);

// The break that occurs most often in `text`; CR LF when there is none or on a tie.
TextFormat::LineBreak DominantLineBreak(QStringView text);

// Whether `encoding` can store every character of `text`.
bool EncodingHolds(TextFormat::Encoding encoding, QStringView text);

// Whether a document's text can be written in `format` as it stands.
bool FormatHolds(const TextFormat& format, const QString& text);

// The encoding's name as the user knows it: "UTF-8", "Windows-1252", "UTF-16 LE", "UTF-16 BE".
QString EncodingName(TextFormat::Encoding encoding);

// The bytes a document's text (line breaks CR LF) is saved as. A character the encoding cannot
// hold becomes "?": ask first with EncodingHolds.
QByteArray EncodeDocumentText(const QString& text, const TextFormat& format);

} // namespace orvane
