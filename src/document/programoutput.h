#pragma once

#include <QString>

#include <functional>

class QObject;
class QProcess;

namespace orvane {

// The place where started programs write: each program gets its command line, what it prints
// and how it ended.
class ProgramOutput {
public:
    virtual ~ProgramOutput() = default;

    // Owns the programs it follows, so started programs are made its children.
    virtual QObject& programOwner() = 0;
    // Shows `commandLine` and follows `process` until it ends; takes ownership of it.
    virtual void follow(QProcess& process, const QString& commandLine) = 0;
    // What a compiler printed, both channels as they came, handed over when it has ended.
    using CompilerEnded = std::function<void(const QString& output, const QString& workingFolder)>;
    // As follow, for a compiler run on `sourcePath`: its messages about that file or another file
    // of its folder lead to the line they name, and `whenEnded` hears what it printed.
    virtual void followCompiler(QProcess& process, const QString& commandLine,
                                const QString& sourcePath, CompilerEnded whenEnded) = 0;
    // Shows `commandLine` as a program that could not be started.
    virtual void noteFailedStart(const QString& commandLine) = 0;
    // Shows `commandLine` as a program that was not started, and `reason` why.
    virtual void noteNotStarted(const QString& commandLine, const QString& reason) = 0;
};

} // namespace orvane
