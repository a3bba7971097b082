#pragma once

#include "document/disksnapshot.h"
#include "document/textformat.h"

#include <QString>

#include <optional>

namespace orvane {

// One window's unsaved text as kept on disk while Orvane runs, enough to show it again after a
// crash in a window standing for the same file.
struct RecoveryCopy {
    QString path; // empty for an untitled document
    QString text; // line breaks CR LF
    TextFormat format;
    DiskSnapshot disk; // the file as the window last read or wrote it
};

QByteArray RecoveryCopyBytes(const RecoveryCopy& copy);
// Nothing when the bytes are not a whole copy (one cut short by a crash while writing it).
std::optional<RecoveryCopy> ParseRecoveryCopy(const QByteArray& bytes);

} // namespace orvane
