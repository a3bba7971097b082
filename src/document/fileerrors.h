#pragma once

#include <QFileDevice>
#include <QString>

namespace orvane {

// What went wrong with a file: Qt's error and the system's error code taken at the failure.
struct FileFailure {
    QFileDevice::FileError error = QFileDevice::UnspecifiedError;
    int systemError = 0;
    QString path;
};

// The one place where the system's and Qt's file errors become run-time error numbers:
// missing file 53, missing folder 76, no permission 70, a folder or other access failure 75,
// disk full 61, bad file name 52, device I/O 57.
int FileErrorNumber(const FileFailure& failure);

// The failure of `file` just now, with the current system error code.
FileFailure LastFileFailure(const QFileDevice& file, const QString& path);

} // namespace orvane
