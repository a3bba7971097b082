#include "platform/qtdesktop.h"

#include "platform/helpwindow.h"
#include "platform/programstarter.h"
#include "platform/screencentre.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>

namespace orvane {

namespace {

QMessageBox::Icon boxIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons boxButtons(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::AbortRetryIgnore:
        return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    case MessageButtons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButton boxButton(MessageAnswer answer) {
    switch (answer) {
    case MessageAnswer::Ok:
        return QMessageBox::Ok;
    case MessageAnswer::Yes:
        return QMessageBox::Yes;
    case MessageAnswer::No:
        return QMessageBox::No;
    case MessageAnswer::Abort:
        return QMessageBox::Abort;
    case MessageAnswer::Retry:
        return QMessageBox::Retry;
    case MessageAnswer::Ignore:
        return QMessageBox::Ignore;
    case MessageAnswer::Dismissed:
        break;
    }
    return QMessageBox::NoButton;
}

MessageAnswer answerFor(int button, MessageButtons buttons) {
    switch (button) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Abort:
        return MessageAnswer::Abort;
    case QMessageBox::Retry:
        return MessageAnswer::Retry;
    case QMessageBox::Ignore:
        return MessageAnswer::Ignore;
    default:
        break;
    }
    // Closing the box with Escape or the title bar.
    return SafestAnswer(buttons);
}

QFileDialog* makeFileDialog(QWidget* owner, const FileDialogRequest& request) {
    auto* dialog = new QFileDialog(owner);
    dialog->setAttribute(Qt::WA_DeleteOnClose, false);
    dialog->setNameFilters(request.filters);
    if (request.selectedFilter >= 0 && request.selectedFilter < request.filters.size())
        dialog->selectNameFilter(request.filters.at(request.selectedFilter));
    if (!request.fileName.isEmpty())
        dialog->selectFile(request.fileName);
    return dialog;
}

std::optional<QString> runFileDialog(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
}

} // namespace

// The help window has no owner, so it goes with the desktop that opened it.
QtDesktop::~QtDesktop() {
    delete helpWindow_;
}

MessageAnswer QtDesktop::showMessage(const Message& message) {
    // A message without a title of its own carries the program's name.
    const QString title =
        message.title.isEmpty() ? QGuiApplication::applicationDisplayName() : message.title;
    QMessageBox box(boxIcon(message.icon), title, message.text, boxButtons(message.buttons),
                    owner_);
    // Escape and the title bar would press No; a hidden button of their own tells them apart.
    if (message.buttons == MessageButtons::YesNo) {
        QAbstractButton* dismiss = box.addButton(QMessageBox::Cancel);
        dismiss->hide();
        box.setEscapeButton(dismiss);
    }
    if (const QMessageBox::StandardButton chosen = boxButton(message.defaultAnswer);
        box.button(chosen))
        box.setDefaultButton(chosen);
    return answerFor(box.exec(), message.buttons);
}

std::optional<QString> QtDesktop::askOpenFileName(const FileDialogRequest& request) {
    std::unique_ptr<QFileDialog> dialog(makeFileDialog(owner_, request));
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::AnyFile);
    return runFileDialog(*dialog);
}

std::optional<QString> QtDesktop::askSaveFileName(const FileDialogRequest& request) {
    std::unique_ptr<QFileDialog> dialog(makeFileDialog(owner_, request));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    return runFileDialog(*dialog);
}

int QtDesktop::runModal(QDialog& dialog) {
    return dialog.exec();
}

QProcess* QtDesktop::startProgram(const ProgramCall& call, QObject* parent) {
    return StartProgram(call, parent);
}

bool QtDesktop::startDetached(const ProgramCall& call) {
    return StartDetachedProgram(call);
}

QString QtDesktop::findProgram(const QString& name) {
    return QStandardPaths::findExecutable(name);
}

bool QtDesktop::openUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

void QtDesktop::showHelp(const QString& helpFile) {
    if (!helpWindow_) {
        helpWindow_ = new HelpWindow;
        helpWindow_->setAttribute(Qt::WA_DeleteOnClose);
        CentreOnScreen(*helpWindow_, screenSize());
    }
    helpWindow_->showDocument(helpFile);
    helpWindow_->show();
    helpWindow_->raise();
    helpWindow_->activateWindow();
}

std::unique_ptr<QPrinter> QtDesktop::defaultPrinter() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return nullptr;
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

QString QtDesktop::clipboardText() {
    return QGuiApplication::clipboard()->text();
}

void QtDesktop::setClipboardText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

void QtDesktop::setBusyPointer(bool busy) {
    if (busy)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QGuiApplication::restoreOverrideCursor();
}

QString QtDesktop::programFolder() {
    return QCoreApplication::applicationDirPath();
}

QSize QtDesktop::screenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry().size() : QSize(1024, 768);
}

void QtDesktop::endProgram() {
    QCoreApplication::exit(0);
}

} // namespace orvane
