#pragma once

#include <QDialog>

class QSpinBox;

namespace orvane {

class Workspace;

// frmGoToLine: asks for a line of the document, from 1 to its line count.
class GoToLineDialog final : public QDialog {
    Q_OBJECT
public:
    GoToLineDialog(int lineCount, int currentLine, QWidget* parent);

    int line() const;

private:
    QSpinBox* txtLine_;
};

// Edit > Go to Line: the caret moves to the start of the chosen line of the active document.
void GoToLine(Workspace& workspace);

} // namespace orvane
