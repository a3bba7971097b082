#include "toolchain/outputpane.h"

#include "document/workspace.h"
#include "toolchain/compilermessage.h"
#include "toolchain/sourcejump.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStringDecoder>
#include <QTextBlock>

namespace orvane {

namespace {

// How long a running program gets to stop by itself when Orvane ends.
constexpr int stopWaitMs = 1000;

QTextCharFormat commandFormat() {
    QTextCharFormat format;
    format.setFontWeight(QFont::Bold);
    return format;
}

QTextCharFormat errorFormat() {
    QTextCharFormat format;
    format.setForeground(QColor(0xa0, 0x10, 0x10));
    return format;
}

QTextCharFormat endFormat(bool failed) {
    QTextCharFormat format;
    format.setFontItalic(true);
    format.setForeground(failed ? QColor(0xa0, 0x10, 0x10) : QColor(0x50, 0x50, 0x50));
    return format;
}

QString endText(int exitCode, QProcess::ExitStatus status) {
    if (status == QProcess::CrashExit)
        return QStringLiteral("Ended abnormally");
    return QStringLiteral("Exit status %1").arg(exitCode);
}

} // namespace

struct OutputPane::Run {
    QProcess* process;
    QTextCursor end; // where this program's next output goes
    QStringDecoder standardOutput{QStringConverter::System};
    QStringDecoder standardError{QStringConverter::System};
};

OutputPane::OutputPane(Workspace& workspace, QWidget& frame)
    : QDockWidget(QStringLiteral("Output"), &frame), workspace_(workspace),
      txtOutput_(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("Output"));
    txtOutput_->setObjectName(QStringLiteral("txtOutput"));
    txtOutput_->setReadOnly(true);
    txtOutput_->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtOutput_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    txtOutput_->viewport()->installEventFilter(this);
    setWidget(txtOutput_);
}

OutputPane::~OutputPane() {
    for (const auto& run : runs_) {
        run->process->disconnect(this);
        run->process->terminate();
    }
    for (const auto& run : runs_) {
        if (!run->process->waitForFinished(stopWaitMs))
            run->process->kill();
    }
}

QString OutputPane::text() const {
    return txtOutput_->toPlainText();
}

void OutputPane::follow(QProcess& process, const QString& commandLine) {
    process.setParent(this);
    process.closeWriteChannel();
    runs_.push_back(std::make_unique<Run>(Run{&process, startBlock(commandLine)}));
    Run* run = runs_.back().get();
    connect(&process, &QProcess::readyReadStandardOutput, this,
            [this, run] { readChannel(*run, QProcess::StandardOutput); });
    connect(&process, &QProcess::readyReadStandardError, this,
            [this, run] { readChannel(*run, QProcess::StandardError); });
    connect(
        &process, &QProcess::finished, this,
        [this, run](int exitCode, QProcess::ExitStatus status) { finish(*run, exitCode, status); });
}

void OutputPane::noteFailedStart(const QString& commandLine) {
    QTextCursor end = startBlock(commandLine);
    endBlock(end, QStringLiteral("Could not start the program"), endFormat(true));
}

// A block is the command line, the output and the end line, followed by one line break that
// stays behind `end`: later output of this program goes before it, other programs' blocks after.
QTextCursor OutputPane::startBlock(const QString& commandLine) {
    QTextCursor end(txtOutput_->document());
    end.movePosition(QTextCursor::End);
    append(end, commandLine + u'\n', commandFormat());
    end.insertText(QStringLiteral("\n"), QTextCharFormat());
    end.movePosition(QTextCursor::PreviousCharacter);
    return end;
}

void OutputPane::append(QTextCursor& end, const QString& text, const QTextCharFormat& format) {
    QScrollBar* bar = txtOutput_->verticalScrollBar();
    const bool following = bar->value() == bar->maximum();
    QString plain = text;
    plain.remove(u'\r');
    end.insertText(plain, format);
    if (following)
        bar->setValue(bar->maximum());
}

void OutputPane::endBlock(QTextCursor& end, const QString& text, const QTextCharFormat& format) {
    const QChar before = txtOutput_->document()->characterAt(end.position() - 1);
    const bool atLineStart = before == QChar::ParagraphSeparator || end.position() == 0;
    append(end, (atLineStart ? QString() : QStringLiteral("\n")) + text + u'\n', format);
}

void OutputPane::readChannel(Run& run, QProcess::ProcessChannel channel) {
    const bool errors = channel == QProcess::StandardError;
    const QByteArray bytes =
        errors ? run.process->readAllStandardError() : run.process->readAllStandardOutput();
    if (bytes.isEmpty())
        return;
    QStringDecoder& decoder = errors ? run.standardError : run.standardOutput;
    append(run.end, decoder.decode(bytes), errors ? errorFormat() : QTextCharFormat());
}

void OutputPane::finish(Run& run, int exitCode, QProcess::ExitStatus status) {
    readChannel(run, QProcess::StandardOutput);
    readChannel(run, QProcess::StandardError);
    endBlock(run.end, endText(exitCode, status),
             endFormat(status == QProcess::CrashExit || exitCode != 0));
    run.process->disconnect(this);
    run.process->deleteLater();
    std::erase_if(runs_, [&run](const auto& each) { return each.get() == &run; });
}

bool OutputPane::activateLine(int line) {
    const QTextBlock block = txtOutput_->document()->findBlockByNumber(line);
    if (!block.isValid())
        return false;
    const std::optional<SourceLine> source = ParseCompilerMessage(block.text());
    if (!source)
        return false;
    // The compiler names the file as it was given, relative to the folder Orvane runs in.
    ShowSourceLine(workspace_, QDir::current().absoluteFilePath(source->path), source->line);
    return true;
}

bool OutputPane::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtOutput_->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const int line = txtOutput_->cursorForPosition(mouse->position().toPoint()).blockNumber();
        if (activateLine(line))
            return true;
    }
    return QDockWidget::eventFilter(watched, event);
}

} // namespace orvane
