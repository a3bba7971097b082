#pragma once

#include "templates/projectvalues.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace orvane {

// frmDocument, "Document Properties": the new project's name, author, description and
// copyright. It checks nothing; "&Finish" accepts it, closing it any other way generates nothing.
class DocumentDialog final : public QDialog {
    Q_OBJECT
public:
    explicit DocumentDialog(const QString& authorName, QWidget* parent = nullptr);

    // The four answers as typed, untrimmed; the description with CR LF line breaks.
    ProjectValues answers() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLayout();

    QLineEdit* txtProject_;
    QLineEdit* txtAuthor_;
    QPlainTextEdit* txtDescription_;
    QComboBox* cboCopyright_;
    QPushButton* cmdFinish_;
};

} // namespace orvane
