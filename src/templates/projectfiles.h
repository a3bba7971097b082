#pragma once

#include "templates/projectrules.h"

#include <QString>

namespace orvane {

class Workspace;

// Saves the active document window's text as the project's page or source in the projects
// folder, replacing any file of that name, and ties the window to the file (document path,
// caption in capitals). A failed write is reported with Abort, Retry and Ignore; the window then
// stays "Untitled", since no file holds its text.
void CreateProjectFiles(Workspace& workspace, const QString& name, ProjectFileKind kind);

} // namespace orvane
