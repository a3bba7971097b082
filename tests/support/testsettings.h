#pragma once

#include <QByteArray>
#include <QTemporaryDir>

namespace orvane::test {

// Points the per-user settings store, the home folder and the standard folders at a fresh
// temporary place, so a test never sees or changes the real user's settings or files. Create
// one before any window; the home folder is given back when it goes.
class TemporarySettings {
public:
    TemporarySettings();
    ~TemporarySettings();
    TemporarySettings(const TemporarySettings&) = delete;
    TemporarySettings& operator=(const TemporarySettings&) = delete;

    // Forgets every stored value, as on a fresh installation.
    void clear();
    QString path() const { return folder_.path(); }

private:
    QTemporaryDir folder_;
    QByteArray previousHome_;
};

} // namespace orvane::test
