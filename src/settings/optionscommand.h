#pragma once

namespace orvane {

class MainFrame;

enum class OptionsTab { General = 0, Browser = 1, Compiler = 2 };

// View > Options: the Options dialog, opened on `tab`.
void ShowOptionsDialog(MainFrame& frame, OptionsTab tab = OptionsTab::General);

} // namespace orvane
