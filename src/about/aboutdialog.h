#pragma once

#include <QDialog>
#include <QIcon>

namespace orvane {

class Desktop;

// frmAbout: the program's name, release and version, and a way to the system information.
class AboutDialog final : public QDialog {
    Q_OBJECT
public:
    // `versionLine` is shown below the release, beside `programIcon`; System Info starts a tool
    // owned by `toolOwner`.
    AboutDialog(Desktop& desktop, const QString& versionLine, const QIcon& programIcon,
                QObject* toolOwner);
};

} // namespace orvane
