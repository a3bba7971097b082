#include "document/fileerrors.h"

#include "document/errorreport.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>

namespace orvane {

namespace {

int numberForSystemError(int code, const QFileInfo& info) {
    switch (code) {
    case ENOENT:
        return info.dir().exists() ? ErrorNumber::FileNotFound : ErrorNumber::PathNotFound;
    case ENOTDIR:
        return ErrorNumber::PathNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
        return ErrorNumber::PermissionDenied;
    case EISDIR:
        return ErrorNumber::PathFileAccess;
    case ENOSPC:
    case EFBIG: // the file may grow no further: to the user, the same as a full disk
#ifdef EDQUOT
    case EDQUOT:
#endif
        return ErrorNumber::DiskFull;
    case ENAMETOOLONG:
    case EINVAL:
        return ErrorNumber::BadFileName;
    case EIO:
        return ErrorNumber::DeviceIO;
    default:
        return 0;
    }
}

} // namespace

int FileErrorNumber(const FileFailure& failure) {
    if (failure.path.isEmpty())
        return ErrorNumber::BadFileName;
    const QFileInfo info(failure.path);
    if (info.isDir())
        return ErrorNumber::PathFileAccess;
    if (const int number = numberForSystemError(failure.systemError, info))
        return number;
    if (!info.dir().exists())
        return ErrorNumber::PathNotFound;
    switch (failure.error) {
    case QFileDevice::OpenError:
        return info.exists() ? ErrorNumber::PathFileAccess : ErrorNumber::FileNotFound;
    case QFileDevice::PermissionsError:
        return ErrorNumber::PermissionDenied;
    case QFileDevice::ReadError:
    case QFileDevice::WriteError:
        return ErrorNumber::DeviceIO;
    default:
        return ErrorNumber::PathFileAccess;
    }
}

FileFailure LastFileFailure(const QFileDevice& file, const QString& path) {
    return {file.error(), errno, path};
}

} // namespace orvane
