#pragma once

#include "insert/variablerules.h"

#include <QDialog>

#include <utility>
#include <vector>

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace orvane {

class Workspace;

// frmVariable: one declaration of a primitive type at the caret of the active document.
class VariableDialog final : public QDialog {
    Q_OBJECT
public:
    explicit VariableDialog(Workspace& workspace);

private:
    QRadioButton* addTypeOption(JavaType type);
    void insertDeclaration();

    Workspace& workspace_;
    QLineEdit* txtVariable_;
    QCheckBox* chkOpen_;
    std::vector<std::pair<QRadioButton*, JavaType>> options_;
    JavaType type_ = JavaType::Int;
};

} // namespace orvane
