#include "toolchain/typingcheck.h"

#include "document/documentwindow.h"
#include "document/parsepath.h"
#include "document/workspace.h"
#include "platform/desktop.h"
#include "settings/editorsettings.h"
#include "toolchain/appletapichoice.h"
#include "toolchain/checkerprotocol.h"
#include "toolchain/compilermarkers.h"
#include "toolchain/diagnosticmarkers.h"
#include "toolchain/javapackage.h"
#include "toolchain/toolstarter.h"
#include "toolchain/typingchecker.h"

#include <QPlainTextEdit>
#include <QTextDocument>

namespace orvane {

namespace {

bool isJavaSource(const DocumentWindow& window) {
    return ParsePath(window.documentPath(), 5).toUpper() == u".JAVA";
}

// The editor's lines joined by "\n", as the checker counts lines and columns.
QString checkedText(const DocumentWindow& window) {
    return window.editor().document()->toRawText().replace(QChar::ParagraphSeparator, u'\n');
}

} // namespace

TypingCheck::TypingCheck(Workspace& workspace, QObject* parent)
    : QObject(parent), workspace_(workspace) {
    pause_.setSingleShot(true);
    pause_.setInterval(pauseMs);
    connect(&pause_, &QTimer::timeout, this, &TypingCheck::checkPending);
}

TypingCheck::~TypingCheck() = default;

void TypingCheck::watch(DocumentWindow& window) {
    connect(window.editor().document(), &QTextDocument::contentsChanged, this,
            [this, &window] { edited(window); });
    connect(&window, &QObject::destroyed, this, [this, key = &window] { sentTexts_.remove(key); });
}

void TypingCheck::edited(DocumentWindow& window) {
    if (off_)
        return;
    pending_ = &window;
    pause_.start();
}

void TypingCheck::checkPending() {
    DocumentWindow* window = pending_;
    pending_ = nullptr;
    if (!window || !isJavaSource(*window) ||
        !ReadEditorOptions(workspace_.settings()).checkAsYouType)
        return;
    const QString text = checkedText(*window);
    const auto sent = sentTexts_.constFind(window);
    // A file as it was just opened or generated is not what the user typed: no checker yet.
    if (sent == sentTexts_.cend() ? window->text().text() == window->textFormat().openedText
                                  : *sent == text)
        return;
    if (!checker_ && !startChecker())
        return;
    sentTexts_.insert(window, text);
    newest_ = {window, newest_.number + 1};
    const QString path = window->documentPath();
    checker_->check(newest_.number, path, JavaPackageRoot(path, text).root, text);
}

bool TypingCheck::startChecker() {
    const QString java = FindJdkProgram(workspace_, JdkTool::Interpreter);
    if (java.isEmpty()) {
        off_ = true;
        return false;
    }
    // As F4 compiles an applet, without the warning that the JDK's applet classes are marked
    // for removal, which would mark every applet.
    const AppletApiUse api = ChooseAppletApi(workspace_, java);
    QStringList options = api.options;
    if (api.api == AppletApi::Jdk)
        options << QStringLiteral("-Xlint:-removal");
    checker_ = new TypingChecker(
        workspace_.desktop(), CheckerCommand(java, workspace_.desktop().programFolder(), options),
        this);
    connect(checker_, &TypingChecker::answered, this, &TypingCheck::answered);
    connect(checker_, &TypingChecker::gaveUp, this, [this](const QString& reason) {
        off_ = true;
        workspace_.showStatusMessage(QStringLiteral("Checking Java as you type is off: ") + reason);
    });
    return true;
}

void TypingCheck::answered(qint64 number, const QList<CompilerDiagnostic>& diagnostics) {
    DocumentWindow* window = newest_.window;
    if (number != newest_.number || !window || sentTexts_.value(window) != checkedText(*window))
        return;
    MarkersOf(workspace_, *window).show(diagnostics);
}

} // namespace orvane
