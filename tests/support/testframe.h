#pragma once

#include "app/mainframe.h"
#include "fakedesktop.h"
#include "settings/settingsstore.h"
#include "testsettings.h"

#include <QTest>

#include <memory>

namespace orvane::test {

// Lets closed windows go and queued work run, as the event loop would between two clicks.
inline void settle() {
    for (int round = 0; round < 2; ++round) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

// A frame as the program starts it, on a temporary settings store and a scripted desktop. Store
// values before start() to play a later run.
class TestFrame {
public:
    TemporarySettings settings; // first, so nothing reads the real store
    FakeDesktop desktop;
    SettingsStore store;

    [[nodiscard]] bool start(const QStringList& files = {}) {
        frame_ = std::make_unique<MainFrame>(desktop, store);
        frame_->start(files);
        const bool active = QTest::qWaitForWindowActive(frame_.get());
        settle();
        return active;
    }
    MainFrame& frame() const { return *frame_; }
    DocumentWindow* active() const { return frame_->activeDocument(); }
    // A menu item of the document windows' menu bar, or of the frame's.
    QAction* item(const QString& name) const { return frame_->command(name); }

private:
    std::unique_ptr<MainFrame> frame_;
};

} // namespace orvane::test
