#include "insert/variabledialog.h"

#include "app/mainframe.h"
#include "document/documentwindow.h"
#include "insert/dialogsupport.h"
#include "platform/desktop.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace orvane {

VariableDialog::VariableDialog(MainFrame& frame)
    : QDialog(&frame), frame_(frame), txtVariable_(new QLineEdit(this)),
      chkOpen_(new QCheckBox(QStringLiteral("Keep this dialog open"), this)) {
    setObjectName(QStringLiteral("frmVariable"));
    setWindowTitle(QStringLiteral("Insert Variable"));

    auto* label1 = new QLabel(QStringLiteral("Name:"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    txtVariable_->setObjectName(QStringLiteral("txtVariable"));
    txtVariable_->setText(QStringLiteral("myVariableName"));
    txtVariable_->setMinimumWidth(Twips(3735));

    auto* frame1 = new QGroupBox(QStringLiteral("Data type:"), this);
    frame1->setObjectName(QStringLiteral("Frame1"));
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

    auto* cmdOK = new QPushButton(QStringLiteral("&Ok"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    auto* cmdCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    for (QPushButton* button : {cmdOK, cmdCancel})
        button->setAutoDefault(false);
    chkOpen_->setObjectName(QStringLiteral("chkOpen"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(chkOpen_);
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);

    auto* grid = new QGridLayout(this);
    grid->addWidget(label1, 0, 0);
    grid->addWidget(txtVariable_, 0, 1);
    grid->addWidget(frame1, 1, 1);
    grid->addLayout(buttons, 2, 0, 1, 2);

    // boolean was added last and comes last in tab order.
    SetTabOrder({options_[0].first, options_[1].first, options_[2].first, options_[3].first,
                 options_[4].first, options_[5].first, txtVariable_, cmdOK, cmdCancel, chkOpen_,
                 optBoolean});

    SelectAllOnFocus(*txtVariable_);
    RemoveBlanksOnFocusOut(*txtVariable_);
    connect(cmdOK, &QPushButton::clicked, this, &VariableDialog::insertDeclaration);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    // The first option in tab order takes the focus at opening and with it the type.
    options_.front().first->setChecked(true);
    options_.front().first->setFocus();
    FixAndCentre(*this, frame.desktop().screenSize());
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
    const InsertOutcome outcome = InsertVariable(txtVariable_->text(), type_,
                                                 ActiveDocumentText(frame_), chkOpen_->isChecked());
    if (outcome.message)
        frame_.desktop().showMessage(*outcome.message);
    else if (DocumentWindow* window = frame_.activeDocument())
        window->text().replaceSelection(outcome.text);
    if (outcome.closesDialog)
        done(outcome.message ? Rejected : Accepted);
}

} // namespace orvane
