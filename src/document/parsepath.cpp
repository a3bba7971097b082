#include "document/parsepath.h"

namespace orvane {

namespace {

struct PathPieces {
    QString drive;
    QString dir;
    QString name;
    QString ext;
};

PathPieces splitPath(const QString& path, bool negative, PathStyle style) {
    const QChar separator = style == PathStyle::Windows ? u'\\' : u'/';
    PathPieces pieces;
    if (style == PathStyle::Windows && path.contains(u':'))
        pieces.drive = path.left(path.indexOf(u':') + 1);

    const qsizetype first = path.indexOf(separator); // -1 when there is none
    if (path.endsWith(separator)) {
        if (path.size() <= first + 1)
            pieces.dir = separator;
        else if (negative)
            pieces.dir = path.mid(first, path.size() - 1 - first);
        else
            pieces.dir = path.mid(first);
        return pieces;
    }

    if (first >= 0) {
        const qsizetype last = path.lastIndexOf(separator);
        pieces.dir = path.mid(first, last - first + (negative ? 0 : 1));
        pieces.name = path.mid(last + 1);
    } else {
        pieces.name = pieces.drive.isEmpty() ? path : path.mid(2);
    }

    // A leading dot (".profile") starts a name, not an extension.
    const qsizetype dot = pieces.name.lastIndexOf(u'.');
    if (dot > 0) {
        pieces.ext = pieces.name.mid(negative ? dot + 1 : dot);
        pieces.name.truncate(dot);
    }
    return pieces;
}

} // namespace

QString ParsePath(const QString& path, int part, PathStyle style) {
    const PathPieces pieces = splitPath(path, part < 0, style);
    switch (part) {
    case 1:
        return pieces.drive;
    case 2:
    case -2:
        return pieces.dir;
    case 3:
    case -3:
        return pieces.drive + pieces.dir;
    case 4:
        return pieces.name;
    case 5:
    case -5:
        return pieces.ext;
    case 6:
        return pieces.name + pieces.ext;
    case 7:
        return pieces.drive + pieces.dir + pieces.name;
    default:
        return {};
    }
}

} // namespace orvane
