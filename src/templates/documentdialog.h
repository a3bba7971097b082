#pragma once

#include "templates/projectvalues.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace orvane {

class Desktop;

// frmDocument, "Document Properties": the new project's name, author, description and
// copyright. "&Finish" accepts it unless the name would lead out of the projects folder; closing
// it any other way generates nothing.
class DocumentDialog final : public QDialog {
    Q_OBJECT
public:
    DocumentDialog(Desktop& desktop, const QString& authorName, QWidget* parent = nullptr);

    // The four answers as typed, untrimmed; the description with CR LF line breaks.
    ProjectValues answers() const;

private:
    void buildLayout();
    void finishClicked();

    Desktop& desktop_;
    QLineEdit* txtProject_;
    QLineEdit* txtAuthor_;
    QPlainTextEdit* txtDescription_;
    QComboBox* cboCopyright_;
    QPushButton* cmdFinish_;
};

} // namespace orvane
