#include "insert/dialogsupport.h"

#include "app/mainframe.h"
#include "document/documentwindow.h"
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

QString ActiveDocumentText(const MainFrame& frame) {
    const DocumentWindow* window = frame.activeDocument();
    return window ? window->text().text() : QString();
}

} // namespace orvane
