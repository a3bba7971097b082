#pragma once

#include "document/disksnapshot.h"
#include "document/textformat.h"

#include <QString>

class QFile;

namespace orvane {

// Writes `bytes` to `path`, replacing the file only once the whole text is on disk. Where no
// temporary file can be made beside it, the file is overwritten in place and, should that fail,
// given back its former content. 0 when it worked, else the run-time error number.
int WriteDocumentFile(const QString& path, const QByteArray& bytes);
// The same for a document's text in `format`.
int WriteDocumentFile(const QString& path, const QString& text, const TextFormat& format);

// Under a limit on file sizes, a write past it would end the program with every window's text
// unsaved; after this it fails with EFBIG, reported as a full disk. Every writer calls it.
void KeepRunningPastFileSizeLimits();

// Opens `file` on `path` for reading when it is an ordinary file, never blocking on a pipe or a
// device; false otherwise.
bool OpenOrdinaryFile(QFile& file, const QString& path);

// The largest file Open takes, in bytes.
constexpr qint64 LargestDocumentFile = 65000;

// Why a file that could be read is still not opened.
enum class ReadRefusal {
    None,
    TooLarge,        // more than LargestDocumentFile bytes
    NotOrdinaryFile, // a device, a pipe or a socket: reading it could block or never end
};

struct ReadResult {
    int error = 0; // 0, or the run-time error number
    ReadRefusal refusal = ReadRefusal::None;
    DecodedText document;
    DiskSnapshot disk;
};

// Reads the file at `path` (links followed) as document text. Only an ordinary file is read, and
// never more than one byte past the limit, so the decision rests on the bytes actually read: a
// file that reports no size can't slip through.
ReadResult ReadDocumentFile(const QString& path);

} // namespace orvane
