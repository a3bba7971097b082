#pragma once

#include <QByteArray>
#include <QString>

namespace orvane {

// How a document's text is kept on disk, so saving gives back the bytes that were read.
struct TextFormat {
    enum class Encoding {
        System, // the desktop's text encoding: UTF-8 here, the ANSI code page on Windows
        Latin1, // bytes not valid in the system encoding, kept one character per byte
    };
    enum class LineBreak { CrLf, Lf };

    Encoding encoding = Encoding::System;
    LineBreak lineBreak = LineBreak::CrLf;
    // New documents end with a line break; an opened file keeps whatever ending it had.
    bool endsWithLineBreak = true;
    // The file as it was read. A text still equal to it is written back as these very bytes, so
    // details the editor cannot hold (a lone CR, LF mixed into a CR LF file) survive a save.
    QString openedText;
    QByteArray openedBytes;

    friend bool operator==(const TextFormat&, const TextFormat&) = default;
};

struct DecodedText {
    QString text; // line breaks as CR LF, as the document model has them
    TextFormat format;
};

// Reads a file's bytes into document text, remembering how they were written.
DecodedText DecodeDocumentBytes(const QByteArray& bytes);

// The bytes a document's text (line breaks CR LF) is saved as.
QByteArray EncodeDocumentText(const QString& text, const TextFormat& format);

} // namespace orvane
