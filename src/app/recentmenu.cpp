#include "app/recentmenu.h"

#include "app/mainframe.h"
#include "app/recentfiles.h"
#include "document/filecommands.h"
#include "platform/desktop.h"
#include "settings/recentsettings.h"

#include <QFileInfo>
#include <QMenu>

#include <memory>

namespace orvane {

namespace {

void listRecentFiles(QMenu& file, QList<QAction*>& listed, MainFrame& frame) {
    qDeleteAll(listed);
    listed.clear();
    const QStringList files = ReadRecentFiles(frame.settings());
    if (files.isEmpty())
        return;
    listed.append(file.addSeparator());
    for (int i = 0; i < files.size(); ++i) {
        QAction* item = file.addAction(RecentFileCaption(i, files[i]));
        item->setObjectName(QStringLiteral("mnuFileRecent"));
        const QString path = files[i];
        QObject::connect(item, &QAction::triggered, &file,
                         [&frame, path] { OpenRecentFile(frame, path); });
        listed.append(item);
    }
}

} // namespace

void AttachRecentFiles(QMenu& file, MainFrame& frame) {
    auto listed = std::make_shared<QList<QAction*>>();
    QObject::connect(&file, &QMenu::aboutToShow, &file,
                     [&file, listed, &frame] { listRecentFiles(file, *listed, frame); });
}

void OpenRecentFile(MainFrame& frame, const QString& path) {
    if (QFileInfo::exists(path)) {
        OpenDocumentFile(frame, path);
        return;
    }
    QStringList files = ReadRecentFiles(frame.settings());
    files.removeAll(path);
    SaveRecentFiles(frame.settings(), files);
    frame.desktop().showMessage({QStringLiteral("The file [") + path +
                                     QStringLiteral("] no longer exists. It has been removed "
                                                    "from the list of recent files."),
                                 QStringLiteral("Orvane"), MessageButtons::Ok,
                                 MessageIcon::Information});
}

} // namespace orvane
