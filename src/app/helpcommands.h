#pragma once

#include "app/helplinks.h"

namespace orvane {

class Workspace;

// Help > Contents, F1 and the "Help" toolbar button: the help window at the manual's contents.
void ShowHelpContents(Workspace& workspace);
// Both web items of both Help menus.
void OpenMakerHomePage(Workspace& workspace);

} // namespace orvane
