#pragma once

#include <QString>

namespace orvane {

class Workspace;

// File > New > a template: the "Document Properties" wizard for template kind "1" to "5".
void ShowDocumentWizard(Workspace& workspace, const QString& templateKind);

} // namespace orvane
