#include "testsettings.h"

#include "settings/settingkeys.h"

#include <QSettings>
#include <QStandardPaths>

namespace orvane::test {

TemporarySettings::TemporarySettings() : previousHome_(qgetenv("HOME")) {
    // In test mode the standard folders lie below the home folder.
    qputenv("HOME", folder_.path().toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder_.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder_.path());
    clear();
}

TemporarySettings::~TemporarySettings() {
    qputenv("HOME", previousHome_);
}

void TemporarySettings::clear() {
    QSettings settings(settingsApplication, settingsApplication);
    settings.clear();
    settings.sync();
}

} // namespace orvane::test
