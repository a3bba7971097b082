#include "about/abouttexts.h"
#include "app/helplinks.h"
#include "app/versiontext.h"

#include <QTest>

using namespace orvane;

class TestAboutHelpTexts : public QObject {
    Q_OBJECT

private slots:
    void versionLine_data() {
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<int>("revision");
        QTest::addColumn<HostPlatform>("platform");
        QTest::addColumn<QString>("line");
        QTest::newRow("1.0.1 Windows") << 1 << 0 << 1 << HostPlatform::Windows
                                       << "Version 1.01 for Microsoft Windows 95/98/ME/NT/2000";
        QTest::newRow("1.0.1 Linux")
            << 1 << 0 << 1 << HostPlatform::Linux << "Version 1.01 for Linux";
        QTest::newRow("2.3.14 Windows") << 2 << 3 << 14 << HostPlatform::Windows
                                        << "Version 2.314 for Microsoft Windows 95/98/ME/NT/2000";
        QTest::newRow("2.3.14 Linux")
            << 2 << 3 << 14 << HostPlatform::Linux << "Version 2.314 for Linux";
    }

    void versionLine() {
        QFETCH(int, major);
        QFETCH(int, minor);
        QFETCH(int, revision);
        QFETCH(HostPlatform, platform);
        QTEST(VersionLine(VersionText(major, minor, revision), platform), "line");
    }

    void helpFilePath_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<HostPlatform>("platform");
        QTest::addColumn<QString>("path");
        QTest::newRow("linux keeps case")
            << "/opt/Orvane Tools" << HostPlatform::Linux << "/opt/Orvane Tools/orvane.hlp";
        QTest::newRow("trailing separator")
            << "/opt/orvane/" << HostPlatform::Linux << "/opt/orvane/orvane.hlp";
        QTest::newRow("windows in capitals") << "C:/Program Files/Orvane" << HostPlatform::Windows
                                             << "C:\\PROGRAM FILES\\ORVANE\\ORVANE.HLP";
    }

    void helpFilePath() {
        QFETCH(QString, folder);
        QFETCH(HostPlatform, platform);
        QTEST(HelpFilePath(folder, platform), "path");
    }

    void browserUrl() {
        QCOMPARE(BrowserUrl(MakerHomePage), QUrl(MakerHomePage));
        QCOMPARE(BrowserUrl(QStringLiteral("/home/ann/My Pages/index.html")),
                 QUrl::fromLocalFile(QStringLiteral("/home/ann/My Pages/index.html")));
        QVERIFY(BrowserUrl(QStringLiteral("C:/Web/page#1.html")).isLocalFile());
    }
};

QTEST_APPLESS_MAIN(TestAboutHelpTexts)
#include "tst_abouthelptexts.moc"
