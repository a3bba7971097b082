#include "templates/documentwizard.h"

#include "app/mainframe.h"
#include "app/versiontext.h"
#include "document/documentwindow.h"
#include "settings/settingsstore.h"
#include "templates/projectfiles.h"
#include "templates/projectrules.h"

namespace orvane {

void FinishDocumentWizard(MainFrame& frame, const QString& templateKind,
                          const ProjectValues& answers) {
    const ProjectValues values = TrimProjectValues(answers);
    for (const ProjectText& generated : ProjectTexts(templateKind, values, ProgramVersionText())) {
        DocumentWindow* window = frame.newDocumentWindow();
        window->text().setText(generated.text);
        CreateProjectFiles(frame, values.name, generated.kind);
    }
    frame.settings().save(SettingKey::AuthorName, values.author);
}

} // namespace orvane
