#pragma once

#include <QIcon>
#include <QString>

#include <functional>

#include <span>

class QToolBar;

namespace orvane {

class MainFrame;

struct ToolbarButton {
    const char* key; // nullptr for a separator
    const char* tooltip;
    const char* description;
    int image;
};

// Toolbar1 and Toolbar2 in their designed order.
std::span<const ToolbarButton> StandardToolbarButtons();
std::span<const ToolbarButton> ObjectToolbarButtons();

// Enables the object toolbar and the standard toolbar's text commands exactly when the active
// document is not empty.
void SetToolbarState(MainFrame& frame, bool empty);

// The standard toolbar's click rule: the button's key decides the command.
void StandardToolbarClick(MainFrame& frame, const QString& key);

// Fills `toolbar` with `buttons`: each carries its key as data and its description as status
// tip, takes its picture from `image`, and hands its key to `onClick`.
void FillToolbar(QToolBar& toolbar, std::span<const ToolbarButton> buttons, QIcon (*image)(int),
                 const std::function<void(const QString&)>& onClick);

} // namespace orvane
