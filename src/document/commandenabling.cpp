#include "document/commandenabling.h"

#include "app/mainframe.h"
#include "document/documentwindow.h"
#include "platform/desktop.h"

#include <QAction>
#include <QToolBar>

#include <array>

namespace orvane {

namespace {

constexpr std::array governedButtons{"Save", "Print", "Preview", "Run",
                                     "Cut",  "Copy",  "Paste",   "Find"};

constexpr std::array governedMenuItems{"mnuFileSave",    "mnuFilePrint",  "mnuEditCut",
                                       "mnuEditCopy",    "mnuEditPaste",  "mnuEditDelete",
                                       "mnuEditSelect",  "mnuEditFind",   "mnuEditReplace",
                                       "mnuViewCompile", "mnuViewPreview"};

} // namespace

void SetToolbarState(MainFrame& frame, bool empty) {
    frame.objectToolbar().setEnabled(!empty);
    for (const char* key : governedButtons) {
        if (QAction* button = frame.toolbarButton(QString::fromLatin1(key)))
            button->setEnabled(!empty);
    }
}

void SetMenuState(Desktop& desktop, DocumentWindow& window, bool empty) {
    const BusyPointer busy(desktop);
    for (const char* name : governedMenuItems) {
        if (QAction* item = window.menuItem(QString::fromLatin1(name)))
            item->setEnabled(!empty);
    }
}

} // namespace orvane
