#pragma once

#include <QString>

namespace orvane {

class Desktop;
class Workspace;

// File > Print and the "Print" toolbar button.
void PrintDocument(Workspace& workspace);

// Prints `text` in Courier New 11 on the desktop's default printer, as one job.
void PrintText(Desktop& desktop, const QString& text);

} // namespace orvane
