#pragma once

#include <QTemporaryDir>

namespace orvane::test {

// Points the settings store, the home folder and the standard folders at a fresh temporary
// place, so a test never sees or changes the real user's settings or files. Create one before
// any window; the home folder is given back when it goes.
class TemporarySettings {
public:
    TemporarySettings();
    ~TemporarySettings();

    // Forgets every stored value, as on a fresh installation.
    void clear();

private:
    QTemporaryDir folder_;
    QByteArray previousHome_;
};

} // namespace orvane::test
