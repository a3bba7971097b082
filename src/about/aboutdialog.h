#pragma once

#include <QDialog>
#include <QIcon>

namespace orvane {

class Desktop;

// frmAbout: the program's name, release and version, and a way to the system information.
class AboutDialog final : public QDialog {
    Q_OBJECT
public:
    // `versionLine` is shown below the release, beside `programIcon`.
    AboutDialog(Desktop& desktop, const QString& versionLine, const QIcon& programIcon);
};

} // namespace orvane
