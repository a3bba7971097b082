#include "about/aboutcommand.h"
#include "about/abouttexts.h"
#include "app/mainframe.h"
#include "app/versiontext.h"
#include "fakedesktop.h"
#include "settings/settingsstore.h"
#include "testsettings.h"

#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTest>

using namespace orvane;

namespace {

QString labelText(QDialog& dialog, const char* name) {
    return dialog.findChild<QLabel*>(QString::fromLatin1(name))->text();
}

} // namespace

class TestAboutBox : public QObject {
    Q_OBJECT

    test::TemporarySettings store_;
    test::FakeDesktop fake_;
    SettingsStore settings_;
    std::unique_ptr<MainFrame> frame_;

private slots:
    void init() {
        fake_.messages.clear();
        fake_.programCalls.clear();
        fake_.missingPrograms = SystemInformationTools();
        fake_.foundPrograms.clear();
        frame_ = std::make_unique<MainFrame>(fake_, settings_);
        frame_->start();
    }

    void cleanup() { frame_.reset(); }

    void showsNameReleaseAndVersion() {
        fake_.driveDialog([](QDialog& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("About Orvane"));
            QCOMPARE(labelText(d, "lblTitle"), QStringLiteral("Orvane"));
            QCOMPARE(labelText(d, "Label4"), QStringLiteral("Service Release 1 (SR1)"));
            QCOMPARE(labelText(d, "lblVersion"),
                     VersionLine(ProgramVersionText(), ThisHostPlatform()));
#ifdef Q_OS_LINUX
            QCOMPARE(labelText(d, "lblVersion"), QStringLiteral("Version 1.01 for Linux"));
#endif
        });
        ShowAboutBox(*frame_);
    }

    void enterAndEscapeClose_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("enter") << int(Qt::Key_Return);
        QTest::newRow("escape") << int(Qt::Key_Escape);
    }

    void enterAndEscapeClose() {
        QFETCH(int, key);
        bool closed = false;
        fake_.driveDialog([&](QDialog& d) {
            QTest::keyClick(&d, Qt::Key(key));
            closed = !d.isVisible();
        });
        ShowAboutBox(*frame_);
        QVERIFY(closed);
    }

    void systemInfo_data() {
        QTest::addColumn<QString>("tool");    // found on the search path, empty for none
        QTest::addColumn<QString>("program"); // where it is found
        QTest::addColumn<bool>("started");
        QTest::newRow("no tool") << ""
                                 << "" << false;
        QTest::newRow("found") << "gnome-system-monitor"
                               << "/bin/true" << true;
        QTest::newRow("fails to start") << "hardinfo"
                                        << "/nonexistent/hardinfo" << false;
    }

    void systemInfo() {
        QFETCH(QString, tool);
        QFETCH(QString, program);
        QFETCH(bool, started);
        fake_.missingPrograms.removeAll(tool);
        fake_.foundPrograms.insert(tool, program);
        bool stillOpen = false;
        fake_.driveDialog([&](QDialog& d) {
            d.findChild<QPushButton*>(QStringLiteral("cmdSysInfo"))->click();
            stillOpen = d.isVisible();
        });
        ShowAboutBox(*frame_);
        QVERIFY(stillOpen);
        QCOMPARE(fake_.programCalls.size(), tool.isEmpty() ? 0 : 1);
        // The frame owns a started tool; let it end before the frame goes.
        for (QProcess* process : frame_->findChildren<QProcess*>())
            process->waitForFinished();
        if (started) {
            QVERIFY(fake_.messages.isEmpty());
            return;
        }
        QCOMPARE(fake_.messages.size(), 1);
        const Message& message = fake_.messages.constFirst();
        QCOMPARE(message.text, QStringLiteral("System Information Is Unavailable At This Time"));
        QVERIFY(message.title.isEmpty());
        QCOMPARE(message.icon, MessageIcon::None);
    }
};

QTEST_MAIN(TestAboutBox)
#include "tst_aboutbox.moc"
