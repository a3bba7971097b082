#pragma once

#include <QTemporaryDir>

namespace orvane::test {

// Points the per-user settings store and the standard folders at a fresh temporary place, so
// a test never sees or changes the real user's settings. Create one before any window.
class TemporarySettings {
public:
    TemporarySettings();
    // Forgets every stored value, as on a fresh installation.
    void clear();
    QString path() const { return folder_.path(); }

private:
    QTemporaryDir folder_;
};

} // namespace orvane::test
