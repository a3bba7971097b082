#pragma once

#include <QLabel>
#include <QPointer>

namespace orvane {

class DocumentWindow;

// The status bar's permanent field at the right: the active document's caret line and column,
// then its file's encoding and line breaks.
class CaretStatusField final : public QLabel {
    Q_OBJECT
public:
    explicit CaretStatusField(QWidget* parent = nullptr);

    // Shows `window`'s place and format from now on, as its caret moves; empty for none.
    void follow(DocumentWindow* window);

private:
    void showWindow();

    QPointer<DocumentWindow> window_;
    QMetaObject::Connection moves_;
};

} // namespace orvane
