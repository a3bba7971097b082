#include "settings/optionsdialog.h"

#include "document/typedtext.h"
#include "platform/desktop.h"
#include "platform/dialogparts.h"
#include "platform/screencentre.h"

#include <QButtonGroup>
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

QLabel* wrappedLabel(const QString& text, const char* name, QWidget* parent) {
    auto* label = Named(new QLabel(text, parent), name);
    label->setWordWrap(true);
    return label;
}

QComboBox* editableList(const char* name, QWidget* parent) {
    auto* box = Named(new QComboBox(parent), name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    return box;
}

QRadioButton* addOption(QButtonGroup* group, QVBoxLayout* layout, const QString& caption,
                        const char* name, int id) {
    auto* button = Named(new QRadioButton(caption), name);
    group->addButton(button, id);
    layout->addWidget(button);
    return button;
}

// Selects the entry that reads `text`; a text that is no entry stands in the box unselected.
void showInList(QComboBox& box, const QStringList& items, const QString& text) {
    const int entry = ListPosition(items, text);
    box.setCurrentIndex(entry);
    if (entry < 0)
        box.setEditText(text);
}

template <typename Choice> std::optional<Choice> checkedChoice(const QButtonGroup* group) {
    const int id = group->checkedId();
    return id < 0 ? std::nullopt : std::optional<Choice>(static_cast<Choice>(id));
}

template <typename Choice> void checkChoice(QButtonGroup* group, std::optional<Choice> choice) {
    if (choice)
        group->button(static_cast<int>(*choice))->setChecked(true);
}

// Check boxes and option buttons stand indented below the text that introduces them.
constexpr int indent = 24;

} // namespace

OptionsDialog::OptionsDialog(Desktop& desktop, const QStringList& fonts, const OptionsForm& form)
    : desktop_(desktop), fonts_(fonts), tabs_(Named(new QTabWidget(this), "SSTab1")),
      cboFonts_(editableList("cboFonts", this)), cboSize_(editableList("cboSize", this)),
      chkStandard_(
          Named(new QCheckBox(QStringLiteral("Show Standard Toolbar at startup")), "chkStandard")),
      chkFormat_(
          Named(new QCheckBox(QStringLiteral("Show Object Toolbar at startup")), "chkFormat")),
      chkStatus_(Named(new QCheckBox(QStringLiteral("Show Statusbar at startup")), "chkStatus")),
      browsers_(new QButtonGroup(this)), txtCompiler_(Named(new QLineEdit(this), "txtCompiler")),
      compileModes_(new QButtonGroup(this)),
      chkColouring_(Named(new QCheckBox(QStringLiteral("&Colour Java sources and HTML pages")),
                          "chkColouring")),
      chkLineNumbers_(Named(new QCheckBox(QStringLiteral("Show &line numbers")), "chkLineNumbers")),
      chkCurrentLine_(
          Named(new QCheckBox(QStringLiteral("&Mark the line with the caret")), "chkCurrentLine")),
      chkCheckJava_(Named(new QCheckBox(QStringLiteral("Check &Java as I type")), "chkCheckJava")) {
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral("Options"));

    tabs_->addTab(buildGeneralTab(), QStringLiteral("General"));
    tabs_->addTab(buildBrowserTab(), QStringLiteral("Browser"));
    tabs_->addTab(buildCompilerTab(), QStringLiteral("Compiler"));
    tabs_->addTab(buildEditorTab(), QStringLiteral("Editor"));

    auto* cmdOk = PlainButton(QStringLiteral("&Ok"), "cmdOk", this);
    auto* cmdCancel = PlainButton(QStringLiteral("&Cancel"), "cmdCancel", this);
    connect(cmdOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOk);
    buttons->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    cboFonts_->addItems(fonts);
    cboFonts_->setCurrentIndex(0);
    cboSize_->addItems(FontSizeItems());
    cboSize_->setCurrentIndex(0);
    showForm(form);

    CentreOnScreen(*this, desktop.screenSize());
}

QWidget* OptionsDialog::buildGeneralTab() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->addWidget(Named(new QLabel(QStringLiteral("Font:")), "Label2"), 0, 0);
    grid->addWidget(Named(new QLabel(QStringLiteral("Size:")), "Label3"), 0, 1);
    grid->addWidget(cboFonts_, 1, 0);
    grid->addWidget(cboSize_, 1, 1);
    grid->setColumnStretch(0, 4);
    grid->setColumnStretch(1, 1);
    cboFonts_->setMinimumWidth(230);
    cboSize_->setMinimumWidth(60);
    grid->setRowMinimumHeight(2, 6);
    grid->addWidget(wrappedLabel(QStringLiteral("When Orvane starts, you can specify how it looks "
                                                "and whether or not to open the last project you "
                                                "were working on:"),
                                 "Label4", page),
                    3, 0, 1, 2);
    auto* checks = new QVBoxLayout;
    checks->setContentsMargins(indent, 0, 0, 0);
    for (QCheckBox* box : {chkStandard_, chkFormat_, chkStatus_})
        checks->addWidget(box);
    grid->addLayout(checks, 4, 0, 1, 2);
    grid->setRowStretch(5, 1);
    return page;
}

QWidget* OptionsDialog::buildBrowserTab() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(wrappedLabel(QStringLiteral("When previewing Java applets and HTML pages, "
                                                  "Orvane needs to know which browser do you "
                                                  "want it to use:"),
                                   "Label1", page));
    auto* options = new QVBoxLayout;
    options->setContentsMargins(indent, 6, 0, 0);
    addOption(browsers_, options, QStringLiteral("Use my default Web browser"), "optDefault",
              static_cast<int>(BrowserChoice::Default));
    addOption(browsers_, options, QStringLiteral("Use Microsoft Internet Explorer"), "optExplorer",
              static_cast<int>(BrowserChoice::Explorer));
    addOption(browsers_, options, QStringLiteral("Use Netscape Navigator"), "optNetscape",
              static_cast<int>(BrowserChoice::Netscape));
    layout->addLayout(options);
    layout->addStretch();
    return page;
}

QWidget* OptionsDialog::buildEditorTab() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(
        wrappedLabel(QStringLiteral("How document windows show your text:"), "lblEditor", page));
    auto* checks = new QVBoxLayout;
    checks->setContentsMargins(indent, 6, 0, 0);
    for (QCheckBox* box : {chkColouring_, chkLineNumbers_, chkCurrentLine_, chkCheckJava_})
        checks->addWidget(box);
    layout->addLayout(checks);
    layout->addStretch();
    return page;
}

void OptionsDialog::showEditorOptions(const EditorOptions& options) {
    chkColouring_->setChecked(options.colouring);
    chkLineNumbers_->setChecked(options.lineNumbers);
    chkCurrentLine_->setChecked(options.currentLine);
    chkCheckJava_->setChecked(options.checkAsYouType);
}

EditorOptions OptionsDialog::editorOptions() const {
    return {chkColouring_->isChecked(), chkLineNumbers_->isChecked(), chkCurrentLine_->isChecked(),
            chkCheckJava_->isChecked()};
}

QWidget* OptionsDialog::buildCompilerTab() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    auto* location = Named(new QLabel(QStringLiteral("SDK Location:")), "Label10");
    location->setBuddy(txtCompiler_);
    grid->addWidget(location, 0, 0, 1, 2);
    grid->addWidget(txtCompiler_, 1, 0);
    auto* cmdBrowse = PlainButton(QStringLiteral("&Browse"), "cmdBrowse", page);
    connect(cmdBrowse, &QPushButton::clicked, this, &OptionsDialog::browseClicked);
    grid->addWidget(cmdBrowse, 1, 1);

    auto* frame = Named(new QGroupBox(QStringLiteral("Compiler Options:")), "Frame1");
    auto* options = new QVBoxLayout(frame);
    addOption(compileModes_, options, QStringLiteral("Compile normally"), "optNormal",
              static_cast<int>(CompileChoice::Normal));
    addOption(compileModes_, options, QStringLiteral("Compile with debugging information"),
              "optDebug", static_cast<int>(CompileChoice::Debug));
    addOption(compileModes_, options, QStringLiteral("Compile with code optimization"),
              "optOptimized", static_cast<int>(CompileChoice::Optimized));
    addOption(compileModes_, options, QStringLiteral("Compile in verbose mode"), "optVerbose",
              static_cast<int>(CompileChoice::Verbose));
    grid->setRowMinimumHeight(2, 6);
    grid->addWidget(frame, 3, 0, 1, 2);
    grid->setRowStretch(4, 1);
    return page;
}

void OptionsDialog::showForm(const OptionsForm& form) {
    showInList(*cboFonts_, fonts_, form.fontName);
    showInList(*cboSize_, FontSizeItems(), form.sizeText);
    chkStandard_->setChecked(form.standardToolbar);
    chkFormat_->setChecked(form.objectToolbar);
    chkStatus_->setChecked(form.statusbar);
    checkChoice(browsers_, form.browser);
    txtCompiler_->setText(form.compilerLocation);
    checkChoice(compileModes_, form.compileMode);
}

void OptionsDialog::setOptionsTab(OptionsTab tab) {
    tabs_->setCurrentIndex(static_cast<int>(tab));
}

OptionsForm OptionsDialog::form() const {
    return {cboFonts_->currentText(),  cboSize_->currentText(),
            chkStandard_->isChecked(), chkFormat_->isChecked(),
            chkStatus_->isChecked(),   checkedChoice<BrowserChoice>(browsers_),
            txtCompiler_->text(),      checkedChoice<CompileChoice>(compileModes_)};
}

QStringList OptionsDialog::fontItems() const {
    return fonts_;
}

void OptionsDialog::browseClicked() {
    const std::optional<QString> chosen =
        desktop_.askOpenFileName({CompilerFileFilters(ThisHostPlatform()), 0, QString()});
    if (chosen)
        txtCompiler_->setText(TrimBlanks(*chosen));
}

} // namespace orvane
