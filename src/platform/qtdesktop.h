#pragma once

#include "platform/desktop.h"

#include <QPointer>

class QWidget;

namespace orvane {

class HelpWindow;

// The product's desktop: Qt's dialogs, QProcess, QDesktopServices, the default printer.
class QtDesktop final : public Desktop {
public:
    ~QtDesktop() override;

    // Message boxes and file dialogs are shown over `owner` once it is set.
    void setOwner(QWidget* owner) { owner_ = owner; }

    MessageAnswer showMessage(const Message& message) override;
    std::optional<QString> askOpenFileName(const FileDialogRequest& request) override;
    std::optional<QString> askSaveFileName(const FileDialogRequest& request) override;
    int runModal(QDialog& dialog) override;
    QProcess* startProgram(const ProgramCall& call, QObject* parent) override;
    bool startDetached(const ProgramCall& call) override;
    QString findProgram(const QString& name) override;
    bool openUrl(const QUrl& url) override;
    void showHelp(const QString& helpFile) override;
    std::unique_ptr<QPrinter> defaultPrinter() override;
    QString clipboardText() override;
    void setClipboardText(const QString& text) override;
    void setBusyPointer(bool busy) override;
    QString programFolder() override;
    QSize screenSize() override;
    void endProgram() override;

private:
    QPointer<QWidget> owner_;
    QPointer<HelpWindow> helpWindow_;
};

} // namespace orvane
