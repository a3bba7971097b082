#include "app/mainframe.h"
#include "app/outsidefiles.h"
#include "platform/qtdesktop.h"
#include "settings/settingsstore.h"
#include "startupprobe.h"

#include <QApplication>
#include <QDir>

// Orvane's own start-up, as main() does it.
int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    orvane::QtDesktop desktop;
    orvane::SettingsStore settings;
    orvane::MainFrame frame(desktop, settings);
    desktop.setOwner(&frame);
    frame.start(orvane::CommandLineFiles(QApplication::arguments().mid(1), QDir::currentPath()));
    reportWhenIdle();
    return QApplication::exec();
}
