#include "templates/documentdialog.h"

#include "document/typedtext.h"
#include "platform/desktop.h"
#include "platform/dialogparts.h"
#include "templates/projectrules.h"

#include <QComboBox>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>

namespace orvane {

namespace {

// Designed sizes at 96 dots per inch: the text boxes 265 pixels wide, the description three
// lines high, the copyright box and the button about a quarter of that.
constexpr int fieldWidth = 265;
constexpr int descriptionLines = 3;
constexpr int shortFieldWidth = 80;

bool projectExists(const QString& folder, const QString& name) {
    return QFileInfo::exists(folder + name + ProjectFileExtension(ProjectFileKind::Page)) ||
           QFileInfo::exists(folder + name + ProjectFileExtension(ProjectFileKind::Source));
}

QString freeProjectName(const QString& folder) {
    for (int number = 1;; ++number) {
        const QString name = QStringLiteral("Document") + QString::number(number);
        if (!projectExists(folder, name))
            return name;
    }
}

} // namespace

DocumentDialog::DocumentDialog(Desktop& desktop, const QString& authorName,
                               const QString& projectsFolder, QWidget* parent)
    : QDialog(parent), desktop_(desktop), projectsFolder_(projectsFolder),
      txtProject_(new QLineEdit(freeProjectName(projectsFolder), this)),
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
        SelectAllOnFocus(*box);
    OnFocusOut(*txtProject_, [this] {
        const QString cleaned = CleanProjectName(txtProject_->text());
        if (cleaned != txtProject_->text())
            txtProject_->setText(cleaned);
    });

    cboCopyright_->setObjectName(QStringLiteral("cboCopyright"));
    cboCopyright_->setEditable(true);
    // A typed year is used as it stands: "200" is not completed to "2001".
    cboCopyright_->setCompleter(nullptr);
    cboCopyright_->setInsertPolicy(QComboBox::NoInsert);
    cboCopyright_->addItems({QStringLiteral("None"), QStringLiteral("2001"), QStringLiteral("2002"),
                             QStringLiteral("2003")});
    cboCopyright_->setCurrentIndex(1);

    // Enter belongs to the boxes (a new line in the description), never to the button.
    connect(cmdFinish_, &QPushButton::clicked, this, &DocumentDialog::finishClicked);

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

// A name that would put the files outside the projects folder is refused here, while the other
// answers are still in their boxes.
void DocumentDialog::finishClicked() {
    const QString name = TrimBlanks(txtProject_->text());
    const QString refusal = ProjectNameRefusal(name);
    if (refusal.isEmpty() && mayReplace(name)) {
        accept();
        return;
    }
    if (!refusal.isEmpty())
        desktop_.showMessage(
            {refusal, QStringLiteral("Orvane"), MessageButtons::Ok, MessageIcon::Information});
    txtProject_->setFocus(Qt::OtherFocusReason);
}

// The files of a project already there hold the user's work: Yes alone replaces them, and Enter
// keeps them.
bool DocumentDialog::mayReplace(const QString& name) {
    if (!projectExists(projectsFolder_, name))
        return true;
    return desktop_.showMessage({QStringLiteral("The project [") + name +
                                     QStringLiteral("] already exists in the projects folder. "
                                                    "Replace its files?"),
                                 QStringLiteral("Orvane"), MessageButtons::YesNo,
                                 MessageIcon::Question, MessageAnswer::No}) == MessageAnswer::Yes;
}

ProjectValues DocumentDialog::answers() const {
    // The raw text keeps non-breaking spaces, which the plain text would turn into blanks.
    QString description = txtDescription_->document()->toRawText();
    for (const QChar lineBreak : {QChar(QChar::ParagraphSeparator), QChar(QChar::LineSeparator)})
        description.replace(lineBreak, QStringLiteral("\r\n"));
    return {txtProject_->text(), txtAuthor_->text(), description, cboCopyright_->currentText()};
}

} // namespace orvane
