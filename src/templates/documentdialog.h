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
// copyright. "&Finish" accepts it unless the name would lead out of the projects folder or the
// user keeps a project of that name there; closing it any other way generates nothing.
class DocumentDialog final : public QDialog {
    Q_OBJECT
public:
    // `projectsFolder` ends with a separator; the name proposed is the first of Document1,
    // Document2, ... that no project there has taken.
    DocumentDialog(Desktop& desktop, const QString& authorName, const QString& projectsFolder,
                   QWidget* parent = nullptr);

    // The four answers as typed, untrimmed; the description with CR LF line breaks.
    ProjectValues answers() const;

private:
    void buildLayout();
    void finishClicked();
    bool mayReplace(const QString& name);

    Desktop& desktop_;
    QString projectsFolder_;
    QLineEdit* txtProject_;
    QLineEdit* txtAuthor_;
    QPlainTextEdit* txtDescription_;
    QComboBox* cboCopyright_;
    QPushButton* cmdFinish_;
};

} // namespace orvane
