#pragma once

#include <QStringList>

class QMimeData;

namespace orvane {

// The files named on the command line (the program's own name left out), as full paths: a
// relative name is taken from `currentFolder`, a file URL (as some desktops pass) as its path.
QStringList CommandLineFiles(const QStringList& arguments, const QString& currentFolder);

// The local files among what was dropped; a dropped text names none.
QStringList DroppedFiles(const QMimeData& data);

} // namespace orvane
