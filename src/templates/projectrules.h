#pragma once

#include "templates/projectvalues.h"

#include <QList>
#include <QString>

namespace orvane {

// The name box's rule on losing the focus: removes the first blanks of `name`, at most 15 of
// them, so longer runs need another pass. Tabs and other characters stay.
QString CleanProjectName(const QString& name);

// The message refusing a project name that would lead its files out of the projects folder (a
// path separator or ".."), or empty text for a name that stays inside it.
QString ProjectNameRefusal(const QString& name);

// Each value with its leading and trailing blanks (character 32 only) removed.
ProjectValues TrimProjectValues(const ProjectValues& values);

// Which file of the project a generated text is saved as.
enum class ProjectFileKind { Page = 1, Source = 2 };

// ".html" for the page, ".java" for the source.
QString ProjectFileExtension(ProjectFileKind kind);

struct ProjectText {
    QString text;
    ProjectFileKind kind;
};

// What Finish generates for template kind "1" to "5", in the order the windows open: the applet
// kinds give the page, then the source; "5" the application's source alone; anything else nothing.
QList<ProjectText> ProjectTexts(const QString& templateKind, const ProjectValues& values,
                                const QString& version);

} // namespace orvane
