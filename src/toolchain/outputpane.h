#pragma once

#include "document/programoutput.h"
#include "toolchain/outputhistory.h"

#include <QDockWidget>
#include <QProcess>
#include <QTextCursor>

#include <memory>
#include <vector>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTextCharFormat;
class QTimer;

namespace orvane {

class Workspace;

// The "Output" pane at the bottom of the frame: each program the toolchain starts gets a block
// with its command line, what it prints as it prints it, and how it ended. Double-clicking a
// compiler message about the compiled source's folder takes the user to the line it names.
// Under the text, a line sends typed input to the newest running program, and Stop ends the
// running programs. Only the most recent output is kept (OutputLimits).
//
// The pane owns the programs it follows. Those still running when Orvane ends are ended with
// whatever they started: once the pane is gone nobody reads what they print.
class OutputPane final : public QDockWidget, public ProgramOutput {
    Q_OBJECT
public:
    // Docked in `frame`; its compiler messages open their sources in `workspace`.
    OutputPane(Workspace& workspace, QWidget& frame, const OutputLimits& limits = {});
    ~OutputPane() override;

    QObject& programOwner() override { return *this; }
    void follow(QProcess& process, const QString& commandLine) override;
    void followCompiler(QProcess& process, const QString& commandLine, const QString& sourcePath,
                        CompilerEnded whenEnded) override;
    void noteFailedStart(const QString& commandLine) override;
    void noteNotStarted(const QString& commandLine, const QString& reason) override;

    QPlainTextEdit& view() const { return *txtOutput_; }
    QString text() const;
    // Shows the source line that line `line` (counted from 0) of the pane names, if that line is
    // a message of a compiler run about a file of the compiled source's folder. True when it was.
    bool activateLine(int line);
    int runningPrograms() const;
    // Lines of output no longer shown.
    qint64 droppedLines() const { return droppedLines_; }

    // Ends every running program and whatever it started.
    void stopPrograms();
    // Sends `line` and a line break to the newest running program that still takes input.
    void sendInput(const QString& line);
    // Closes that program's input, as the end of a file would.
    void endInput();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Block;

    std::unique_ptr<Block> startBlock(const QString& commandLine);
    void openBlock(Block& block, const QString& header);
    void append(Block& block, const QString& text, const QTextCharFormat& format);
    void endBlock(Block& block, const QString& text, const QTextCharFormat& format);
    void readChannel(Block& block, QProcess::ProcessChannel channel);
    void finish(Block& block);
    void trimHistory();
    Block* inputTarget() const;
    void showRunningState();

    Workspace& workspace_;
    OutputLimits limits_;
    QPlainTextEdit* txtOutput_;
    QLineEdit* txtInput_;
    QPushButton* cmdEndInput_;
    QPushButton* cmdStop_;
    QTimer* lingerCheck_;
    // Process groups of ended programs in which something they started still runs.
    std::vector<qint64> lingeringGroups_;
    // Running programs, and the finished compiler runs whose lines may still lead somewhere;
    // oldest first.
    std::vector<std::unique_ptr<Block>> blocks_;
    qint64 droppedLines_ = 0;
    bool noteShown_ = false; // the first line says that older output was dropped
    bool following_ = true;  // the view stays at the newest output
};

} // namespace orvane
