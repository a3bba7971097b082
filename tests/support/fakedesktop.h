#pragma once

#include "platform/desktop.h"

#include <QDialog>
#include <QHash>
#include <QList>
#include <QQueue>
#include <QTemporaryDir>

#include <functional>

namespace orvane::test {

// A scripted desktop: queued answers in, recorded calls out. Modal dialogs are handed to queued
// drivers instead of blocking; the clipboard is the real one.
class FakeDesktop final : public Desktop {
public:
    using DialogDriver = std::function<void(QDialog&)>;

    FakeDesktop();

    // --- scripting
    void answerMessage(MessageAnswer answer) { messageAnswers.enqueue(answer); }
    void answerFileDialog(std::optional<QString> path) { fileAnswers.enqueue(std::move(path)); }
    void driveDialog(DialogDriver driver) { dialogDrivers.enqueue(std::move(driver)); }
    // Programs named here fail to start; others start for real.
    QStringList missingPrograms;
    // Where findProgram finds these names, whatever the search path holds.
    QHash<QString, QString> foundPrograms;
    QString printerOutputFile; // where the default printer prints; empty means no printer
    QString programFolderPath;
    QSize screen{1280, 1024};
    bool openUrlSucceeds = true;

    // --- records
    QList<Message> messages;
    QList<int> busyAtMessages; // busyDepth when each message was shown
    QList<FileDialogRequest> openRequests;
    QList<FileDialogRequest> saveRequests;
    QList<QString> modalDialogs; // object names of the dialogs run modally
    QList<ProgramCall> programCalls;
    QList<QUrl> openedUrls;
    QStringList helpFiles;
    int busyDepth = 0;
    int busyCalls = 0;
    int endProgramCalls = 0;

    MessageAnswer showMessage(const Message& message) override;
    std::optional<QString> askOpenFileName(const FileDialogRequest& request) override;
    std::optional<QString> askSaveFileName(const FileDialogRequest& request) override;
    int runModal(QDialog& dialog) override;
    QProcess* startProgram(const ProgramCall& call, QObject* parent) override;
    QString findProgram(const QString& name) override;
    bool openUrl(const QUrl& url) override;
    void showHelp(const QString& helpFile) override;
    std::unique_ptr<QPrinter> defaultPrinter() override;
    QString clipboardText() override;
    void setClipboardText(const QString& text) override;
    void setBusyPointer(bool busy) override;
    QString programFolder() override { return programFolderPath; }
    QSize screenSize() override { return screen; }
    void endProgram() override { ++endProgramCalls; }

    QQueue<MessageAnswer> messageAnswers;
    QQueue<std::optional<QString>> fileAnswers;
    QQueue<DialogDriver> dialogDrivers;

private:
    QTemporaryDir folder_;
};

} // namespace orvane::test
