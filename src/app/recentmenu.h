#pragma once

#include <QString>

class QMenu;

namespace orvane {

class MainFrame;

// Lists the recent files at the end of a File menu, after a separator, each time it opens.
void AttachRecentFiles(QMenu& file, MainFrame& frame);

// Opens a recent file by Open's rules; one that no longer exists leaves the list with a message.
void OpenRecentFile(MainFrame& frame, const QString& path);

} // namespace orvane
