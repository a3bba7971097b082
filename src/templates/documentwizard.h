#pragma once

#include "templates/projectvalues.h"

#include <QString>

namespace orvane {

class Workspace;

// Finish of the "Document Properties" wizard: trims the four answers, opens each generated text
// of `templateKind` in a new document window and saves it into the projects folder, then
// remembers the author for the next project.
void FinishDocumentWizard(Workspace& workspace, const QString& templateKind,
                          const ProjectValues& answers);

} // namespace orvane
