#include "document/recoverykeeper.h"

#include "document/documentfile.h"
#include "document/documentwindow.h"
#include "document/recoverycopy.h"
#include "document/workspace.h"
#include "platform/desktop.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QPlainTextEdit>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTextDocument>

#include <algorithm>
#include <vector>

namespace orvane {

namespace {

// A copy follows the typing this long after it pauses, and never later than the longest wait
// after the first change, however long the typing goes on.
constexpr qint64 pauseMs = 2000;
constexpr qint64 longestWaitMs = 10000;

const QString lockName = QStringLiteral("session.lock");
const QString copySuffix = QStringLiteral(".copy");

void writeCopy(const QString& path, const RecoveryCopy& copy) {
    KeepRunningPastFileSizeLimits();
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(RecoveryCopyBytes(copy)) >= 0)
        file.commit();
}

// What a window holds that no file does: the text of an untitled window with any text, or of a
// titled one that differs from its file.
bool needsCopy(const DocumentWindow& window) {
    if (window.documentPath().isEmpty())
        return !window.text().isEmpty();
    return !window.isUnchanged();
}

// A run that ended without closing: its folder, locked now by this run, and its copies.
struct Leftover {
    QString folder;
    std::unique_ptr<QLockFile> lock;
    QList<RecoveryCopy> copies;
};

std::vector<Leftover> leftovers(const QString& folder, const QString& own) {
    std::vector<Leftover> found;
    const QDir root(folder);
    for (const QString& name : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        const QString session = root.filePath(name);
        if (session == own)
            continue;
        auto lock = std::make_unique<QLockFile>(QDir(session).filePath(lockName));
        // Only a lock whose process is gone is stale, however old it is.
        lock->setStaleLockTime(0);
        if (!lock->tryLock(0))
            continue;
        Leftover leftover{session, std::move(lock), {}};
        const QDir dir(session);
        for (const QString& file :
             dir.entryList({QLatin1Char('*') + copySuffix}, QDir::Files, QDir::Name)) {
            QFile copy(dir.filePath(file));
            if (!copy.open(QIODevice::ReadOnly))
                continue;
            if (std::optional<RecoveryCopy> parsed = ParseRecoveryCopy(copy.readAll()))
                leftover.copies.append(*parsed);
        }
        found.push_back(std::move(leftover));
    }
    return found;
}

void removeLeftover(Leftover& leftover) {
    leftover.lock->unlock();
    QDir(leftover.folder).removeRecursively();
}

QString recoveryQuestion(const QList<RecoveryCopy>& copies) {
    QString text = QStringLiteral("Orvane did not close normally. Restore the unsaved text of ") +
                   QString::number(copies.size()) + QStringLiteral(" windows?\r\n");
    for (const RecoveryCopy& copy : copies)
        text +=
            QStringLiteral("\r\n") + (copy.path.isEmpty() ? QStringLiteral("Untitled") : copy.path);
    return text;
}

} // namespace

RecoveryKeeper::RecoveryKeeper(Workspace& workspace, const QString& folder, QObject* parent)
    : QObject(parent), workspace_(workspace), folder_(folder) {
    // One writer, so the copies and removals of a window reach the disk in the order asked.
    writer_.setMaxThreadCount(1);
    pause_.setSingleShot(true);
    connect(&pause_, &QTimer::timeout, this, &RecoveryKeeper::pauseEnded);
    sessionFolder_ =
        QDir(folder).filePath(QString::number(QCoreApplication::applicationPid()) + u'-' +
                              QString::number(QDateTime::currentMSecsSinceEpoch()));
    if (QDir().mkpath(sessionFolder_)) {
        lock_ = std::make_unique<QLockFile>(QDir(sessionFolder_).filePath(lockName));
        lock_->tryLock(0);
    }
}

RecoveryKeeper::~RecoveryKeeper() {
    writer_.waitForDone();
    if (lock_)
        lock_->unlock();
    QDir(sessionFolder_).removeRecursively();
}

QString RecoveryKeeper::DefaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
           QStringLiteral("/recovery");
}

QString RecoveryKeeper::copyPath(int id) const {
    return QDir(sessionFolder_).filePath(QString::number(id) + copySuffix);
}

void RecoveryKeeper::follow(DocumentWindow& window) {
    windows_.insert(&window, Tracked{nextId_++});
    connect(window.editor().document(), &QTextDocument::contentsChanged, this,
            &RecoveryKeeper::textChanged);
    // Saved or read again: the file holds the text now.
    connect(&window, &DocumentWindow::fileUsed, this, [this, &window] {
        Tracked& tracked = windows_[&window];
        tracked.revision = -1;
        removeCopy(tracked);
    });
    connect(&window, &QObject::destroyed, this, [this, &window] { forget(&window); });
}

// All a keystroke costs: reading the clock. The timer is only started by the first change.
void RecoveryKeeper::textChanged() {
    lastChange_.start();
    if (!dueSince_.isValid())
        dueSince_.start();
    if (!pause_.isActive())
        pause_.start(static_cast<int>(pauseMs));
}

// Fired a pause after the first change: waits on while the typing goes on, up to the longest wait.
void RecoveryKeeper::pauseEnded() {
    const qint64 typingFor = dueSince_.isValid() ? dueSince_.elapsed() : longestWaitMs;
    const qint64 quietFor = lastChange_.isValid() ? lastChange_.elapsed() : pauseMs;
    if (quietFor < pauseMs && typingFor < longestWaitMs) {
        pause_.start(static_cast<int>(std::min(pauseMs - quietFor, longestWaitMs - typingFor)));
        return;
    }
    writeDue();
}

void RecoveryKeeper::writeDue() {
    dueSince_.invalidate();
    for (auto entry = windows_.begin(); entry != windows_.end(); ++entry) {
        DocumentWindow& window = *entry.key();
        Tracked& tracked = entry.value();
        if (!needsCopy(window)) {
            removeCopy(tracked);
            continue;
        }
        const int revision = window.editor().document()->revision();
        if (revision == tracked.revision)
            continue;
        tracked.revision = revision;
        tracked.hasCopy = true;
        // The raw text is shared, not copied; turning it into the document's form is the
        // writer's work.
        const QString raw = window.editor().document()->toRawText();
        RecoveryCopy copy{window.documentPath(), {}, window.textFormat(), window.diskSnapshot()};
        copy.format.openedText.clear();
        copy.format.openedBytes.clear();
        writer_.start([path = copyPath(tracked.id), raw, copy]() mutable {
            copy.text = ModelText(raw);
            writeCopy(path, copy);
        });
    }
}

void RecoveryKeeper::writeNow() {
    pause_.stop();
    writeDue();
    writer_.waitForDone();
}

void RecoveryKeeper::removeCopy(Tracked& tracked) {
    if (!tracked.hasCopy)
        return;
    tracked.hasCopy = false;
    writer_.start([path = copyPath(tracked.id)] { QFile::remove(path); });
}

void RecoveryKeeper::forget(DocumentWindow* window) {
    auto entry = windows_.find(window);
    if (entry == windows_.end())
        return;
    removeCopy(entry.value());
    windows_.erase(entry);
}

void RecoveryKeeper::offerRecovery() {
    std::vector<Leftover> found = leftovers(folder_, sessionFolder_);
    QList<RecoveryCopy> copies;
    for (const Leftover& leftover : found)
        copies += leftover.copies;
    if (copies.isEmpty()) {
        for (Leftover& leftover : found)
            removeLeftover(leftover);
        return;
    }
    const MessageAnswer answer = workspace_.desktop().showMessage(
        {recoveryQuestion(copies), QStringLiteral("Orvane"), MessageButtons::YesNo,
         MessageIcon::Question, MessageAnswer::Yes});
    if (answer == MessageAnswer::Dismissed)
        return;
    if (answer == MessageAnswer::Yes) {
        for (const RecoveryCopy& copy : copies)
            workspace_.newDocumentWindow()->showRecoveredText(copy.path, copy.text, copy.format,
                                                              copy.disk);
        // The texts are this run's copies before the old ones go.
        writeNow();
    }
    for (Leftover& leftover : found)
        removeLeftover(leftover);
}

} // namespace orvane
