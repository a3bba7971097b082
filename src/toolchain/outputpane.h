#pragma once

#include "document/programoutput.h"

#include <QDockWidget>
#include <QProcess>
#include <QTextCursor>

#include <memory>
#include <vector>

class QPlainTextEdit;
class QTextCharFormat;

namespace orvane {

class Workspace;

// The "Output" pane at the bottom of the frame: each program the toolchain starts gets a block
// with its command line, what it prints as it prints it, and how it ended. Double-clicking a
// compiler message takes the user to the line it names.
//
// The pane owns the programs it follows. Those still running when Orvane ends are asked to stop
// and, if they don't within a moment, killed: once the pane is gone nobody reads what they print.
class OutputPane final : public QDockWidget, public ProgramOutput {
    Q_OBJECT
public:
    // Docked in `frame`; its compiler messages open their sources in `workspace`.
    OutputPane(Workspace& workspace, QWidget& frame);
    ~OutputPane() override;

    QObject& programOwner() override { return *this; }
    void follow(QProcess& process, const QString& commandLine) override;
    void noteFailedStart(const QString& commandLine) override;

    QPlainTextEdit& view() const { return *txtOutput_; }
    QString text() const;
    // Shows the source line that line `line` (counted from 0) of the pane names, if that line is
    // a compiler message. True when it was one.
    bool activateLine(int line);
    int runningPrograms() const { return static_cast<int>(runs_.size()); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Run;

    QTextCursor startBlock(const QString& commandLine);
    void append(QTextCursor& end, const QString& text, const QTextCharFormat& format);
    void endBlock(QTextCursor& end, const QString& text, const QTextCharFormat& format);
    void readChannel(Run& run, QProcess::ProcessChannel channel);
    void finish(Run& run, int exitCode, QProcess::ExitStatus status);

    Workspace& workspace_;
    QPlainTextEdit* txtOutput_;
    std::vector<std::unique_ptr<Run>> runs_;
};

} // namespace orvane
