#pragma once

#include <QSize>
#include <QString>

#include <functional>
#include <initializer_list>

class QDialog;
class QLineEdit;
class QWidget;

namespace orvane {

class MainFrame;

// Twips (1/1440 inch) in pixels at 96 dots per inch.
constexpr int Twips(int twips) {
    return twips / 15;
}

// Fixes the dialog at the size its layout asks for and centres it on a screen of `screen`.
void FixAndCentre(QDialog& dialog, QSize screen);

// Runs `handler` when `widget` gains or loses the focus within its window. Switching to another
// window and back, or a popup, does not count: the widget keeps the focus of its own window.
void OnFocusIn(QWidget& widget, std::function<void()> handler);
void OnFocusOut(QWidget& widget, std::function<void()> handler);

// The box selects its whole text each time it receives the focus, by mouse too.
void SelectAllOnFocus(QLineEdit& box);
// The name boxes lose blanks each time they lose the focus (CleanVariableName).
void RemoveBlanksOnFocusOut(QLineEdit& box);

void SetTabOrder(std::initializer_list<QWidget*> widgets);

// The whole text of the frame's active document, or empty text when none is open.
QString ActiveDocumentText(const MainFrame& frame);

} // namespace orvane
