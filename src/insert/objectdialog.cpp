#include "insert/objectdialog.h"

#include "document/documentwindow.h"
#include "document/workspace.h"
#include "insert/dialogsupport.h"
#include "platform/desktop.h"
#include "platform/dialogparts.h"
#include "platform/screencentre.h"

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
    grid->addWidget(Named(new QLabel(caption), name), row, 0);
}

// A box for a three-digit number: room for the digits, one more for its frame and margins.
void MakeNumberBox(QLineEdit& box) {
    box.setMaxLength(numberBoxLength);
    const int digits = box.fontMetrics().horizontalAdvance(QStringLiteral("0000"));
    box.setFixedWidth(qMax(Twips(495), digits));
}

} // namespace

ObjectDialog::ObjectDialog(Workspace& workspace)
    : QDialog(&workspace.dialogParent()), workspace_(workspace),
      SSTab_(Named(new QTabWidget(this), "SSTab")), chkOpen_(KeepOpenBox(this)) {
    const BusyPointer busy(workspace.desktop());
    setObjectName(QStringLiteral("frmObject"));
    setWindowTitle(QStringLiteral("Insert Object"));
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

    QPushButton* command1 = PlainButton(QStringLiteral("&OK"), "Command1", this);
    QPushButton* command2 = PlainButton(QStringLiteral("&Cancel"), "Command2", this);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(SSTab_);
    layout->addLayout(KeepOpenRow(chkOpen_, {command1, command2}));

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

    CentreOnScreen(*this, workspace.desktop().screenSize());
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

int ObjectDialog::addTextBoxes(QGridLayout* grid, std::initializer_list<TextBoxRow> rows) {
    int row = 0;
    for (const TextBoxRow& entry : rows) {
        AddLabel(grid, row, entry.labelName, QString::fromLatin1(entry.caption));
        auto* box = Named(new QLineEdit(QString::fromLatin1(entry.text)), entry.name);
        box->setMinimumWidth(Twips(textBoxWidth));
        SelectAllOnFocus(*box);
        grid->addWidget(box, row++, 1);
        *entry.box = box;
    }
    return row;
}

QComboBox* ObjectDialog::addList(QGridLayout* grid, int row, const char* labelName,
                                 const QString& caption, const char* name, const QStringList& items,
                                 int preset, int widthTwips) {
    AddLabel(grid, row, labelName, caption);
    auto* list = Named(new QComboBox, name);
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
    auto* option = Named(new QRadioButton(caption), name);
    grid->addWidget(option, row, 1);
    return option;
}

void ObjectDialog::buildLabelPage() {
    QGridLayout* grid = addPage(QStringLiteral("Label"));
    const int end = addTextBoxes(
        grid,
        {{&txtLabelName_, "Label1", "Name:", "txtLabelName", "lblLabel1"},
         {&txtLabelCaption_, "Label2", "Caption:", "txtLabelCaption", "This is a label control"}});
    grid->setRowStretch(end, 1);
}

void ObjectDialog::buildTextPage() {
    QGridLayout* grid = addPage(QStringLiteral("Text"));
    const int row = addTextBoxes(
        grid, {{&txtTextName_, "Label3", "Name:", "txtTextName", "txtText1"},
               {&txtTextCaption_, "Label4", "Text:", "txtTextCaption", "Type some text here"}});
    cboTextLength_ = addList(grid, row, "Label5", QStringLiteral("Length:"), "cboTextLength",
                             TextLengthChoices(), 0, 975);
    AddLabel(grid, row + 1, "Label6", QStringLiteral("Type:"));
    optTextArea_ = addOption(grid, row + 1, QStringLiteral("Multiline text area"), "optTextArea");
    optTextField_ =
        addOption(grid, row + 2, QStringLiteral("Single line text field"), "optTextField");
    grid->setRowStretch(row + 3, 1);
}

void ObjectDialog::buildFontPage() {
    QGridLayout* grid = addPage(QStringLiteral("Font"));
    const int row =
        addTextBoxes(grid, {{&txtFontName_, "Label7", "Name:", "txtFontName", "fntFont1"}});
    cboFontStyle_ = addList(grid, row, "Label8", QStringLiteral("Style:"), "cboFontStyle",
                            FontFamilyChoices(), 2, 1695);
    cboFontType_ = addList(grid, row + 1, "Label9", QStringLiteral("Type:"), "cboFontType",
                           FontStyleChoices(), 0, 1695);
    cboFontSize_ = addList(grid, row + 2, "Label10", QStringLiteral("Size:"), "cboFontSize",
                           FontSizeChoices(), 2, 735);
    grid->setRowStretch(row + 3, 1);
}

void ObjectDialog::buildOptionsPage() {
    QGridLayout* grid = addPage(QStringLiteral("Options"));
    const int row =
        addTextBoxes(grid, {{&txtOptionsName_, "Label11", "Name:", "txtOptionsName", "optOption1"},
                            {&txtOptionsCaption_, "Label12", "Caption:", "txtOptionsCaption",
                             "Option control caption"}});
    AddLabel(grid, row, "Label13", QStringLiteral("Type:"));
    optCheckbox_ = addOption(grid, row, QStringLiteral("Checkbox"), "optCheckbox");
    optRadio_ = addOption(grid, row + 1, QStringLiteral("Radio button"), "optRadio");
    grid->setRowStretch(row + 2, 1);
}

void ObjectDialog::buildButtonPage() {
    QGridLayout* grid = addPage(QStringLiteral("Button"));
    const int end = addTextBoxes(
        grid, {{&txtButtonName_, "Label14", "Name:", "txtButtonName", "btnButton1"},
               {&txtButtonCaption_, "Label15", "Caption:", "txtButtonCaption", "Button caption"}});
    grid->setRowStretch(end, 1);
}

void ObjectDialog::buildScrollbarPage() {
    QGridLayout* grid = addPage(QStringLiteral("Scrollbar"));
    QWidget* page = grid->parentWidget();
    const int row = addTextBoxes(
        grid, {{&txtScrollbarName_, "Label16", "Name:", "txtScrollbarName", "scrScroll1"}});
    cboScrollbarStyle_ =
        addList(grid, row, "Label17", QStringLiteral("Style:"), "cboScrollbarStyle",
                ScrollbarOrientationChoices(), 0, textBoxWidth);

    // Each frame holds two number boxes, close beside their captions.
    const auto numberFrame = [this, page](const char* name, const QString& caption,
                                          std::initializer_list<TextBoxRow> rows) {
        auto* frame = Named(new QGroupBox(caption, page), name);
        auto* frameGrid = new QGridLayout(frame);
        frameGrid->setColumnStretch(2, 1);
        addTextBoxes(frameGrid, rows);
        for (const TextBoxRow& entry : rows)
            MakeNumberBox(**entry.box);
        return frame;
    };
    // The thumb values stand on the left, the size values on the right.
    auto* frames = new QHBoxLayout;
    frames->addWidget(numberFrame(
        "Frame2", QStringLiteral("Thumb Values:"),
        {{&txtScrollbarSize_, "Label18", "Size:", "txtScrollbarSize", "10"},
         {&txtScrollbarLocation_, "Label21", "Location:", "txtScrollbarLocation", "1"}}));
    frames->addWidget(
        numberFrame("Frame1", QStringLiteral("Size Values:"),
                    {{&txtScrollbarMin_, "Label19", "Minimum:", "txtScrollbarMin", "1"},
                     {&txtScrollbarMax_, "Label20", "Maximum:", "txtScrollbarMax", "100"}}));
    grid->addLayout(frames, row + 1, 0, 1, 2);
    grid->setRowStretch(row + 2, 1);
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
    const ObjectOutcome outcome = InsertObject(form(), ActiveDocumentText(workspace_));
    if (DocumentWindow* window = workspace_.activeDocument()) {
        DocumentText text = window->text();
        // The declaration and the statement below the two markers are one insertion to undo.
        const UndoStep step(window->editor());
        for (const MarkerEdit& edit : outcome.edits) {
            text.setSelStart(edit.position);
            text.setSelLength(edit.length);
            text.replaceSelection(edit.replacement);
        }
    }
    if (outcome.message)
        workspace_.desktop().showMessage(*outcome.message);
    if (outcome.closesDialog)
        done(outcome.message ? Rejected : Accepted);
}

} // namespace orvane
