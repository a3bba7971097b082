#pragma once

#include "document/textformat.h"

#include <QString>

namespace orvane {

// Writes a document's text to `path` in `format`, replacing the file only once the whole text is
// on disk. 0 when it worked, else the run-time error number.
int WriteDocumentFile(const QString& path, const QString& text, const TextFormat& format);

struct ReadResult {
    int error = 0; // 0, or the run-time error number
    DecodedText document;
};

// Reads the whole file at `path` as document text.
ReadResult ReadDocumentFile(const QString& path);

struct SizeResult {
    int error = 0; // 0, or the run-time error number
    qint64 bytes = 0;
};

// The length in bytes of the file at `path`, which must be a file that can be opened for reading.
SizeResult DocumentFileSize(const QString& path);

} // namespace orvane
