#include "insert/variabledialog.h"

#include "document/documentwindow.h"
#include "document/workspace.h"
#include "insert/dialogsupport.h"
#include "platform/desktop.h"
#include "platform/dialogparts.h"
#include "platform/screencentre.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace orvane {

VariableDialog::VariableDialog(Workspace& workspace)
    : QDialog(&workspace.dialogParent()), workspace_(workspace),
      txtVariable_(NameBox("txtVariable", QStringLiteral("myVariableName"), 3735, this)),
      chkOpen_(KeepOpenBox(this)) {
    setObjectName(QStringLiteral("frmVariable"));
    setWindowTitle(QStringLiteral("Insert Variable"));

    auto* label1 = Named(new QLabel(QStringLiteral("Name:"), this), "Label1");
    auto* frame1 = Named(new QGroupBox(QStringLiteral("Data type:"), this), "Frame1");
    auto* types = new QGridLayout(frame1);
    // Three columns: int, long, double; float, short, char; boolean alone.
    types->addWidget(addTypeOption(JavaType::Int), 0, 0);
    types->addWidget(addTypeOption(JavaType::Long), 1, 0);
    types->addWidget(addTypeOption(JavaType::Double), 2, 0);
    types->addWidget(addTypeOption(JavaType::Float), 0, 1);
    types->addWidget(addTypeOption(JavaType::Short), 1, 1);
    types->addWidget(addTypeOption(JavaType::Char), 2, 1);
    QRadioButton* optBoolean = addTypeOption(JavaType::Boolean);
    types->addWidget(optBoolean, 0, 2);

    QPushButton* cmdOK = PlainButton(QStringLiteral("&Ok"), "cmdOK", this);
    QPushButton* cmdCancel = PlainButton(QStringLiteral("&Cancel"), "cmdCancel", this);

    auto* grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->addWidget(label1, 0, 0);
    grid->addWidget(txtVariable_, 0, 1);
    grid->addWidget(frame1, 1, 1);
    grid->addLayout(KeepOpenRow(chkOpen_, {cmdOK, cmdCancel}), 2, 0, 1, 2);

    // boolean was added last and comes last in tab order.
    SetTabOrder({options_[0].first, options_[1].first, options_[2].first, options_[3].first,
                 options_[4].first, options_[5].first, txtVariable_, cmdOK, cmdCancel, chkOpen_,
                 optBoolean});

    connect(cmdOK, &QPushButton::clicked, this, &VariableDialog::insertDeclaration);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    // The first option in tab order takes the focus at opening and with it the type.
    options_.front().first->setChecked(true);
    options_.front().first->setFocus();
    CentreOnScreen(*this, workspace.desktop().screenSize());
}

QRadioButton* VariableDialog::addTypeOption(JavaType type) {
    const QString keyword = JavaKeyword(type);
    auto* option = new QRadioButton(keyword, this);
    option->setObjectName(QStringLiteral("opt") + keyword.at(0).toUpper() + keyword.mid(1));
    options_.emplace_back(option, type);
    OnFocusIn(*option, [this, option, type] {
        option->setChecked(true);
        type_ = type;
    });
    return option;
}

void VariableDialog::insertDeclaration() {
    const InsertOutcome outcome = InsertVariable(
        txtVariable_->text(), type_, ActiveDocumentText(workspace_), chkOpen_->isChecked());
    if (outcome.message)
        workspace_.desktop().showMessage(*outcome.message);
    else if (DocumentWindow* window = workspace_.activeDocument())
        window->text().replaceSelection(outcome.text);
    if (outcome.closesDialog)
        done(outcome.message ? Rejected : Accepted);
}

} // namespace orvane
