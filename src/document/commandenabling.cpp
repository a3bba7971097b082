#include "document/commandenabling.h"

#include "document/documentwindow.h"
#include "platform/desktop.h"

#include <QAction>

#include <array>

namespace orvane {

namespace {

constexpr std::array governedMenuItems{"mnuFileSave",    "mnuFilePrint",  "mnuEditCut",
                                       "mnuEditCopy",    "mnuEditPaste",  "mnuEditDelete",
                                       "mnuEditSelect",  "mnuEditFind",   "mnuEditReplace",
                                       "mnuViewCompile", "mnuViewPreview"};

} // namespace

void SetMenuState(Desktop& desktop, DocumentWindow& window, bool empty) {
    const BusyPointer busy(desktop);
    for (const char* name : governedMenuItems) {
        if (QAction* item = window.menuItem(QString::fromLatin1(name)))
            item->setEnabled(!empty);
    }
}

} // namespace orvane
