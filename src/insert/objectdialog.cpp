#include "insert/objectdialog.h"

#include "app/mainframe.h"
#include "document/documentwindow.h"
#include "insert/dialogsupport.h"
#include "platform/desktop.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace orvane {

namespace {

constexpr int textBoxWidth = 3015;
constexpr int numberBoxLength = 3;

void AddLabel(QGridLayout* grid, int row, const char* name, const QString& caption) {
    auto* label = new QLabel(caption);
    label->setObjectName(QString::fromLatin1(name));
    grid->addWidget(label, row, 0);
}

// A box for a three-digit number: room for the digits, one more for its frame and margins.
void MakeNumberBox(QLineEdit& box) {
    box.setMaxLength(numberBoxLength);
    const int digits = box.fontMetrics().horizontalAdvance(QStringLiteral("0000"));
    box.setFixedWidth(qMax(Twips(495), digits));
}

} // namespace

ObjectDialog::ObjectDialog(MainFrame& frame)
    : QDialog(&frame), frame_(frame), SSTab_(new QTabWidget(this)),
      chkOpen_(new QCheckBox(QStringLiteral("Keep this dialog open"), this)) {
    const BusyPointer busy(frame.desktop());
    setObjectName(QStringLiteral("frmObject"));
    setWindowTitle(QStringLiteral("Insert Object"));
    SSTab_->setObjectName(QStringLiteral("SSTab"));
    // All six captions stay in view; the dialog grows to fit them.
    SSTab_->setUsesScrollButtons(false);

    buildLabelPage();
    buildTextPage();
    buildFontPage();
    buildOptionsPage();
    buildButtonPage();
    buildScrollbarPage();
    // The fields of every tab start at the same distance from its left edge.
    alignFieldColumns();

    auto* command1 = new QPushButton(QStringLiteral("&OK"), this);
    command1->setObjectName(QStringLiteral("Command1"));
    auto* command2 = new QPushButton(QStringLiteral("&Cancel"), this);
    command2->setObjectName(QStringLiteral("Command2"));
    for (QPushButton* button : {command1, command2})
        button->setAutoDefault(false);
    chkOpen_->setObjectName(QStringLiteral("chkOpen"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(chkOpen_);
    buttons->addStretch();
    buttons->addWidget(command1);
    buttons->addWidget(command2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SSTab_);
    layout->addLayout(buttons);

    SetTabOrder({SSTab_,           txtLabelName_,      txtLabelCaption_,  txtTextName_,
                 txtTextCaption_,  cboTextLength_,     optTextArea_,      optTextField_,
                 txtFontName_,     cboFontStyle_,      cboFontType_,      cboFontSize_,
                 txtOptionsName_,  txtOptionsCaption_, optCheckbox_,      optRadio_,
                 txtButtonName_,   txtButtonCaption_,  txtScrollbarName_, cboScrollbarStyle_,
                 txtScrollbarMin_, txtScrollbarMax_,   txtScrollbarSize_, txtScrollbarLocation_,
                 command1,         command2,           chkOpen_});

    OnFocusIn(*optTextArea_, [this] { cboTextLength_->setEnabled(false); });
    OnFocusIn(*optTextField_, [this] { cboTextLength_->setEnabled(true); });
    connect(command1, &QPushButton::clicked, this, &ObjectDialog::insertObject);
    connect(command2, &QPushButton::clicked, this, &QDialog::reject);

    FixAndCentre(*this, frame.desktop().screenSize());
}

QGridLayout* ObjectDialog::addPage(const QString& caption) {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->setColumnStretch(1, 1);
    SSTab_->addTab(page, caption);
    return grid;
}

void ObjectDialog::alignFieldColumns() {
    QList<QGridLayout*> grids;
    int widest = 0;
    for (int i = 0; i < SSTab_->count(); ++i) {
        auto* grid = static_cast<QGridLayout*>(SSTab_->widget(i)->layout());
        grids << grid;
        for (int row = 0; row < grid->rowCount(); ++row) {
            if (QLayoutItem* item = grid->itemAtPosition(row, 0); item && item->widget())
                widest = qMax(widest, item->widget()->sizeHint().width());
        }
    }
    for (QGridLayout* grid : grids)
        grid->setColumnMinimumWidth(0, widest);
}

QLineEdit* ObjectDialog::addTextBox(QGridLayout* grid, int row, const char* labelName,
                                    const QString& caption, const char* name, const QString& text) {
    AddLabel(grid, row, labelName, caption);
    auto* box = new QLineEdit(text);
    box->setObjectName(QString::fromLatin1(name));
    box->setMinimumWidth(Twips(textBoxWidth));
    SelectAllOnFocus(*box);
    grid->addWidget(box, row, 1);
    return box;
}

QComboBox* ObjectDialog::addList(QGridLayout* grid, int row, const char* labelName,
                                 const QString& caption, const char* name, const QStringList& items,
                                 int preset, int widthTwips) {
    AddLabel(grid, row, labelName, caption);
    auto* list = new QComboBox;
    list->setObjectName(QString::fromLatin1(name));
    list->setEditable(true);
    // Typed values are used as they stand: not completed from the list, not added to it.
    list->setCompleter(nullptr);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->addItems(items);
    list->setCurrentIndex(preset);
    list->setMinimumWidth(Twips(widthTwips));
    // A list as wide as the text boxes lines up with them; narrower ones keep to the left.
    grid->addWidget(list, row, 1, widthTwips < textBoxWidth ? Qt::AlignLeft : Qt::Alignment());
    return list;
}

QRadioButton* ObjectDialog::addOption(QGridLayout* grid, int row, const QString& caption,
                                      const char* name) {
    auto* option = new QRadioButton(caption);
    option->setObjectName(QString::fromLatin1(name));
    grid->addWidget(option, row, 1);
    return option;
}

void ObjectDialog::buildLabelPage() {
    QGridLayout* grid = addPage(QStringLiteral("Label"));
    txtLabelName_ = addTextBox(grid, 0, "Label1", QStringLiteral("Name:"), "txtLabelName",
                               QStringLiteral("lblLabel1"));
    txtLabelCaption_ = addTextBox(grid, 1, "Label2", QStringLiteral("Caption:"), "txtLabelCaption",
                                  QStringLiteral("This is a label control"));
    grid->setRowStretch(2, 1);
}

void ObjectDialog::buildTextPage() {
    QGridLayout* grid = addPage(QStringLiteral("Text"));
    txtTextName_ = addTextBox(grid, 0, "Label3", QStringLiteral("Name:"), "txtTextName",
                              QStringLiteral("txtText1"));
    txtTextCaption_ = addTextBox(grid, 1, "Label4", QStringLiteral("Text:"), "txtTextCaption",
                                 QStringLiteral("Type some text here"));
    cboTextLength_ = addList(grid, 2, "Label5", QStringLiteral("Length:"), "cboTextLength",
                             TextLengthChoices(), 0, 975);
    AddLabel(grid, 3, "Label6", QStringLiteral("Type:"));
    optTextArea_ = addOption(grid, 3, QStringLiteral("Multiline text area"), "optTextArea");
    optTextField_ = addOption(grid, 4, QStringLiteral("Single line text field"), "optTextField");
    grid->setRowStretch(5, 1);
}

void ObjectDialog::buildFontPage() {
    QGridLayout* grid = addPage(QStringLiteral("Font"));
    txtFontName_ = addTextBox(grid, 0, "Label7", QStringLiteral("Name:"), "txtFontName",
                              QStringLiteral("fntFont1"));
    cboFontStyle_ = addList(grid, 1, "Label8", QStringLiteral("Style:"), "cboFontStyle",
                            FontFamilyChoices(), 2, 1695);
    cboFontType_ = addList(grid, 2, "Label9", QStringLiteral("Type:"), "cboFontType",
                           FontStyleChoices(), 0, 1695);
    cboFontSize_ = addList(grid, 3, "Label10", QStringLiteral("Size:"), "cboFontSize",
                           FontSizeChoices(), 2, 735);
    grid->setRowStretch(4, 1);
}

void ObjectDialog::buildOptionsPage() {
    QGridLayout* grid = addPage(QStringLiteral("Options"));
    txtOptionsName_ = addTextBox(grid, 0, "Label11", QStringLiteral("Name:"), "txtOptionsName",
                                 QStringLiteral("optOption1"));
    txtOptionsCaption_ = addTextBox(grid, 1, "Label12", QStringLiteral("Caption:"),
                                    "txtOptionsCaption", QStringLiteral("Option control caption"));
    AddLabel(grid, 2, "Label13", QStringLiteral("Type:"));
    optCheckbox_ = addOption(grid, 2, QStringLiteral("Checkbox"), "optCheckbox");
    optRadio_ = addOption(grid, 3, QStringLiteral("Radio button"), "optRadio");
    grid->setRowStretch(4, 1);
}

void ObjectDialog::buildButtonPage() {
    QGridLayout* grid = addPage(QStringLiteral("Button"));
    txtButtonName_ = addTextBox(grid, 0, "Label14", QStringLiteral("Name:"), "txtButtonName",
                                QStringLiteral("btnButton1"));
    txtButtonCaption_ = addTextBox(grid, 1, "Label15", QStringLiteral("Caption:"),
                                   "txtButtonCaption", QStringLiteral("Button caption"));
    grid->setRowStretch(2, 1);
}

void ObjectDialog::buildScrollbarPage() {
    QGridLayout* grid = addPage(QStringLiteral("Scrollbar"));
    QWidget* page = grid->parentWidget();
    txtScrollbarName_ = addTextBox(grid, 0, "Label16", QStringLiteral("Name:"), "txtScrollbarName",
                                   QStringLiteral("scrScroll1"));
    cboScrollbarStyle_ = addList(grid, 1, "Label17", QStringLiteral("Style:"), "cboScrollbarStyle",
                                 ScrollbarOrientationChoices(), 0, textBoxWidth);

    const auto numberFrame = [page](const char* name, const QString& caption) {
        auto* box = new QGroupBox(caption, page);
        box->setObjectName(QString::fromLatin1(name));
        return box;
    };
    const auto numberBox = [this](QGridLayout* frameGrid, int row, const char* labelName,
                                  const QString& caption, const char* name, const QString& text) {
        QLineEdit* box = addTextBox(frameGrid, row, labelName, caption, name, text);
        MakeNumberBox(*box);
        return box;
    };
    // The thumb values stand on the left, the size values on the right.
    QGroupBox* frame2 = numberFrame("Frame2", QStringLiteral("Thumb Values:"));
    auto* thumb = new QGridLayout(frame2);
    txtScrollbarSize_ = numberBox(thumb, 0, "Label18", QStringLiteral("Size:"), "txtScrollbarSize",
                                  QStringLiteral("10"));
    txtScrollbarLocation_ = numberBox(thumb, 1, "Label21", QStringLiteral("Location:"),
                                      "txtScrollbarLocation", QStringLiteral("1"));
    QGroupBox* frame1 = numberFrame("Frame1", QStringLiteral("Size Values:"));
    auto* range = new QGridLayout(frame1);
    txtScrollbarMin_ = numberBox(range, 0, "Label19", QStringLiteral("Minimum:"), "txtScrollbarMin",
                                 QStringLiteral("1"));
    txtScrollbarMax_ = numberBox(range, 1, "Label20", QStringLiteral("Maximum:"), "txtScrollbarMax",
                                 QStringLiteral("100"));

    auto* frames = new QHBoxLayout;
    frames->addWidget(frame2);
    frames->addWidget(frame1);
    grid->addLayout(frames, 2, 0, 1, 2);
    grid->setRowStretch(3, 1);
}

void ObjectDialog::showPage(ObjectPage page) {
    SSTab_->setCurrentIndex(int(page));
}

void ObjectDialog::preselect(ObjectOption option) {
    switch (option) {
    case ObjectOption::TextArea:
        cboTextLength_->setEnabled(false);
        optTextArea_->setChecked(true);
        break;
    case ObjectOption::TextField:
        optTextField_->setChecked(true);
        break;
    case ObjectOption::Checkbox:
        optCheckbox_->setChecked(true);
        break;
    case ObjectOption::RadioButton:
        optRadio_->setChecked(true);
        break;
    }
}

ObjectForm ObjectDialog::form() const {
    ObjectForm form;
    form.page = ObjectPage(SSTab_->currentIndex());
    form.textAreaChosen = optTextArea_->isChecked();
    form.textFieldChosen = optTextField_->isChecked();
    form.checkboxChosen = optCheckbox_->isChecked();
    form.radioChosen = optRadio_->isChecked();
    form.keepOpen = chkOpen_->isChecked();
    auto& values = form.values;
    values[int(ObjectPage::Label)] = {.name = txtLabelName_->text(),
                                      .caption = txtLabelCaption_->text()};
    values[int(ObjectPage::Text)] = {.name = txtTextName_->text(),
                                     .text = txtTextCaption_->text(),
                                     .length = cboTextLength_->currentText()};
    values[int(ObjectPage::Font)] = {.name = txtFontName_->text(),
                                     .family = cboFontStyle_->currentText(),
                                     .style = cboFontType_->currentText(),
                                     .size = cboFontSize_->currentText()};
    values[int(ObjectPage::Options)] = {.name = txtOptionsName_->text(),
                                        .caption = txtOptionsCaption_->text()};
    values[int(ObjectPage::Button)] = {.name = txtButtonName_->text(),
                                       .caption = txtButtonCaption_->text()};
    values[int(ObjectPage::Scrollbar)] = {.name = txtScrollbarName_->text(),
                                          .orientation = cboScrollbarStyle_->currentText(),
                                          .location = txtScrollbarLocation_->text(),
                                          .thumbSize = txtScrollbarSize_->text(),
                                          .minimum = txtScrollbarMin_->text(),
                                          .maximum = txtScrollbarMax_->text()};
    return form;
}

void ObjectDialog::insertObject() {
    const ObjectOutcome outcome = InsertObject(form(), ActiveDocumentText(frame_));
    if (DocumentWindow* window = frame_.activeDocument()) {
        DocumentText text = window->text();
        for (const MarkerEdit& edit : outcome.edits) {
            text.setSelStart(edit.position);
            text.setSelLength(edit.length);
            text.replaceSelection(edit.replacement);
        }
    }
    if (outcome.message)
        frame_.desktop().showMessage(*outcome.message);
    if (outcome.closesDialog)
        done(outcome.message ? Rejected : Accepted);
}

} // namespace orvane
