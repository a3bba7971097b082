#include "testsettings.h"

#include "settings/settingkeys.h"

#include <QSettings>
#include <QStandardPaths>

namespace orvane::test {

TemporarySettings::TemporarySettings() {
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder_.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder_.path());
    clear();
}

void TemporarySettings::clear() {
    QSettings settings(settingsApplication, settingsApplication);
    settings.clear();
    settings.sync();
}

} // namespace orvane::test
