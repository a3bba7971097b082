#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace orvane {

class Workspace;

// frmSearch: finds or replaces the first occurrence in the active document. The caption set by
// the opener decides the mode.
class SearchDialog final : public QDialog {
    Q_OBJECT
public:
    explicit SearchDialog(Workspace& workspace);

    // Find mode leaves the replace row's place empty, so the dialog keeps its size.
    void hideReplaceRow();

private:
    void findClicked();

    Workspace& workspace_;
    QLabel* lblFind_;
    QLabel* lblReplace_;
    QLineEdit* txtFind_;
    QLineEdit* txtReplace_;
    QPushButton* cmdFind_;
    QPushButton* cmdCancel_;
    QCheckBox* chkOpen_;
};

} // namespace orvane
