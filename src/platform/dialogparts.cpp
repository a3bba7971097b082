#include "platform/dialogparts.h"

#include <QCheckBox>
#include <QEvent>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
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

QPushButton* PlainButton(const QString& caption, const char* name, QWidget* parent) {
    auto* button = Named(new QPushButton(caption, parent), name);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

QCheckBox* KeepOpenBox(QWidget* parent) {
    return Named(new QCheckBox(QStringLiteral("Keep this dialog open"), parent), "chkOpen");
}

QHBoxLayout* KeepOpenRow(QCheckBox* keepOpen, std::initializer_list<QPushButton*> buttons) {
    auto* row = new QHBoxLayout;
    row->addWidget(keepOpen);
    row->addStretch();
    for (QPushButton* button : buttons)
        row->addWidget(button);
    return row;
}

void SetTabOrder(std::initializer_list<QWidget*> widgets) {
    QWidget* previous = nullptr;
    for (QWidget* widget : widgets) {
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

void OnFocusIn(QWidget& widget, std::function<void()> handler) {
    new FocusWatcher(widget, std::move(handler), {});
}

void OnFocusOut(QWidget& widget, std::function<void()> handler) {
    new FocusWatcher(widget, {}, std::move(handler));
}

void SelectAllOnFocus(QWidget& box) {
    // Deferred, so that the mouse press that brought the focus does not undo the selection.
    OnFocusIn(box, [&box] {
        QTimer::singleShot(0, &box, [&box] {
            if (auto* line = qobject_cast<QLineEdit*>(&box))
                line->selectAll();
            else if (auto* text = qobject_cast<QPlainTextEdit*>(&box))
                text->selectAll();
        });
    });
}

} // namespace orvane
