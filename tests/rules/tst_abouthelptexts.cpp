#include "about/abouttexts.h"
#include "app/helplinks.h"
#include "app/versiontext.h"

#include <QTest>

using namespace orvane;

class TestAboutHelpTexts : public QObject {
    Q_OBJECT

private slots:
    void versionLine_data() {
        QTest::addColumn<QString>("version");
        QTest::addColumn<HostPlatform>("platform");
        QTest::addColumn<QString>("line");
        const QString windows = QStringLiteral(" for Microsoft Windows 95/98/ME/NT/2000");
        QTest::newRow("1.0.1 Windows")
            << VersionText(1, 0, 1) << HostPlatform::Windows << "Version 1.01" + windows;
        QTest::newRow("1.0.1 Linux")
            << VersionText(1, 0, 1) << HostPlatform::Linux << "Version 1.01 for Linux";
        QTest::newRow("2.3.14 Windows")
            << VersionText(2, 3, 14) << HostPlatform::Windows << "Version 2.314" + windows;
        QTest::newRow("2.3.14 Linux")
            << VersionText(2, 3, 14) << HostPlatform::Linux << "Version 2.314 for Linux";
    }

    void versionLine() {
        QFETCH(QString, version);
        QFETCH(HostPlatform, platform);
        QTEST(VersionLine(version, platform), "line");
    }

    void helpFilePath() {
        QCOMPARE(HelpFilePath(QStringLiteral("/opt/Orvane Tools"), HostPlatform::Linux),
                 QStringLiteral("/opt/Orvane Tools/orvane.hlp"));
        QCOMPARE(HelpFilePath(QStringLiteral("C:/Program Files/Orvane/"), HostPlatform::Windows),
                 QStringLiteral("C:\\PROGRAM FILES\\ORVANE\\ORVANE.HLP"));
    }

    void browserUrl() {
        QCOMPARE(BrowserUrl(MakerHomePage), QUrl(MakerHomePage));
        QCOMPARE(BrowserUrl(QStringLiteral("/home/ann/My Pages/a#1.html")),
                 QUrl::fromLocalFile(QStringLiteral("/home/ann/My Pages/a#1.html")));
        QVERIFY(BrowserUrl(QStringLiteral("C:/Web/page.html")).isLocalFile());
    }
};

QTEST_APPLESS_MAIN(TestAboutHelpTexts)
#include "tst_abouthelptexts.moc"
