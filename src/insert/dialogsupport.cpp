#include "insert/dialogsupport.h"

#include "document/documentwindow.h"
#include "document/workspace.h"
#include "insert/variablerules.h"
#include "platform/dialogparts.h"

#include <QLineEdit>

namespace orvane {

QLineEdit* NameBox(const char* name, const QString& text, int widthTwips, QWidget* parent) {
    auto* box = Named(new QLineEdit(text, parent), name);
    box->setMinimumWidth(Twips(widthTwips));
    SelectAllOnFocus(*box);
    OnFocusOut(*box, [box] {
        const QString cleaned = CleanVariableName(box->text());
        if (cleaned != box->text())
            box->setText(cleaned);
    });
    return box;
}

QString ActiveDocumentText(const Workspace& workspace) {
    const DocumentWindow* window = workspace.activeDocument();
    return window ? window->text().text() : QString();
}

} // namespace orvane
