#pragma once

class QObject;

namespace orvane {

class Desktop;

// Starts the desktop's system-information tool, owned by `owner`, or says that there is none.
void StartSysInfo(Desktop& desktop, QObject* owner);

} // namespace orvane
