#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QLockFile>
#include <QObject>
#include <QThreadPool>
#include <QTimer>

#include <memory>

namespace orvane {

class DocumentWindow;
class Workspace;

// Keeps a copy of every changed window's text in this run's own folder below `folder`, so a
// crash, a kill or a power cut loses at most the last two seconds of typing. Copies are written
// once the typing pauses, by a worker thread; the editor only notes that something changed. A
// copy goes when its window is saved, closed or its changes thrown away, and the whole folder
// when Orvane ends normally. Each run locks its folder, so a second Orvane never takes the first
// one's copies for those of a crashed run.
class RecoveryKeeper final : public QObject {
    Q_OBJECT
public:
    RecoveryKeeper(Workspace& workspace, const QString& folder, QObject* parent = nullptr);
    // Waits for the copies under way, then removes this run's folder: the run ended normally.
    ~RecoveryKeeper() override;

    // Where the copies live for the user: the application's data folder + "/recovery".
    static QString DefaultFolder();
    // This run's folder, holding one copy per changed window.
    QString sessionFolder() const { return sessionFolder_; }

    void follow(DocumentWindow& window);
    // When runs before this one ended without closing and left copies: asks once whether to show
    // them again, each in a window of its own, marked changed and standing for its file as
    // before. No removes them; closing the box leaves them for the next start.
    void offerRecovery();
    // Writes the copies due now instead of after the pause; returns once they are on disk.
    void writeNow();

private:
    struct Tracked {
        int id = 0;
        int revision = -1; // of the text last copied
        bool hasCopy = false;
    };

    void textChanged();
    void pauseEnded();
    void writeDue();
    void forget(DocumentWindow* window);
    void removeCopy(Tracked& tracked);
    QString copyPath(int id) const;

    Workspace& workspace_;
    QString folder_;
    QString sessionFolder_;
    std::unique_ptr<QLockFile> lock_;
    QHash<DocumentWindow*, Tracked> windows_;
    int nextId_ = 1;
    QTimer pause_;
    QElapsedTimer dueSince_;
    QElapsedTimer lastChange_;
    QThreadPool writer_;
};

} // namespace orvane
