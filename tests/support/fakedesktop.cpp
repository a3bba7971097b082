#include "fakedesktop.h"

#include "platform/programstarter.h"

#include <QFileInfo>
#include <QPrinter>
#include <QStandardPaths>

namespace orvane::test {

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

std::optional<QString> FakeDesktop::askSaveFileName(const FileDialogRequest& request) {
    saveRequests.append(request);
    while (!fileAnswers.isEmpty()) {
        const std::optional<QString> chosen = fileAnswers.dequeue();
        if (!chosen || !QFileInfo::exists(*chosen))
            return chosen;
        overwriteQuestions.append(*chosen);
        if (!overwriteAnswers.isEmpty() && overwriteAnswers.dequeue())
            return chosen;
    }
    return std::nullopt;
}

QProcess* FakeDesktop::startProgram(const ProgramCall& call, QObject* parent) {
    programCalls.append(call);
    return missingPrograms.contains(call.program) ? nullptr : StartProgram(call, parent);
}

QString FakeDesktop::findProgram(const QString& name) {
    if (missingPrograms.contains(name))
        return {};
    return foundPrograms.value(name, QStandardPaths::findExecutable(name));
}

std::unique_ptr<QPrinter> FakeDesktop::defaultPrinter() {
    if (printerOutputFile.isEmpty())
        return nullptr;
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(printerOutputFile);
    return printer;
}

} // namespace orvane::test
