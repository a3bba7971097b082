#include "document/gotoline.h"

#include "document/documentwindow.h"
#include "document/workspace.h"
#include "platform/desktop.h"
#include "platform/dialogparts.h"
#include "platform/screencentre.h"

#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTextBlock>

namespace orvane {

GoToLineDialog::GoToLineDialog(int lineCount, int currentLine, QWidget* parent)
    : QDialog(parent), txtLine_(Named(new QSpinBox(this), "txtLine")) {
    setObjectName(QStringLiteral("frmGoToLine"));
    setWindowTitle(QStringLiteral("Go to Line"));
    txtLine_->setRange(1, lineCount);
    txtLine_->setValue(currentLine);
    txtLine_->selectAll();
    auto* label =
        Named(new QLabel(QStringLiteral("&Line number (1 - %1):").arg(lineCount), this), "lblLine");
    label->setBuddy(txtLine_);
    // Enter confirms here: the box takes nothing else.
    auto* ok = Named(new QPushButton(QStringLiteral("&Ok"), this), "cmdOk");
    ok->setDefault(true);
    QPushButton* cancel = PlainButton(QStringLiteral("&Cancel"), "cmdCancel", this);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QGridLayout(this);
    layout->addWidget(label, 0, 0, 1, 3);
    layout->addWidget(txtLine_, 1, 0, 1, 3);
    layout->setColumnStretch(0, 1);
    layout->addWidget(ok, 2, 1);
    layout->addWidget(cancel, 2, 2);
}

int GoToLineDialog::line() const {
    return txtLine_->value();
}

void GoToLine(Workspace& workspace) {
    DocumentWindow* window = workspace.activeDocument();
    if (!window)
        return;
    QPlainTextEdit& editor = window->editor();
    GoToLineDialog dialog(editor.blockCount(), editor.textCursor().blockNumber() + 1,
                          &workspace.dialogParent());
    CentreOnScreen(dialog, workspace.desktop().screenSize());
    if (workspace.desktop().runModal(dialog) != QDialog::Accepted)
        return;
    editor.setTextCursor(QTextCursor(editor.document()->findBlockByNumber(dialog.line() - 1)));
    editor.centerCursor();
    editor.setFocus();
}

} // namespace orvane
