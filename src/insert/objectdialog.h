#pragma once

#include "insert/objectrules.h"

#include <QDialog>

#include <initializer_list>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QRadioButton;
class QTabWidget;
class QWidget;

namespace orvane {

class Workspace;

// The type options an opener may choose before showing the dialog.
enum class ObjectOption { TextArea, TextField, Checkbox, RadioButton };

// frmObject: one AWT object, its declaration and statements put below the markers of the
// active document.
class ObjectDialog final : public QDialog {
    Q_OBJECT
public:
    explicit ObjectDialog(Workspace& workspace);

    void showPage(ObjectPage page);
    // Chooses `option` as if the user had: the text area also disables the length list.
    void preselect(ObjectOption option);

    ObjectForm form() const;

private:
    // A text box with its caption label: the member that keeps it, the label's name and
    // caption, the box's own name and starting text.
    struct TextBoxRow {
        QLineEdit** box;
        const char* labelName;
        const char* caption;
        const char* name;
        const char* text;
    };

    QGridLayout* addPage(const QString& caption);
    void alignFieldColumns();
    // Adds `rows` from the top of `grid` and returns the next free row.
    int addTextBoxes(QGridLayout* grid, std::initializer_list<TextBoxRow> rows);
    QComboBox* addList(QGridLayout* grid, int row, const char* labelName, const QString& caption,
                       const char* name, const QStringList& items, int preset, int widthTwips);
    QRadioButton* addOption(QGridLayout* grid, int row, const QString& caption, const char* name);
    void buildLabelPage();
    void buildTextPage();
    void buildFontPage();
    void buildOptionsPage();
    void buildButtonPage();
    void buildScrollbarPage();
    void insertObject();

    Workspace& workspace_;
    QTabWidget* SSTab_;
    QCheckBox* chkOpen_;
    QLineEdit* txtLabelName_ = nullptr;
    QLineEdit* txtLabelCaption_ = nullptr;
    QLineEdit* txtTextName_ = nullptr;
    QLineEdit* txtTextCaption_ = nullptr;
    QComboBox* cboTextLength_ = nullptr;
    QRadioButton* optTextArea_ = nullptr;
    QRadioButton* optTextField_ = nullptr;
    QLineEdit* txtFontName_ = nullptr;
    QComboBox* cboFontStyle_ = nullptr;
    QComboBox* cboFontType_ = nullptr;
    QComboBox* cboFontSize_ = nullptr;
    QLineEdit* txtOptionsName_ = nullptr;
    QLineEdit* txtOptionsCaption_ = nullptr;
    QRadioButton* optCheckbox_ = nullptr;
    QRadioButton* optRadio_ = nullptr;
    QLineEdit* txtButtonName_ = nullptr;
    QLineEdit* txtButtonCaption_ = nullptr;
    QLineEdit* txtScrollbarName_ = nullptr;
    QComboBox* cboScrollbarStyle_ = nullptr;
    QLineEdit* txtScrollbarMin_ = nullptr;
    QLineEdit* txtScrollbarMax_ = nullptr;
    QLineEdit* txtScrollbarSize_ = nullptr;
    QLineEdit* txtScrollbarLocation_ = nullptr;
};

} // namespace orvane
