#include "search/searchdialog.h"

#include "app/mainframe.h"
#include "document/documentwindow.h"
#include "platform/desktop.h"
#include "platform/screencentre.h"
#include "search/findindocument.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace orvane {

namespace {

// Neither button answers Enter: a press in the text boxes must not search by surprise.
QPushButton* plainButton(const QString& caption, const char* name, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

void keepPlaceWhenHidden(QWidget* widget) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

} // namespace

SearchDialog::SearchDialog(MainFrame& frame)
    : frame_(frame), lblFind_(new QLabel(QStringLiteral("Find:"), this)),
      lblReplace_(new QLabel(QStringLiteral("Replace:"), this)), txtFind_(new QLineEdit(this)),
      txtReplace_(new QLineEdit(this)),
      cmdFind_(plainButton(QStringLiteral("&Find"), "cmdFind", this)),
      cmdCancel_(plainButton(QStringLiteral("&Cancel"), "cmdCancel", this)),
      chkOpen_(new QCheckBox(QStringLiteral("Keep this dialog open"), this)) {
    setObjectName(QStringLiteral("frmSearch"));
    setWindowTitle(QStringLiteral("Find and Replace"));
    lblFind_->setObjectName(QStringLiteral("lblFind"));
    lblReplace_->setObjectName(QStringLiteral("lblReplace"));
    txtFind_->setObjectName(QStringLiteral("txtFind"));
    txtReplace_->setObjectName(QStringLiteral("txtReplace"));
    chkOpen_->setObjectName(QStringLiteral("chkOpen"));
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
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(chkOpen_);
    buttons->addStretch();
    buttons->addWidget(cmdFind_);
    buttons->addWidget(cmdCancel_);
    grid->addLayout(buttons, 2, 0, 1, 2);
    grid->setVerticalSpacing(8);
    grid->setRowMinimumHeight(2, 36);
    grid->setAlignment(buttons, Qt::AlignBottom);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(txtFind_, txtReplace_);
    setTabOrder(txtReplace_, cmdFind_);
    setTabOrder(cmdFind_, cmdCancel_);
    setTabOrder(cmdCancel_, chkOpen_);

    cmdFind_->setEnabled(false);
    // Any change enables the button, also one that leaves the box empty.
    connect(txtFind_, &QLineEdit::textChanged, cmdFind_, [this] { cmdFind_->setEnabled(true); });
    connect(cmdFind_, &QPushButton::clicked, this, &SearchDialog::findClicked);
    connect(cmdCancel_, &QPushButton::clicked, this, &QDialog::reject);
    txtFind_->installEventFilter(this);
    txtReplace_->installEventFilter(this);

    CentreOnScreen(*this, frame.desktop().screenSize());
}

void SearchDialog::hideReplaceRow() {
    lblReplace_->hide();
    txtReplace_->hide();
}

bool SearchDialog::eventFilter(QObject* watched, QEvent* event) {
    // A box selects its whole text on entry; a click would place the caret afterwards, so the
    // selection waits for the event to finish.
    if (event->type() == QEvent::FocusIn) {
        if (auto* box = qobject_cast<QLineEdit*>(watched))
            QTimer::singleShot(0, box, &QLineEdit::selectAll);
    }
    return QDialog::eventFilter(watched, event);
}

void SearchDialog::findClicked() {
    DocumentWindow* window = frame_.activeDocument();
    if (!window)
        return;
    DocumentText document = window->text();
    const SearchOutcome outcome =
        SearchDocument(SearchModeForCaption(windowTitle()), document.text(), txtFind_->text(),
                       txtReplace_->text(), chkOpen_->isChecked());
    if (!outcome.message.isEmpty()) {
        frame_.desktop().showMessage({outcome.message, QStringLiteral("Orvane"), MessageButtons::Ok,
                                      MessageIcon::Information});
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
