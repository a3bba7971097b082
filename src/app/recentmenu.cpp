#include "app/recentmenu.h"

#include "app/mainframe.h"
#include "app/recentfiles.h"
#include "document/filecommands.h"
#include "platform/desktop.h"
#include "settings/recentsettings.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QMenu>

#include <memory>

namespace orvane {

namespace {

// Long paths lose their middle, so the menu stays narrow and the file's name stays in view.
constexpr int captionCharacters = 60;

void listRecentFiles(QMenu& file, QList<QAction*>& listed, MainFrame& frame) {
    qDeleteAll(listed);
    listed.clear();
    const QStringList files = ReadRecentFiles(frame.settings());
    if (files.isEmpty())
        return;
    listed.append(file.addSeparator());
    const QFontMetrics metrics(file.font());
    const int width = metrics.averageCharWidth() * captionCharacters;
    for (int i = 0; i < files.size(); ++i) {
        QAction* item = file.addAction(
            NumberedItemCaption(i, metrics.elidedText(files[i], Qt::ElideMiddle, width)));
        item->setObjectName(QStringLiteral("mnuFileRecent"));
        item->setStatusTip(files[i]);
        QObject::connect(item, &QAction::triggered, &file,
                         [&frame, path = files[i]] { OpenRecentFile(frame, path); });
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
