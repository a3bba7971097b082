#pragma once

namespace orvane {

class MainFrame;

// Help > About Orvane.
void ShowAboutBox(MainFrame& frame);

} // namespace orvane
