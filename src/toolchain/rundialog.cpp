#include "toolchain/rundialog.h"

#include "document/errortrap.h"
#include "document/openinbrowser.h"
#include "document/textformat.h"
#include "document/workspace.h"
#include "platform/desktop.h"
#include "platform/dialogparts.h"
#include "platform/screencentre.h"
#include "toolchain/appletapichoice.h"
#include "toolchain/appletviewerchoice.h"
#include "toolchain/javapackage.h"
#include "toolchain/toolstarter.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace orvane {

RunDialog::RunDialog(Workspace& workspace)
    : workspace_(workspace),
      Label2_(Named(new QLabel(QStringLiteral("Select the project you wish to run:")), "Label2")),
      cmdBegin_(PlainButton(QStringLiteral("&Begin"), "cmdBegin")),
      Frame1_(Named(new QGroupBox(QStringLiteral("Run project with:")), "Frame1")),
      optJava_(Named(new QRadioButton(QStringLiteral("JavaViewer (CLASS files only)")), "optJava")),
      optApplet_(
          Named(new QRadioButton(QStringLiteral("AppletViewer (HTML files only)")), "optApplet")),
      optWeb_(Named(new QRadioButton(QStringLiteral("Web browser (HTML files only)")), "optWeb")),
      cmdCancel_(PlainButton(QStringLiteral("&Cancel"), "cmdCancel")),
      File1_(Named(new QListWidget, "File1")) {
    setObjectName(QStringLiteral("frmRun"));
    setWindowTitle(QStringLiteral("Run Project"));
    layOut();
    fillFileList();

    optWeb_->setChecked(true);
    // Begin comes alive only once the user has been to the tool options.
    cmdBegin_->setEnabled(false);
    for (QRadioButton* option : {optJava_, optApplet_, optWeb_})
        OnFocusIn(*option, [this] { cmdBegin_->setEnabled(true); });
    File1_->setFocus();

    connect(cmdBegin_, &QPushButton::clicked, this, &RunDialog::begin);
    connect(cmdCancel_, &QPushButton::clicked, this, &QDialog::reject);

    CentreOnScreen(*this, workspace_.desktop().screenSize());
}

void RunDialog::layOut() {
    File1_->setSelectionMode(QAbstractItemView::SingleSelection);
    File1_->setMinimumSize(280, 110);

    auto* options = new QVBoxLayout(Frame1_);
    options->addWidget(optWeb_);
    options->addWidget(optApplet_);
    options->addWidget(optJava_);

    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(12);
    grid->addWidget(Label2_, 0, 0);
    grid->addWidget(cmdBegin_, 0, 1);
    grid->addWidget(File1_, 1, 0);
    grid->addWidget(cmdCancel_, 1, 1, Qt::AlignTop);
    grid->addWidget(Frame1_, 2, 0);
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(1, 1);

    SetTabOrder({cmdBegin_, optJava_, optApplet_, optWeb_, cmdCancel_, File1_});
    // The list shows a handful of names at first; it grows with the dialog.
    resize(minimumSizeHint());
}

// The folder's files, then those of its subfolders, where packages live, by their path below it.
// Hidden and system files are left out; a missing folder lists nothing.
void RunDialog::fillFileList() {
    const QDir folder(workspace_.projectsFolder());
    File1_->addItems(folder.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase));
    QStringList below;
    QDirIterator files(folder.path(), {QStringLiteral("*.class"), QStringLiteral("*.html")},
                       QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString name = folder.relativeFilePath(files.next());
        if (name.contains(u'/'))
            below.append(name);
    }
    below.sort(Qt::CaseInsensitive);
    File1_->addItems(below);
}

QString RunDialog::selectedName() const {
    const QList<QListWidgetItem*> selected = File1_->selectedItems();
    return selected.isEmpty() ? QString() : selected.constFirst()->text();
}

RunTool RunDialog::chosenTool() const {
    if (optJava_->isChecked())
        return RunTool::JavaInterpreter;
    if (optApplet_->isChecked())
        return RunTool::AppletViewer;
    return RunTool::WebBrowser;
}

void RunDialog::begin() {
    const RunAction action =
        ChooseRunAction(selectedName(), chosenTool(), workspace_.projectsFolder(), sourcePackage());
    switch (action.kind) {
    case RunAction::Kind::Message:
        workspace_.desktop().showMessage(
            {action.text, QStringLiteral("Orvane"), MessageButtons::Ok, MessageIcon::Information});
        return;
    case RunAction::Kind::OpenPage:
        OpenInBrowser(workspace_.desktop(), action.text);
        break;
    case RunAction::Kind::StartTool:
        startTool(action);
        break;
    }
    accept();
}

// The package the source beside the selected class names, if there is such a source.
QString RunDialog::sourcePackage() const {
    const QString name = selectedName();
    if (!name.endsWith(QStringLiteral(".class"), Qt::CaseInsensitive))
        return {};
    QString className = QFileInfo(name).completeBaseName();
    className.truncate(className.indexOf(u'$') < 0 ? className.size() : className.indexOf(u'$'));
    QFile source(
        QDir(workspace_.projectsFolder())
            .filePath(QFileInfo(name).path() + u'/' + className + QStringLiteral(".java")));
    if (!source.open(QIODevice::ReadOnly))
        return {};
    return JavaPackageName(DecodeDocumentBytes(source.read(1 << 20)).text);
}

// The applet viewer's failure to start is reported; the interpreter's ends quietly, and the
// Output pane shows either way that the program did not start.
void RunDialog::startTool(const RunAction& action) {
    if (action.tool == JdkTool::AppletViewer) {
        showApplet(action.arguments.constFirst());
        return;
    }
    const BusyPointer busy(workspace_.desktop());
    const QString java = LocateJdkProgram(workspace_, action.tool);
    const AppletApiUse api = ChooseAppletApi(workspace_, java);
    // The note is for runs that need Orvane's applet classes; others run as they always did.
    StartTool(workspace_, {java, api.options + action.arguments},
              {.note = api.api == AppletApi::Orvane ? AppletApiNote(api.api) : QString()});
}

// JDK 11 and later have no applet viewer; Orvane's own takes its place, with Orvane's applet
// classes where the JDK has none. When the runtime still has no applet classes, the user is told
// why nothing showed, and what to do.
void RunDialog::showApplet(const QString& page) {
    Desktop& desktop = workspace_.desktop();
    const QString java = FindJdkProgram(workspace_, JdkTool::Interpreter);
    const AppletApiUse api = ChooseAppletApi(workspace_, java);
    AppletViewerChoice viewer =
        ChooseAppletViewer(FindJdkProgram(workspace_, JdkTool::AppletViewer), java,
                           desktop.programFolder(), page, api.options);
    ToolRun run{.note = viewer.note};
    if (viewer.builtIn) {
        run.note += u'\n' + AppletApiNote(api.api);
        run.watchedLine = viewerNoAppletClassesLine;
        run.whenEnded = [&desktop](bool noAppletClasses) {
            if (noAppletClasses)
                desktop.showMessage({AppletViewerNoClassesMessage(), QStringLiteral("Orvane"),
                                     MessageButtons::Ok, MessageIcon::Exclamation});
        };
    }
    RunTrappedSteps(desktop, {[&] {
                        return StartTool(workspace_, viewer.command, run);
                    }});
}

} // namespace orvane
