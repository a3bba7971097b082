#pragma once

namespace orvane {

class Desktop;

// Starts the desktop's system-information tool, or says that there is none. The tool is the
// user's from then on: it stays open when Orvane ends.
void StartSysInfo(Desktop& desktop);

} // namespace orvane
