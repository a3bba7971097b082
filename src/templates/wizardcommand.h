#pragma once

#include <QString>

namespace orvane {

class MainFrame;

// File > New > a template: the "Document Properties" wizard for template kind "1" to "5".
void ShowDocumentWizard(MainFrame& frame, const QString& templateKind);

} // namespace orvane
