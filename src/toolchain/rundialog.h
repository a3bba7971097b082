#pragma once

#include "toolchain/runaction.h"

#include <QDialog>

class QLabel;
class QGroupBox;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace orvane {

class Workspace;

// frmRun: runs a file of the projects folder in the browser, the applet viewer or the Java
// interpreter. Lists the folder as it is when the dialog opens.
class RunDialog final : public QDialog {
    Q_OBJECT
public:
    explicit RunDialog(Workspace& workspace);

    // The name of the file selected in the list, or empty text.
    QString selectedName() const;
    RunTool chosenTool() const;

private:
    void layOut();
    void fillFileList();
    QString sourcePackage() const;
    void begin();
    void startTool(const RunAction& action);
    void showApplet(const QString& page);

    Workspace& workspace_;
    QLabel* Label2_;
    QPushButton* cmdBegin_;
    QGroupBox* Frame1_;
    QRadioButton* optJava_;
    QRadioButton* optApplet_;
    QRadioButton* optWeb_;
    QPushButton* cmdCancel_;
    QListWidget* File1_;
};

} // namespace orvane
