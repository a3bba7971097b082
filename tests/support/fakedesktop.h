#pragma once

#include "platform/desktop.h"

#include <QClipboard>
#include <QDialog>
#include <QGuiApplication>
#include <QHash>
#include <QQueue>
#include <QTemporaryDir>

#include <functional>

namespace orvane::test {

// A scripted desktop: queued answers in, recorded calls out. Modal dialogs go to queued drivers
// instead of blocking; the clipboard is the real one.
class FakeDesktop final : public Desktop {
    QTemporaryDir folder_; // first, so it exists before programFolderPath is set from it

public:
    using DialogDriver = std::function<void(QDialog&)>;

    void answerMessage(MessageAnswer answer) { messageAnswers.enqueue(answer); }
    void answerFileDialog(std::optional<QString> path) { fileAnswers.enqueue(std::move(path)); }
    void driveDialog(DialogDriver driver) { dialogDrivers.enqueue(std::move(driver)); }
    QStringList missingPrograms;           // fail to start and are not found
    QHash<QString, QString> foundPrograms; // found here, whatever the search path holds
    QString printerOutputFile;             // empty: no default printer
    QString programFolderPath = folder_.path();
    QSize screen{1280, 1024};
    bool openUrlSucceeds = true;

    QList<Message> messages;
    QList<int> busyAtMessages; // busyDepth when each message was shown
    QList<FileDialogRequest> openRequests;
    QList<FileDialogRequest> saveRequests;
    QStringList overwriteQuestions; // existing files Save As asked about
    QQueue<bool> overwriteAnswers;  // without one, the user keeps the existing file
    QStringList modalDialogs;       // object names
    QList<ProgramCall> programCalls;
    QList<ProgramCall> detachedCalls; // recorded, never started
    QList<QUrl> openedUrls;
    QStringList helpFiles;
    int busyDepth = 0;
    int busyCalls = 0;
    int endProgramCalls = 0;
    QQueue<MessageAnswer> messageAnswers; // without one, the user takes the safest way out
    QQueue<std::optional<QString>> fileAnswers;
    QQueue<DialogDriver> dialogDrivers;
    std::function<void(const Message&)> onMessage; // sees each box while it is up

    MessageAnswer showMessage(const Message& message) override {
        messages.append(message);
        busyAtMessages.append(busyDepth);
        if (onMessage)
            onMessage(message);
        return messageAnswers.isEmpty() ? SafestAnswer(message.buttons) : messageAnswers.dequeue();
    }
    std::optional<QString> askOpenFileName(const FileDialogRequest& request) override {
        openRequests.append(request);
        return fileAnswers.isEmpty() ? std::nullopt : fileAnswers.dequeue();
    }
    // As the desktop's dialog: an existing file is only chosen after Yes to its question; No
    // leaves the dialog up for the next queued name, and with none left the user cancels.
    std::optional<QString> askSaveFileName(const FileDialogRequest& request) override;
    int runModal(QDialog& dialog) override;
    QProcess* startProgram(const ProgramCall& call, QObject* parent) override;
    bool startDetached(const ProgramCall& call) override {
        detachedCalls.append(call);
        return !missingPrograms.contains(call.program);
    }
    QString findProgram(const QString& name) override;
    bool openUrl(const QUrl& url) override {
        openedUrls.append(url);
        return openUrlSucceeds;
    }
    void showHelp(const QString& helpFile) override { helpFiles.append(helpFile); }
    std::unique_ptr<QPrinter> defaultPrinter() override;
    QString clipboardText() override { return QGuiApplication::clipboard()->text(); }
    void setClipboardText(const QString& text) override {
        QGuiApplication::clipboard()->setText(text);
    }
    void setBusyPointer(bool busy) override {
        busyDepth += busy ? 1 : -1;
        busyCalls += busy ? 1 : 0;
    }
    QString programFolder() override { return programFolderPath; }
    QSize screenSize() override { return screen; }
    void endProgram() override { ++endProgramCalls; }
};

} // namespace orvane::test
