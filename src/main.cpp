#include "app/mainframe.h"
#include "app/outsidefiles.h"
#include "platform/qtdesktop.h"
#include "settings/settingsstore.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // Names the per-user data folder (~/.local/share/Orvane) where projects go when the
    // program's own folder is read-only; settings name their store themselves.
    QApplication::setApplicationName(QStringLiteral("Orvane"));

    orvane::QtDesktop desktop;
    orvane::SettingsStore settings;
    orvane::MainFrame frame(desktop, settings);
    desktop.setOwner(&frame);
    frame.start(orvane::CommandLineFiles(QApplication::arguments().mid(1), QDir::currentPath()));
    return QApplication::exec();
}
