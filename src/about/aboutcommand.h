#pragma once

namespace orvane {

class Workspace;

// Help > About Orvane.
void ShowAboutBox(Workspace& workspace);

} // namespace orvane
