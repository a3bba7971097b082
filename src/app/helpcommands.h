#pragma once

#include <QString>

namespace orvane {

class MainFrame;

// The maker's home page, opened by every web item of the Help menus.
inline const QString MakerHomePage = QStringLiteral("https://www.brennicksoftware.com/");

// The help document installed beside the program.
QString HelpFilePath(const QString& programFolder);

// Help > Contents, F1 and the "Help" toolbar button.
void ShowHelpContents(MainFrame& frame);
// Hands a file path or web address to the desktop's "open" action.
void OpenInBrowser(MainFrame& frame, const QString& target);
void OpenMakerHomePage(MainFrame& frame);

} // namespace orvane
