#pragma once

#include "app/helplinks.h"

#include <QString>

namespace orvane {

class MainFrame;

// Help > Contents, F1 and the "Help" toolbar button: the help window at the manual's contents.
void ShowHelpContents(MainFrame& frame);
// Hands a file path or web address to the desktop's "open" action.
void OpenInBrowser(MainFrame& frame, const QString& target);
// Both web items of both Help menus.
void OpenMakerHomePage(MainFrame& frame);

} // namespace orvane
