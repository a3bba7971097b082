#include "search/searchdialog.h"

#include "document/documentwindow.h"
#include "document/workspace.h"
#include "platform/desktop.h"
#include "platform/dialogparts.h"
#include "platform/screencentre.h"
#include "search/findindocument.h"
#include "search/searchcommands.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace orvane {

namespace {

void keepPlaceWhenHidden(QWidget* widget) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

} // namespace

SearchDialog::SearchDialog(Workspace& workspace)
    : workspace_(workspace), lblFind_(Named(new QLabel(QStringLiteral("Find:"), this), "lblFind")),
      lblReplace_(Named(new QLabel(QStringLiteral("Replace:"), this), "lblReplace")),
      txtFind_(Named(new QLineEdit(this), "txtFind")),
      txtReplace_(Named(new QLineEdit(this), "txtReplace")),
      cmdFind_(PlainButton(QStringLiteral("&Find"), "cmdFind", this)),
      cmdCancel_(PlainButton(QStringLiteral("&Cancel"), "cmdCancel", this)),
      chkOpen_(KeepOpenBox(this)) {
    setObjectName(QStringLiteral("frmSearch"));
    setWindowTitle(QStringLiteral("Find and Replace"));
    lblFind_->setBuddy(txtFind_);
    lblReplace_->setBuddy(txtReplace_);
    txtFind_->setMinimumWidth(260);
    keepPlaceWhenHidden(lblReplace_);
    keepPlaceWhenHidden(txtReplace_);

    auto* grid = new QGridLayout(this);
    grid->addWidget(lblFind_, 0, 0);
    grid->addWidget(txtFind_, 0, 1);
    grid->addWidget(lblReplace_, 1, 0);
    grid->addWidget(txtReplace_, 1, 1);
    // The buttons keep a little distance from the boxes, also in Find mode.
    QHBoxLayout* buttons = KeepOpenRow(chkOpen_, {cmdFind_, cmdCancel_});
    grid->addLayout(buttons, 2, 0, 1, 2);
    grid->setRowMinimumHeight(2, 36);
    grid->setAlignment(buttons, Qt::AlignBottom);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    SetTabOrder({txtFind_, txtReplace_, cmdFind_, cmdCancel_, chkOpen_});

    cmdFind_->setEnabled(false);
    // Any change enables the button, also one that leaves the box empty.
    connect(txtFind_, &QLineEdit::textChanged, cmdFind_, [this] { cmdFind_->setEnabled(true); });
    connect(cmdFind_, &QPushButton::clicked, this, &SearchDialog::findClicked);
    connect(cmdCancel_, &QPushButton::clicked, this, &QDialog::reject);
    SelectAllOnFocus(*txtFind_);
    SelectAllOnFocus(*txtReplace_);

    CentreOnScreen(*this, workspace.desktop().screenSize());
}

void SearchDialog::hideReplaceRow() {
    lblReplace_->hide();
    txtReplace_->hide();
}

void SearchDialog::findClicked() {
    DocumentWindow* window = workspace_.activeDocument();
    if (!window)
        return;
    DocumentText document = window->text();
    RememberSearch(txtFind_->text());
    const SearchOutcome outcome =
        SearchDocument(SearchModeForCaption(windowTitle()), document.text(), txtFind_->text(),
                       txtReplace_->text(), chkOpen_->isChecked());
    if (!outcome.message.isEmpty()) {
        workspace_.desktop().showMessage({outcome.message, QStringLiteral("Orvane"),
                                          MessageButtons::Ok, MessageIcon::Information});
        return;
    }
    document.setSelStart(outcome.start);
    document.setSelLength(outcome.length);
    if (outcome.replacement)
        document.replaceSelection(*outcome.replacement);
    if (outcome.closeDialog)
        accept();
}

} // namespace orvane
