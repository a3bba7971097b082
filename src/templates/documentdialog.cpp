#include "templates/documentdialog.h"

#include "platform/dialogparts.h"
#include "templates/projectrules.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace orvane {

namespace {

// Designed sizes at 96 dots per inch: the text boxes 265 pixels wide, the description three
// lines high, the copyright box and the button about a quarter of that.
constexpr int fieldWidth = 265;
constexpr int descriptionLines = 3;
constexpr int shortFieldWidth = 80;

} // namespace

DocumentDialog::DocumentDialog(const QString& authorName, QWidget* parent)
    : QDialog(parent), txtProject_(new QLineEdit(QStringLiteral("Document1"), this)),
      txtAuthor_(new QLineEdit(authorName, this)),
      txtDescription_(new QPlainTextEdit(
          QStringLiteral("Type a brief description of your program here."), this)),
      cboCopyright_(new QComboBox(this)),
      cmdFinish_(PlainButton(QStringLiteral("&Finish"), "cmdFinish", this)) {
    setObjectName(QStringLiteral("frmDocument"));
    setWindowTitle(QStringLiteral("Document Properties"));

    txtProject_->setObjectName(QStringLiteral("txtProject"));
    txtAuthor_->setObjectName(QStringLiteral("txtAuthor"));
    txtDescription_->setObjectName(QStringLiteral("txtDescription"));
    txtDescription_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtDescription_->setTabChangesFocus(true);
    for (QWidget* box : {static_cast<QWidget*>(txtProject_), static_cast<QWidget*>(txtAuthor_),
                         static_cast<QWidget*>(txtDescription_)})
        box->installEventFilter(this);

    cboCopyright_->setObjectName(QStringLiteral("cboCopyright"));
    cboCopyright_->setEditable(true);
    cboCopyright_->setInsertPolicy(QComboBox::NoInsert);
    cboCopyright_->addItems({QStringLiteral("None"), QStringLiteral("2001"), QStringLiteral("2002"),
                             QStringLiteral("2003")});
    cboCopyright_->setCurrentIndex(1);

    // Enter belongs to the boxes (a new line in the description), never to the button.
    connect(cmdFinish_, &QPushButton::clicked, this, &QDialog::accept);

    buildLayout();
    txtProject_->setFocus(Qt::TabFocusReason);
}

void DocumentDialog::buildLayout() {
    auto* grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->setColumnMinimumWidth(1, fieldWidth);
    grid->addWidget(Named(new QLabel(QStringLiteral("Name:"), this), "Label1"), 0, 0);
    grid->addWidget(txtProject_, 0, 1);
    grid->addWidget(Named(new QLabel(QStringLiteral("Author:"), this), "Label2"), 1, 0);
    grid->addWidget(txtAuthor_, 1, 1);
    const int textInset = txtDescription_->frameWidth() +
                          static_cast<int>(txtDescription_->document()->documentMargin());
    const QFontMetrics metrics(txtDescription_->font());
    txtDescription_->setFixedHeight(metrics.lineSpacing() * descriptionLines + 2 * textInset);
    // The caption stands level with the description's first line.
    QLabel* descriptionLabel = Named(new QLabel(QStringLiteral("Description:"), this), "Label3");
    descriptionLabel->setContentsMargins(0, textInset, 0, 0);
    grid->addWidget(descriptionLabel, 2, 0, Qt::AlignTop);
    grid->addWidget(txtDescription_, 2, 1);
    grid->addWidget(Named(new QLabel(QStringLiteral("Copyright:"), this), "Label4"), 3, 0);
    cboCopyright_->setMinimumWidth(shortFieldWidth);
    grid->addWidget(cboCopyright_, 3, 1, Qt::AlignLeft);

    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    grid->addWidget(line, 4, 0, 1, 2);

    cmdFinish_->setMinimumWidth(shortFieldWidth);
    grid->addWidget(cmdFinish_, 5, 1, Qt::AlignRight);
}

ProjectValues DocumentDialog::answers() const {
    QString description = txtDescription_->toPlainText();
    description.replace(u'\n', QStringLiteral("\r\n"));
    return {txtProject_->text(), txtAuthor_->text(), description, cboCopyright_->currentText()};
}

bool DocumentDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (auto* line = qobject_cast<QLineEdit*>(watched))
            line->selectAll();
        else if (watched == txtDescription_)
            txtDescription_->selectAll();
    } else if (event->type() == QEvent::FocusOut && watched == txtProject_) {
        const QString cleaned = CleanProjectName(txtProject_->text());
        if (cleaned != txtProject_->text())
            txtProject_->setText(cleaned);
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace orvane
