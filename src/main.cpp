#include "app/commandline.h"
#include "app/mainframe.h"
#include "platform/qtdesktop.h"
#include "settings/settingsstore.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

namespace {

void print(const orvane::CommandLine& command) {
    std::fputs(command.output.toLocal8Bit().constData(), command.exitCode == 0 ? stdout : stderr);
}

} // namespace

int main(int argc, char* argv[]) {
    // Help and version need no window system, so they work where none is reachable.
    QStringList raw;
    for (int i = 0; i < argc; ++i)
        raw << QString::fromLocal8Bit(argv[i]);
    const orvane::CommandLine early = orvane::ParseCommandLine(raw, QString());
    if (early.endNow && early.exitCode == 0) {
        print(early);
        return 0;
    }

    QApplication application(argc, argv);
    // Names the per-user data folder (~/.local/share/Orvane) where projects go when the
    // program's own folder is read-only; settings name their store themselves.
    QApplication::setApplicationName(QStringLiteral("Orvane"));

    // QApplication has taken its own options (-platform, -style, ...) out of the arguments.
    const orvane::CommandLine command =
        orvane::ParseCommandLine(QApplication::arguments(), QDir::currentPath());
    if (command.endNow) {
        print(command);
        return command.exitCode;
    }

    orvane::QtDesktop desktop;
    orvane::SettingsStore settings;
    orvane::MainFrame frame(desktop, settings);
    desktop.setOwner(&frame);
    frame.start(command.files);
    return QApplication::exec();
}
