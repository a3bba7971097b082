#include "app/commandline.h"
#include "app/mainframe.h"
#include "document/documentwindow.h"
#include "platform/qtdesktop.h"
#include "settings/settingsstore.h"
#include "startupprobe.h"

#include <QApplication>
#include <QDir>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextLayout>

// Orvane's own start-up, as main() does it, up to the first paint of the active document; it
// tells whether the first line on screen was coloured by then.
int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const orvane::CommandLine command =
        orvane::ParseCommandLine(QApplication::arguments(), QDir::currentPath());
    orvane::QtDesktop desktop;
    orvane::SettingsStore settings;
    orvane::MainFrame frame(desktop, settings);
    desktop.setOwner(&frame);
    frame.start(command.files);
    QPlainTextEdit& editor = frame.activeDocument()->editor();
    const FirstPaintProbe probe(*editor.viewport(), [&editor] {
        return !editor.document()->firstBlock().layout()->formats().isEmpty();
    });
    return QApplication::exec();
}
