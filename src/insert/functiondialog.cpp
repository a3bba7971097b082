#include "insert/functiondialog.h"

#include "document/documentwindow.h"
#include "document/workspace.h"
#include "insert/dialogsupport.h"
#include "platform/desktop.h"
#include "platform/dialogparts.h"
#include "platform/screencentre.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace orvane {

FunctionDialog::FunctionDialog(Workspace& workspace)
    : QDialog(&workspace.dialogParent()), workspace_(workspace),
      txtFunction_(NameBox("txtFunction", QStringLiteral("myFunctionName"), 4215, this)),
      chkOpen_(KeepOpenBox(this)) {
    setObjectName(QStringLiteral("frmFunction"));
    setWindowTitle(QStringLiteral("Insert Function"));

    auto* label1 = Named(new QLabel(QStringLiteral("Name:"), this), "Label1");
    auto* frame1 = Named(new QGroupBox(QStringLiteral("Scope:"), this), "Frame1");
    auto* scopes = new QVBoxLayout(frame1);
    optPublic_ = addOption(frame1, QStringLiteral("public"), "optPublic");
    optPrivate_ = addOption(frame1, QStringLiteral("private"), "optPrivate");
    scopes->addWidget(optPublic_);
    scopes->addWidget(optPrivate_);

    // Four columns of two: void, int; double, float; long, short; boolean, char.
    auto* frame2 = Named(new QGroupBox(QStringLiteral("Data type:"), this), "Frame2");
    auto* types = new QGridLayout(frame2);
    const std::pair<JavaType, const char*> typeOptions[] = {
        {JavaType::Void, "optVoid"},       {JavaType::Int, "optInt"},
        {JavaType::Double, "optDouble"},   {JavaType::Float, "optFloat"},
        {JavaType::Long, "optLong"},       {JavaType::Short, "optShort"},
        {JavaType::Boolean, "optBoolean"}, {JavaType::Char, "optChar"}};
    for (const auto& [type, name] : typeOptions) {
        const int index = int(returnTypes_.size());
        QRadioButton* option = addOption(frame2, JavaKeyword(type), name);
        returnTypes_.emplace_back(option, type);
        types->addWidget(option, index % 2, index / 2);
    }

    QPushButton* cmdOK = PlainButton(QStringLiteral("&Ok"), "cmdOK", this);
    QPushButton* cmdCancel = PlainButton(QStringLiteral("&Cancel"), "cmdCancel", this);

    auto* name = new QHBoxLayout;
    name->addWidget(label1);
    name->addWidget(txtFunction_, 1);
    auto* frames = new QHBoxLayout;
    frames->addWidget(frame1);
    frames->addWidget(frame2, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(name);
    layout->addLayout(frames);
    layout->addLayout(KeepOpenRow(chkOpen_, {cmdOK, cmdCancel}));

    // char was added last and comes last in tab order.
    const auto type = [this](int index) {
        return returnTypes_.at(index).first;
    };
    SetTabOrder({txtFunction_, optPublic_, optPrivate_, type(0), type(1), type(2), type(3), type(4),
                 type(5), type(6), cmdOK, cmdCancel, chkOpen_, type(7)});

    connect(cmdOK, &QPushButton::clicked, this, &FunctionDialog::insertMethod);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    txtFunction_->setFocus();
    CentreOnScreen(*this, workspace.desktop().screenSize());
}

QRadioButton* FunctionDialog::addOption(QGroupBox* group, const QString& caption,
                                        const char* name) {
    return Named(new QRadioButton(caption, group), name);
}

std::optional<JavaType> FunctionDialog::selectedReturnType() const {
    for (const auto& [option, type] : returnTypes_) {
        if (option->isChecked())
            return type;
    }
    return std::nullopt;
}

std::optional<Scope> FunctionDialog::selectedScope() const {
    if (optPublic_->isChecked())
        return Scope::Public;
    if (optPrivate_->isChecked())
        return Scope::Private;
    return std::nullopt;
}

void FunctionDialog::insertMethod() {
    const InsertOutcome outcome =
        InsertFunction(txtFunction_->text(), selectedReturnType(), selectedScope(),
                       ActiveDocumentText(workspace_), chkOpen_->isChecked());
    if (outcome.message) {
        workspace_.desktop().showMessage(*outcome.message);
    } else if (DocumentWindow* window = workspace_.activeDocument()) {
        // The method follows the selection, which stays in the document.
        DocumentText text = window->text();
        text.setSelStart(text.selStart() + text.selLength());
        text.replaceSelection(outcome.text);
    }
    if (outcome.closesDialog)
        done(outcome.message ? Rejected : Accepted);
}

} // namespace orvane
