#include "toolchain/typingchecker.h"

#include "platform/desktop.h"
#include "toolchain/checkerprotocol.h"

#include <QProcess>

namespace orvane {

namespace {

constexpr int idleLimitMs = 10 * 60 * 1000;

} // namespace

TypingChecker::TypingChecker(Desktop& desktop, ToolCommand command, QObject* parent)
    : QObject(parent), desktop_(desktop), command_(std::move(command)) {
    idle_.setSingleShot(true);
    idle_.setInterval(idleLimitMs);
    connect(&idle_, &QTimer::timeout, this, &TypingChecker::stop);
}

// Should Orvane itself be killed, the checker's input ends, and the checker with it.
TypingChecker::~TypingChecker() {
    for (QProcess* process : findChildren<QProcess*>(QString(), Qt::FindDirectChildrenOnly)) {
        process->disconnect(this);
        process->kill();
        process->waitForFinished(1000);
    }
}

qint64 TypingChecker::processId() const {
    return process_ ? process_->processId() : 0;
}

bool TypingChecker::start() {
    process_ = desktop_.startProgram({command_.program, command_.arguments, {}}, this);
    if (!process_)
        return false;
    pending_.clear();
    collecting_ = -1;
    connect(process_, &QProcess::readyReadStandardOutput, this, &TypingChecker::readAnswers);
    connect(process_, &QProcess::finished, this, &TypingChecker::ended);
    // What the JVM prints about itself is of no use to the user; it must not fill a pipe.
    connect(process_, &QProcess::readyReadStandardError, process_,
            [process = process_] { process->readAllStandardError(); });
    return true;
}

bool TypingChecker::check(qint64 number, const QString& path, const QString& sourcePath,
                          const QString& text) {
    if (givenUp_)
        return false;
    if (!process_ && !start()) {
        giveUp(
            QStringLiteral("Orvane's checker could not be started with %1.").arg(command_.program));
        return false;
    }
    lastRequest_ = CheckerRequest(number, path, sourcePath, text);
    process_->write(lastRequest_);
    idle_.stop();
    return true;
}

void TypingChecker::readAnswers() {
    pending_ += process_->readAllStandardOutput();
    qsizetype lineEnd = pending_.indexOf('\n');
    while (lineEnd >= 0) {
        const QString line = QString::fromUtf8(pending_.left(lineEnd));
        pending_.remove(0, lineEnd + 1);
        lineEnd = pending_.indexOf('\n');
        const std::optional<CheckerAnswer> answer = ParseCheckerAnswer(line);
        if (!answer)
            continue;
        switch (answer->kind) {
        case CheckerAnswer::Kind::Diagnostic:
            if (collecting_ != answer->number) {
                collecting_ = answer->number;
                diagnostics_.clear();
            }
            diagnostics_.append(answer->diagnostic);
            break;
        case CheckerAnswer::Kind::End: {
            const QList<CompilerDiagnostic> found =
                collecting_ == answer->number ? diagnostics_ : QList<CompilerDiagnostic>();
            collecting_ = -1;
            diagnostics_.clear();
            lastRequest_.clear();
            idle_.start();
            emit answered(answer->number, found);
            break;
        }
        case CheckerAnswer::Kind::Skipped:
            break;
        case CheckerAnswer::Kind::Unavailable:
            giveUp(QStringLiteral("%1 runs no Java compiler: it is not a JDK's java.")
                       .arg(command_.program));
            return;
        }
    }
}

void TypingChecker::stop() {
    if (!process_)
        return;
    QProcess* process = process_;
    process_ = nullptr;
    process->disconnect(this);
    connect(process, &QProcess::finished, process, &QObject::deleteLater);
    process->closeWriteChannel();
}

// An end nobody asked for: the checker is started again once, with the request it left
// unanswered; a second such end leaves it off.
void TypingChecker::ended() {
    process_->deleteLater();
    process_ = nullptr;
    if (givenUp_)
        return;
    if (restarts_ > 0) {
        giveUp(QStringLiteral("Orvane's checker ended unexpectedly twice."));
        return;
    }
    ++restarts_;
    if (!lastRequest_.isEmpty() && start())
        process_->write(lastRequest_);
}

void TypingChecker::giveUp(const QString& reason) {
    givenUp_ = true;
    idle_.stop();
    if (process_) {
        process_->disconnect(this);
        process_->kill();
        process_->deleteLater();
        process_ = nullptr;
    }
    emit gaveUp(reason);
}

} // namespace orvane
