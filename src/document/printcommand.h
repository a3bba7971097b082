#pragma once

namespace orvane {

class MainFrame;

// File > Print and the "Print" toolbar button.
void PrintDocument(MainFrame& frame);

} // namespace orvane
