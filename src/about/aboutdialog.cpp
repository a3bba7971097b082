#include "about/aboutdialog.h"

#include "about/sysinfo.h"
#include "platform/desktop.h"
#include "platform/dialogparts.h"
#include "platform/screencentre.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace orvane {

namespace {

QFont arial(double points, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace

AboutDialog::AboutDialog(Desktop& desktop, const QString& versionLine, const QIcon& programIcon) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Orvane"));

    auto* picIcon = Named(new QLabel(QString(), this), "picIcon");
    picIcon->setPixmap(programIcon.pixmap(QSize(32, 32)));
    picIcon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    picIcon->setMinimumWidth(48);
    auto* lblTitle = Named(new QLabel(QStringLiteral("Orvane"), this), "lblTitle");
    lblTitle->setFont(arial(15.75, true));
    auto* release = Named(new QLabel(QStringLiteral("Service Release 1 (SR1)"), this), "Label4");
    release->setFont(arial(9, false));
    auto* lblVersion = Named(new QLabel(versionLine, this), "lblVersion");

    auto* line = Named(new QFrame(this), "Line1");
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto* cmdOK = Named(new QPushButton(QStringLiteral("OK"), this), "cmdOK");
    cmdOK->setDefault(true);
    QPushButton* cmdSysInfo = PlainButton(QStringLiteral("&System Info..."), "cmdSysInfo", this);
    // Escape rejects the dialog, which closes it as OK does.
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdSysInfo, &QPushButton::clicked, this, [&desktop] { StartSysInfo(desktop); });

    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(16);
    grid->addWidget(picIcon, 0, 0, 3, 1);
    grid->addWidget(lblTitle, 0, 1);
    grid->addWidget(release, 1, 1);
    grid->addWidget(lblVersion, 2, 1);
    grid->setRowMinimumHeight(3, 56);
    grid->setRowStretch(3, 1);
    grid->addWidget(line, 4, 0, 1, 2);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdSysInfo);
    grid->addLayout(buttons, 5, 1, Qt::AlignRight);
    grid->setColumnMinimumWidth(1, 300);
    const int buttonWidth = std::max(cmdSysInfo->sizeHint().width() + 16, 110);
    cmdOK->setMinimumWidth(buttonWidth);
    cmdSysInfo->setMinimumWidth(buttonWidth);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(cmdOK, cmdSysInfo);
    CentreOnScreen(*this, desktop.screenSize());
}

} // namespace orvane
