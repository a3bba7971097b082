#include "app/mainframe.h"
#include "platform/qtdesktop.h"
#include "settings/settingsstore.h"
#include "startupprobe.h"

#include <QApplication>

// Orvane's own start-up, as main() does it.
int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    orvane::QtDesktop desktop;
    orvane::SettingsStore settings;
    orvane::MainFrame frame(desktop, settings);
    desktop.setOwner(&frame);
    frame.start();
    reportWhenIdle();
    return QApplication::exec();
}
