#include "app/caretstatusfield.h"

#include "document/documentwindow.h"

namespace orvane {

CaretStatusField::CaretStatusField(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("StatusBar1Caret"));
    setContentsMargins(8, 0, 8, 0);
}

void CaretStatusField::follow(DocumentWindow* window) {
    if (window == window_)
        return;
    disconnect(moves_);
    window_ = window;
    if (window)
        moves_ =
            connect(window, &DocumentWindow::statusChanged, this, &CaretStatusField::showWindow);
    showWindow();
}

void CaretStatusField::showWindow() {
    setText(window_ ? window_->caretPlace() + QStringLiteral("    ") + window_->fileFormat()
                    : QString());
}

} // namespace orvane
