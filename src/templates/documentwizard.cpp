#include "templates/documentwizard.h"

#include "about/versiontext.h"
#include "document/documentwindow.h"
#include "document/workspace.h"
#include "settings/settingsstore.h"
#include "templates/projectfiles.h"
#include "templates/projectrules.h"

namespace orvane {

void FinishDocumentWizard(Workspace& workspace, const QString& templateKind,
                          const ProjectValues& answers) {
    const ProjectValues values = TrimProjectValues(answers);
    for (const ProjectText& generated : ProjectTexts(templateKind, values, ProgramVersionText())) {
        DocumentWindow* window = workspace.newDocumentWindow();
        window->text().setText(generated.text);
        CreateProjectFiles(workspace, values.name, generated.kind);
    }
    workspace.settings().save(SettingKey::AuthorName, values.author);
}

} // namespace orvane
