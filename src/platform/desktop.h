#pragma once

#include "platform/message.h"

#include <QSize>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <memory>
#include <optional>

class QDialog;
class QPrinter;
class QProcess;
class QObject;

namespace orvane {

// What the Open and Save As dialogs are shown with. Filters use Qt's "Description (*.ext)" form.
struct FileDialogRequest {
    QStringList filters;
    int selectedFilter = 0;
    QString fileName;
};

struct ProgramCall {
    QString program;
    QStringList arguments;
    QString workingFolder;
};

// Everything that leaves the program goes through here, so tests can script the answers.
class Desktop {
public:
    virtual ~Desktop() = default;

    virtual MessageAnswer showMessage(const Message& message) = 0;

    // The chosen full path, or nothing when the user cancelled. Save As asks before it chooses a
    // file that exists; No leaves the dialog open for another choice.
    virtual std::optional<QString> askOpenFileName(const FileDialogRequest& request) = 0;
    virtual std::optional<QString> askSaveFileName(const FileDialogRequest& request) = 0;

    // Shows the dialog modally and returns its result code.
    virtual int runModal(QDialog& dialog) = 0;

    // Starts the program and returns at once; the caller owns the running process through
    // `parent`. Returns nullptr when the program cannot be started.
    virtual QProcess* startProgram(const ProgramCall& call, QObject* parent) = 0;
    // Starts a program that keeps running when Orvane ends; false when it cannot be started.
    virtual bool startDetached(const ProgramCall& call) = 0;
    // The full path of a program on the search path, or empty text.
    virtual QString findProgram(const QString& name) = 0;

    // The desktop's "open" action on a file or web address; false when the call itself failed.
    virtual bool openUrl(const QUrl& url) = 0;
    virtual void showHelp(const QString& helpFile) = 0;

    // The desktop's default printer, or nullptr when there is none.
    virtual std::unique_ptr<QPrinter> defaultPrinter() = 0;

    virtual QString clipboardText() = 0;
    virtual void setClipboardText(const QString& text) = 0;

    virtual void setBusyPointer(bool busy) = 0;

    virtual QString programFolder() = 0;
    virtual QSize screenSize() = 0;

    // Ends the program at once, without asking any window to close.
    virtual void endProgram() = 0;
};

// Shows the busy pointer for its lifetime, so every way out of an operation restores the normal
// one.
class BusyPointer {
public:
    explicit BusyPointer(Desktop& desktop) : desktop_(desktop) { desktop_.setBusyPointer(true); }
    ~BusyPointer() { desktop_.setBusyPointer(false); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

private:
    Desktop& desktop_;
};

} // namespace orvane
