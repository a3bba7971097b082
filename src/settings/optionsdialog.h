#pragma once

#include "document/editoroptions.h"
#include "settings/optionscommand.h"
#include "settings/optionsrules.h"

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace orvane {

class Desktop;

// frmOptions: the editor font, the bars shown at start-up, the browser and the compiler.
class OptionsDialog final : public QDialog {
    Q_OBJECT
public:
    // `fonts` fills the font list; the dialog shows `form` until the user changes it.
    OptionsDialog(Desktop& desktop, const QStringList& fonts, const OptionsForm& form);

    void setOptionsTab(OptionsTab tab);
    // What the controls hold now.
    OptionsForm form() const;
    QStringList fontItems() const;
    // The fourth tab, "Editor": how document windows show their text.
    void showEditorOptions(const EditorOptions& options);
    EditorOptions editorOptions() const;

private:
    QWidget* buildGeneralTab();
    QWidget* buildBrowserTab();
    QWidget* buildCompilerTab();
    QWidget* buildEditorTab();
    void showForm(const OptionsForm& form);
    void browseClicked();

    Desktop& desktop_;
    QStringList fonts_;
    QTabWidget* tabs_;
    QComboBox* cboFonts_;
    QComboBox* cboSize_;
    QCheckBox* chkStandard_;
    QCheckBox* chkFormat_;
    QCheckBox* chkStatus_;
    QButtonGroup* browsers_;
    QLineEdit* txtCompiler_;
    QButtonGroup* compileModes_;
    QCheckBox* chkColouring_;
    QCheckBox* chkLineNumbers_;
    QCheckBox* chkCurrentLine_;
    QCheckBox* chkCheckJava_;
};

} // namespace orvane
