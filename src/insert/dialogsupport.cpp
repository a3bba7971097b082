#include "insert/dialogsupport.h"

#include "app/mainframe.h"
#include "document/documentwindow.h"
#include "insert/variablerules.h"

#include <QDialog>
#include <QEvent>
#include <QFocusEvent>
#include <QLayout>
#include <QLineEdit>
#include <QTimer>

namespace orvane {

namespace {

// Follows the focus as the window sees it, leaving out the window's own activation changes.
class FocusWatcher final : public QObject {
public:
    FocusWatcher(QWidget& widget, std::function<void()> onIn, std::function<void()> onOut)
        : QObject(&widget), onIn_(std::move(onIn)), onOut_(std::move(onOut)) {
        widget.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FocusIn && !focused_) {
            focused_ = true;
            if (onIn_)
                onIn_();
        } else if (event->type() == QEvent::FocusOut && focused_ &&
                   !keepsWindowFocus(static_cast<QFocusEvent*>(event)->reason())) {
            focused_ = false;
            if (onOut_)
                onOut_();
        }
        return false;
    }

private:
    static bool keepsWindowFocus(Qt::FocusReason reason) {
        return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
    }

    std::function<void()> onIn_;
    std::function<void()> onOut_;
    bool focused_ = false;
};

} // namespace

void FixAndCentre(QDialog& dialog, QSize screen) {
    dialog.layout()->setSizeConstraint(QLayout::SetFixedSize);
    dialog.adjustSize();
    dialog.move((screen.width() - dialog.width()) / 2, (screen.height() - dialog.height()) / 2);
}

void OnFocusIn(QWidget& widget, std::function<void()> handler) {
    new FocusWatcher(widget, std::move(handler), {});
}

void OnFocusOut(QWidget& widget, std::function<void()> handler) {
    new FocusWatcher(widget, {}, std::move(handler));
}

void SelectAllOnFocus(QLineEdit& box) {
    // Deferred, so that the mouse press that brought the focus does not undo the selection.
    OnFocusIn(box, [&box] { QTimer::singleShot(0, &box, [&box] { box.selectAll(); }); });
}

void RemoveBlanksOnFocusOut(QLineEdit& box) {
    OnFocusOut(box, [&box] {
        const QString cleaned = CleanVariableName(box.text());
        if (cleaned != box.text())
            box.setText(cleaned);
    });
}

void SetTabOrder(std::initializer_list<QWidget*> widgets) {
    QWidget* previous = nullptr;
    for (QWidget* widget : widgets) {
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

QString ActiveDocumentText(const MainFrame& frame) {
    const DocumentWindow* window = frame.activeDocument();
    return window ? window->text().text() : QString();
}

} // namespace orvane
