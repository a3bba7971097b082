#pragma once

#include <QString>

#include <functional>
#include <initializer_list>

class QCheckBox;
class QHBoxLayout;
class QPushButton;
class QWidget;

namespace orvane {

// Pieces the dialogs share, so each looks and behaves like the others.

// Twips (1/1440 inch) in pixels at 96 dots per inch.
constexpr int Twips(int twips) {
    return twips / 15;
}

// `widget` under the name the design gives it, which tests reach it by.
template <typename Widget> Widget* Named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// A command button that never answers Enter by itself: no dialog here has a default button
// but the About box.
QPushButton* PlainButton(const QString& caption, const char* name, QWidget* parent = nullptr);

// `chkOpen`, "Keep this dialog open", unchecked.
QCheckBox* KeepOpenBox(QWidget* parent);
// The insertion and search dialogs' last row: `keepOpen` at the left, `buttons` at the right.
QHBoxLayout* KeepOpenRow(QCheckBox* keepOpen, std::initializer_list<QPushButton*> buttons);

void SetTabOrder(std::initializer_list<QWidget*> widgets);

// Runs `handler` when `widget` gains or loses the focus within its window. Switching to another
// window and back, or a popup, does not count: the widget keeps the focus of its own window.
void OnFocusIn(QWidget& widget, std::function<void()> handler);
void OnFocusOut(QWidget& widget, std::function<void()> handler);

// The box (a line or a multi-line text box) selects its whole text each time it receives the
// focus from another control of its window, by mouse too.
void SelectAllOnFocus(QWidget& box);

} // namespace orvane
