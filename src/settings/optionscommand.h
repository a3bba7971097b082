#pragma once

namespace orvane {

class Workspace;

enum class OptionsTab { General = 0, Browser = 1, Compiler = 2, Editor = 3 };

// View > Options: the Options dialog, opened on `tab`.
void ShowOptionsDialog(Workspace& workspace, OptionsTab tab = OptionsTab::General);

} // namespace orvane
