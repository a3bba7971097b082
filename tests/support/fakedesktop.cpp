#include "fakedesktop.h"

#include "platform/programstarter.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QPrinter>
#include <QStandardPaths>

namespace orvane::test {

// folder_ is declared after programFolderPath, so it is only ready in the body.
FakeDesktop::FakeDesktop() {
    programFolderPath = folder_.path();
}

MessageAnswer FakeDesktop::showMessage(const Message& message) {
    messages.append(message);
    busyAtMessages.append(busyDepth);
    // Without a scripted answer the user takes the safest way out.
    return messageAnswers.isEmpty() ? SafestAnswer(message.buttons) : messageAnswers.dequeue();
}

std::optional<QString> FakeDesktop::askOpenFileName(const FileDialogRequest& request) {
    openRequests.append(request);
    return fileAnswers.isEmpty() ? std::nullopt : fileAnswers.dequeue();
}

std::optional<QString> FakeDesktop::askSaveFileName(const FileDialogRequest& request) {
    saveRequests.append(request);
    return fileAnswers.isEmpty() ? std::nullopt : fileAnswers.dequeue();
}

int FakeDesktop::runModal(QDialog& dialog) {
    modalDialogs.append(dialog.objectName());
    if (dialogDrivers.isEmpty())
        return QDialog::Rejected;
    dialog.setResult(QDialog::Rejected);
    dialog.show();
    dialogDrivers.dequeue()(dialog);
    dialog.hide();
    return dialog.result();
}

QProcess* FakeDesktop::startProgram(const ProgramCall& call, QObject* parent) {
    programCalls.append(call);
    if (missingPrograms.contains(call.program))
        return nullptr;
    return StartProgram(call, parent);
}

QString FakeDesktop::findProgram(const QString& name) {
    if (missingPrograms.contains(name))
        return {};
    if (foundPrograms.contains(name))
        return foundPrograms.value(name);
    return QStandardPaths::findExecutable(name);
}

bool FakeDesktop::openUrl(const QUrl& url) {
    openedUrls.append(url);
    return openUrlSucceeds;
}

void FakeDesktop::showHelp(const QString& helpFile) {
    helpFiles.append(helpFile);
}

std::unique_ptr<QPrinter> FakeDesktop::defaultPrinter() {
    if (printerOutputFile.isEmpty())
        return nullptr;
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(printerOutputFile);
    return printer;
}

QString FakeDesktop::clipboardText() {
    return QGuiApplication::clipboard()->text();
}

void FakeDesktop::setClipboardText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

void FakeDesktop::setBusyPointer(bool busy) {
    busyDepth += busy ? 1 : -1;
    if (busy)
        ++busyCalls;
}

} // namespace orvane::test
