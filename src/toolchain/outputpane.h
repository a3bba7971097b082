#pragma once

#include <QDockWidget>
#include <QProcess>
#include <QTextCursor>

#include <memory>
#include <vector>

class QPlainTextEdit;
class QTextCharFormat;

namespace orvane {

class MainFrame;

// The "Output" pane at the bottom of the frame: each program the toolchain starts gets a block
// with its command line, what it prints as it prints it, and how it ended. Double-clicking a
// compiler message takes the user to the line it names.
//
// The pane owns the programs it follows. Those still running when Orvane ends are asked to stop
// and, if they don't within a moment, killed: once the pane is gone nobody reads what they print.
class OutputPane final : public QDockWidget {
    Q_OBJECT
public:
    explicit OutputPane(MainFrame& frame);
    ~OutputPane() override;

    // Shows `commandLine` and follows `process` until it ends; the pane owns it from now on.
    void follow(QProcess& process, const QString& commandLine);
    // Shows `commandLine` as a program that could not be started.
    void noteFailedStart(const QString& commandLine);

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

    MainFrame& frame_;
    QPlainTextEdit* txtOutput_;
    std::vector<std::unique_ptr<Run>> runs_;
};

// The frame's Output pane, created on first use, shown and brought to the front.
OutputPane& ShowOutputPane(MainFrame& frame);

} // namespace orvane
