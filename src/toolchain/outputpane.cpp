#include "toolchain/outputpane.h"

#include "document/workspace.h"
#include "platform/programstarter.h"
#include "toolchain/compilermessage.h"
#include "toolchain/outputformats.h"
#include "toolchain/sourcejump.h"

#include <QDir>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTextBlock>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace orvane {

namespace {

bool isEndOfInputKey(const QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    return key->key() == Qt::Key_D && key->modifiers() == Qt::ControlModifier;
}

} // namespace

// One program's part of the pane: its command line, its output, and how it ended, followed by a
// line break that stays behind `end`, so later output of this program goes before it and other
// programs' blocks after it.
struct OutputPane::Block {
    QString commandLine;
    QTextCursor start; // at the command line
    QTextCursor end;   // where the next output goes
    // Compiler runs: the compiled source, and the folder relative names in messages start from.
    QString sourcePath;
    QString workingFolder;
    QString compilerOutput;
    CompilerEnded whenEnded;
    QProcess* process = nullptr; // while the program runs
    QStringDecoder standardOutput{QStringConverter::System};
    QStringDecoder standardError{QStringConverter::System};
    TerminalText outputText;
    TerminalText errorText;
    qint64 group = 0; // the process group the program and what it starts run in
    bool takesInput = true;
    bool stopped = false;
};

OutputPane::OutputPane(Workspace& workspace, QWidget& frame, const OutputLimits& limits)
    : QDockWidget(QStringLiteral("Output"), &frame), workspace_(workspace), limits_(limits),
      txtOutput_(new QPlainTextEdit), txtInput_(new QLineEdit),
      cmdEndInput_(new QPushButton(QStringLiteral("End of Input"))),
      cmdStop_(new QPushButton(QStringLiteral("Stop"))), lingerCheck_(new QTimer(this)) {
    lingerCheck_->setInterval(500); // looks this often whether what ended programs left ended
    connect(lingerCheck_, &QTimer::timeout, this, &OutputPane::showRunningState);
    setObjectName(QStringLiteral("Output"));
    txtOutput_->setObjectName(QStringLiteral("txtOutput"));
    txtOutput_->setReadOnly(true);
    txtOutput_->setUndoRedoEnabled(false); // an undo record of every chunk would grow forever
    txtOutput_->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtOutput_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    txtOutput_->viewport()->installEventFilter(this);

    txtInput_->setObjectName(QStringLiteral("txtInput"));
    txtInput_->setPlaceholderText(
        QStringLiteral("Input for the running program: Enter sends the line, Ctrl+D ends input"));
    txtInput_->installEventFilter(this);
    connect(txtInput_, &QLineEdit::returnPressed, this, [this] {
        sendInput(txtInput_->text());
        txtInput_->clear();
    });
    cmdEndInput_->setObjectName(QStringLiteral("cmdEndInput"));
    connect(cmdEndInput_, &QPushButton::clicked, this, &OutputPane::endInput);
    cmdStop_->setObjectName(QStringLiteral("cmdStop"));
    cmdStop_->setToolTip(QStringLiteral("End the running programs and what they started"));
    connect(cmdStop_, &QPushButton::clicked, this, &OutputPane::stopPrograms);

    auto* controls = new QHBoxLayout;
    controls->addWidget(txtInput_, 1);
    controls->addWidget(cmdEndInput_);
    controls->addWidget(cmdStop_);
    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(txtOutput_, 1);
    layout->addLayout(controls);
    setWidget(body);

    // The view follows the newest output until the user scrolls away from the end.
    QScrollBar* bar = txtOutput_->verticalScrollBar();
    connect(bar, &QScrollBar::valueChanged, this,
            [this, bar](int value) { following_ = value >= bar->maximum(); });
    connect(bar, &QScrollBar::rangeChanged, this, [this, bar] {
        if (following_)
            bar->setValue(bar->maximum());
    });
    showRunningState();
}

OutputPane::~OutputPane() {
    // How long Orvane waits for an ended program to be gone when it closes.
    constexpr int stopWaitMs = 1000;
    for (const qint64 group : lingeringGroups_)
        EndProgramGroup(group);
    for (const auto& block : blocks_) {
        if (block->process) {
            block->process->disconnect(this);
            EndProgramTree(*block->process);
        }
    }
    for (const auto& block : blocks_) {
        if (block->process)
            block->process->waitForFinished(stopWaitMs);
    }
}

QString OutputPane::text() const {
    return txtOutput_->toPlainText();
}

int OutputPane::runningPrograms() const {
    return static_cast<int>(std::ranges::count_if(
        blocks_, [](const auto& block) { return block->process != nullptr; }));
}

void OutputPane::follow(QProcess& process, const QString& commandLine) {
    followCompiler(process, commandLine, QString(), {});
}

void OutputPane::followCompiler(QProcess& process, const QString& commandLine,
                                const QString& sourcePath, CompilerEnded whenEnded) {
    process.setParent(this);
    std::unique_ptr<Block> started = startBlock(commandLine);
    started->process = &process;
    started->group = process.processId();
    started->sourcePath = sourcePath;
    started->whenEnded = std::move(whenEnded);
    started->workingFolder =
        process.workingDirectory().isEmpty() ? QDir::currentPath() : process.workingDirectory();
    Block* block = started.get();
    blocks_.push_back(std::move(started));
    connect(&process, &QProcess::readyReadStandardOutput, this,
            [this, block] { readChannel(*block, QProcess::StandardOutput); });
    connect(&process, &QProcess::readyReadStandardError, this,
            [this, block] { readChannel(*block, QProcess::StandardError); });
    connect(&process, &QProcess::finished, this, [this, block] { finish(*block); });
    connect(&process, &QProcess::errorOccurred, this, [this, block](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            finish(*block);
    });
    trimHistory();
    showRunningState();
}

void OutputPane::noteFailedStart(const QString& commandLine) {
    noteNotStarted(commandLine, QStringLiteral("Could not start the program"));
}

void OutputPane::noteNotStarted(const QString& commandLine, const QString& reason) {
    std::unique_ptr<Block> block = startBlock(commandLine);
    endBlock(*block, reason, EndFormat(true));
}

std::unique_ptr<OutputPane::Block> OutputPane::startBlock(const QString& commandLine) {
    auto block = std::make_unique<Block>();
    block->commandLine = commandLine;
    openBlock(*block, commandLine);
    // A new program is what the user waits for: show it even when they had scrolled away.
    following_ = true;
    QScrollBar* bar = txtOutput_->verticalScrollBar();
    bar->setValue(bar->maximum());
    return block;
}

void OutputPane::openBlock(Block& block, const QString& header) {
    QTextDocument* document = txtOutput_->document();
    QTextCursor end(document);
    end.movePosition(QTextCursor::End);
    const int startPosition = end.position();
    end.insertText(header + u'\n', CommandFormat());
    end.insertText(QStringLiteral("\n"), QTextCharFormat());
    end.movePosition(QTextCursor::PreviousCharacter);
    block.end = end;
    // Placed after the insertion: a cursor where text goes in moves along with it.
    block.start = QTextCursor(document);
    block.start.setPosition(startPosition);
}

void OutputPane::append(Block& block, const QString& text, const QTextCharFormat& format) {
    const FittedOutput fitted = FitOutput(text, block.end.positionInBlock(), limits_);
    droppedLines_ += fitted.droppedLines;
    // A carriage return starts the line afresh: a progress counter overwrites itself.
    const QStringList parts = fitted.text.split(u'\r');
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (i > 0) {
            QTextCursor line = block.end;
            line.movePosition(QTextCursor::StartOfBlock, QTextCursor::KeepAnchor);
            line.removeSelectedText();
        }
        if (!parts.at(i).isEmpty())
            block.end.insertText(parts.at(i), format);
    }
    trimHistory();
}

void OutputPane::endBlock(Block& block, const QString& text, const QTextCharFormat& format) {
    const bool atLineStart = block.end.atBlockStart();
    append(block, (atLineStart ? QString() : QStringLiteral("\n")) + text + u'\n', format);
}

void OutputPane::readChannel(Block& block, QProcess::ProcessChannel channel) {
    const bool errors = channel == QProcess::StandardError;
    const QByteArray bytes =
        errors ? block.process->readAllStandardError() : block.process->readAllStandardOutput();
    if (bytes.isEmpty())
        return;
    QStringDecoder& decoder = errors ? block.standardError : block.standardOutput;
    const QString text = decoder.decode(bytes);
    if (block.whenEnded && block.compilerOutput.size() < limits_.characters)
        block.compilerOutput += text;
    TerminalText& terminal = errors ? block.errorText : block.outputText;
    append(block, terminal.feed(text), errors ? ErrorFormat() : QTextCharFormat());
}

void OutputPane::finish(Block& block) {
    readChannel(block, QProcess::StandardOutput);
    readChannel(block, QProcess::StandardError);
    const bool failed = block.stopped || block.process->exitStatus() == QProcess::CrashExit ||
                        block.process->exitCode() != 0;
    endBlock(block, EndText(*block.process, block.stopped), EndFormat(failed));
    block.process->disconnect(this);
    block.process->deleteLater();
    block.process = nullptr;
    if (block.whenEnded)
        block.whenEnded(std::exchange(block.compilerOutput, QString()), block.workingFolder);
    // What the program started may outlive it; Stop stays until that has ended too.
    if (!block.stopped && ProgramGroupAlive(block.group))
        lingeringGroups_.push_back(block.group);
    if (block.sourcePath.isEmpty())
        std::erase_if(blocks_, [&block](const auto& each) { return each.get() == &block; });
    showRunningState();
}

// Drops the oldest lines once the pane holds more than its limits, down to nine tenths of them
// so that a busy program doesn't make every chunk cut the top. A running program whose whole
// block went carries on in a new block at the end.
void OutputPane::trimHistory() {
    QTextDocument* document = txtOutput_->document();
    if (document->blockCount() > limits_.lines || document->characterCount() > limits_.characters) {
        const int lines = document->blockCount() - limits_.lines / 10 * 9;
        const int characters = document->characterCount() - limits_.characters / 10 * 9;
        QTextBlock first = document->firstBlock();
        if (noteShown_)
            first = first.next();
        QTextBlock kept = first;
        int removedLines = 0;
        int removedCharacters = 0;
        while (kept.next().isValid() && (removedLines < lines || removedCharacters < characters)) {
            removedCharacters += kept.length();
            ++removedLines;
            kept = kept.next();
        }
        std::vector<Block*> cutOff;
        Block* cutThrough = nullptr; // its command line goes, some of its output stays
        for (const auto& block : blocks_) {
            if (block->end.position() < kept.position())
                cutOff.push_back(block.get());
            else if (block->start.position() < kept.position())
                cutThrough = block.get();
        }
        QTextCursor cut(document);
        cut.setPosition(first.position());
        cut.setPosition(kept.position(), QTextCursor::KeepAnchor);
        cut.removeSelectedText();
        droppedLines_ += removedLines;
        if (cutThrough) {
            cut.insertText(cutThrough->commandLine + QStringLiteral(" (continued)\n"),
                           CommandFormat());
            cutThrough->start.setPosition(first.position());
        }
        for (Block* block : cutOff) {
            if (block->process)
                openBlock(*block, block->commandLine + QStringLiteral(" (continued)"));
        }
        std::erase_if(blocks_, [&cutOff](const auto& block) {
            return !block->process && std::ranges::find(cutOff, block.get()) != cutOff.end();
        });
    }
    const QString noteText = DroppedLinesNote(droppedLines_);
    if (droppedLines_ == 0 || (noteShown_ && document->firstBlock().text() == noteText))
        return;
    QTextCursor note(document);
    if (noteShown_)
        note.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    note.insertText(noteText + (noteShown_ ? QString() : QStringLiteral("\n")), NoteFormat());
    noteShown_ = true;
}

OutputPane::Block* OutputPane::inputTarget() const {
    const auto found =
        std::ranges::find_if(blocks_.rbegin(), blocks_.rend(),
                             [](const auto& block) { return block->process && block->takesInput; });
    return found == blocks_.rend() ? nullptr : found->get();
}

void OutputPane::sendInput(const QString& line) {
    Block* block = inputTarget();
    if (!block)
        return;
    QStringEncoder encoder(QStringConverter::System);
    const QByteArray bytes = encoder.encode(line + u'\n');
    block->process->write(bytes);
    append(*block, line + u'\n', InputFormat());
}

void OutputPane::endInput() {
    Block* block = inputTarget();
    if (!block)
        return;
    block->process->closeWriteChannel();
    block->takesInput = false;
    showRunningState();
}

void OutputPane::stopPrograms() {
    for (const auto& block : blocks_) {
        if (block->process) {
            block->stopped = true;
            EndProgramTree(*block->process);
        }
    }
    for (const qint64 group : lingeringGroups_)
        EndProgramGroup(group);
    lingeringGroups_.clear();
    showRunningState();
}

void OutputPane::showRunningState() {
    std::erase_if(lingeringGroups_, [](qint64 group) { return !ProgramGroupAlive(group); });
    cmdStop_->setVisible(runningPrograms() > 0 || !lingeringGroups_.empty());
    if (lingeringGroups_.empty())
        lingerCheck_->stop();
    else if (!lingerCheck_->isActive())
        lingerCheck_->start();
    const bool input = inputTarget() != nullptr;
    txtInput_->setEnabled(input);
    cmdEndInput_->setEnabled(input);
}

bool OutputPane::activateLine(int line) {
    const QTextBlock textBlock = txtOutput_->document()->findBlockByNumber(line);
    if (!textBlock.isValid())
        return false;
    const int position = textBlock.position();
    for (const auto& block : blocks_) {
        if (block->sourcePath.isEmpty() || position < block->start.position() ||
            position > block->end.position())
            continue;
        const std::optional<SourceLine> source =
            CompilerJumpTarget(textBlock.text(), block->sourcePath, block->workingFolder);
        if (!source)
            return false;
        ShowSourceLine(workspace_, source->path, source->line);
        return true;
    }
    return false;
}

bool OutputPane::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtOutput_->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const int line = txtOutput_->cursorForPosition(mouse->position().toPoint()).blockNumber();
        if (activateLine(line))
            return true;
    }
    // Ctrl+D belongs to the input line while it has the focus, not to the Edit menu.
    if (watched == txtInput_ && isEndOfInputKey(event)) {
        if (event->type() == QEvent::ShortcutOverride)
            event->accept();
        else
            endInput();
        return true;
    }
    return QDockWidget::eventFilter(watched, event);
}

} // namespace orvane
