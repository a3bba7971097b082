#pragma once

#include "insert/functionrules.h"

#include <QDialog>

#include <optional>
#include <utility>
#include <vector>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;

namespace orvane {

class Workspace;

// frmFunction: one method skeleton after the selection of the active document.
class FunctionDialog final : public QDialog {
    Q_OBJECT
public:
    explicit FunctionDialog(Workspace& workspace);

    // None until the user picks one.
    std::optional<JavaType> selectedReturnType() const;
    std::optional<Scope> selectedScope() const;

private:
    QRadioButton* addOption(QGroupBox* group, const QString& caption, const char* name);
    void insertMethod();

    Workspace& workspace_;
    QLineEdit* txtFunction_;
    QCheckBox* chkOpen_;
    QRadioButton* optPublic_ = nullptr;
    QRadioButton* optPrivate_ = nullptr;
    std::vector<std::pair<QRadioButton*, JavaType>> returnTypes_;
};

} // namespace orvane
