#pragma once

#include "toolchain/javacdiagnostics.h"
#include "toolchain/jdktools.h"

#include <QObject>
#include <QTimer>

class QProcess;

namespace orvane {

class Desktop;

// Orvane's checker program, kept running beside the editor: started with the first request,
// restarted once should it die, ended after ten idle minutes (the next request starts it again)
// and when this object goes. Requests and answers travel through its pipes; nothing here waits
// for it.
class TypingChecker final : public QObject {
    Q_OBJECT
public:
    TypingChecker(Desktop& desktop, ToolCommand command, QObject* parent = nullptr);
    ~TypingChecker() override;

    // Sends request `number` for `text` ("\n" between lines) of the file at `path`; false once
    // the checker has given up.
    bool check(qint64 number, const QString& path, const QString& sourcePath, const QString& text);
    bool isRunning() const { return process_ != nullptr; }
    // The running checker's process id, 0 when none runs.
    qint64 processId() const;
    void setIdleLimit(int milliseconds) { idle_.setInterval(milliseconds); }

signals:
    // The diagnostics of request `number`, complete.
    void answered(qint64 number, const QList<CompilerDiagnostic>& diagnostics);
    // The checker could not start, has no compiler to run or died twice: `reason` says which.
    void gaveUp(const QString& reason);

private:
    bool start();
    void readAnswers();
    void ended();
    void stop();
    void giveUp(const QString& reason);

    Desktop& desktop_;
    ToolCommand command_;
    QProcess* process_ = nullptr;
    QTimer idle_;
    QByteArray pending_; // a line not yet complete
    QByteArray lastRequest_;
    qint64 collecting_ = -1; // the request whose diagnostics are coming in
    QList<CompilerDiagnostic> diagnostics_;
    int restarts_ = 0;
    bool givenUp_ = false;
};

} // namespace orvane
