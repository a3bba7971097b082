#include "app/mainframe.h"
#include "app/projectsfolder.h"
#include "document/documentwindow.h"
#include "testframe.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

using namespace orvane;
using namespace orvane::test;

namespace {

bool isStored(const QString& name) {
    return QSettings(QStringLiteral("Orvane"), QStringLiteral("Orvane"))
        .contains(QStringLiteral("Options/") + name);
}

// A program folder in which nothing can be created, even by root: it lies below a file.
QString unusableProgramFolder(const QTemporaryDir& place) {
    const QString file = place.filePath(QStringLiteral("program"));
    QFile f(file);
    if (!f.open(QIODevice::WriteOnly))
        return {};
    return file + QStringLiteral("/bin");
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void freshInstallation() {
        TestFrame test;
        QVERIFY(test.start());
        MainFrame& frame = test.frame();

        QCOMPARE(frame.windowTitle(), QStringLiteral("Orvane"));
        QVERIFY(frame.standardToolbar().isVisible());
        QVERIFY(frame.objectToolbar().isVisible());
        QVERIFY(frame.statusBar1().isVisible());
        QCOMPARE(frame.standardToolbar().actions().size(), 16);
        QCOMPARE(frame.objectToolbar().actions().size(), 13);
        QVERIFY(frame.standardToolbar().geometry().bottom() <
                frame.objectToolbar().geometry().top());

        const QString projects = test.desktop.programFolderPath + QStringLiteral("/Projects/");
        QCOMPARE(frame.projectsFolder(), projects);
        QVERIFY(QFileInfo(projects).isDir());
        QVERIFY(test.desktop.messages.isEmpty());
        QVERIFY(!isStored(QStringLiteral("UsedPreviousVersion")));

        QCOMPARE(frame.documentWindows().size(), 1);
        DocumentWindow* first = test.active();
        QVERIFY(first);
        QCOMPARE(first->caption(), QStringLiteral("Untitled"));
        QVERIFY(first->text().text().isEmpty());
        QVERIFY(first->documentPath().isEmpty());
        QVERIFY(first->editor().hasFocus());
        QVERIFY(first->menuBar().isVisible());
        QVERIFY(!frame.frameMenuBar().isVisible());
    }

    void centresOnTheScreen() {
        TestFrame test;
        test.desktop.screen = QSize(1600, 1000);
        QVERIFY(test.start());
        const QRect frame = test.frame().geometry();
        QVERIFY(qAbs(frame.center().x() - 800) <= 1);
        QVERIFY(qAbs(frame.center().y() - 500) <= 1);
    }

    void welcomeWhenProjectsCannotBeCreated() {
        const QTemporaryDir place;
        const QString programFolder = unusableProgramFolder(place);
        QVERIFY(!programFolder.isEmpty());
        const TemporarySettings settings;
        for (int run = 1; run <= 2; ++run) {
            FakeDesktop desktop;
            desktop.programFolderPath = programFolder;
            SettingsStore store;
            MainFrame frame(desktop, store);
            frame.start();
            QCOMPARE(frame.documentWindows().size(), 1);
            QVERIFY(frame.projectsFolder().startsWith(settings.path()));
            QVERIFY(QFileInfo(frame.projectsFolder()).isDir());
            if (run == 2) {
                QVERIFY(desktop.messages.isEmpty());
                break;
            }
            QCOMPARE(desktop.messages.size(), 1);
            const Message& welcome = desktop.messages.first();
            QCOMPARE(welcome.title, QStringLiteral("Welcome to Orvane [Service Release 1 (SR1)]"));
            QCOMPARE(welcome.text,
                     QStringLiteral("This Service Release corrected serveral known issues "
                                    "discovered in the Gold Release.  For more information, see "
                                    "the history.txt file for details."));
            QCOMPARE(welcome.icon, MessageIcon::Information);
            QCOMPARE(welcome.buttons, MessageButtons::Ok);
            QCOMPARE(store.get(SettingKey::UsedPreviousVersion), QStringLiteral("101"));
        }
    }

    void welcomeOnlyWhileUnseen() {
        const QTemporaryDir place;
        TestFrame test;
        test.desktop.programFolderPath = unusableProgramFolder(place);
        test.store.save(SettingKey::UsedPreviousVersion, QStringLiteral("102"));
        QVERIFY(test.start());
        QVERIFY(test.desktop.messages.isEmpty());
        QCOMPARE(test.store.get(SettingKey::UsedPreviousVersion), QStringLiteral("102"));
    }

    void barsFollowTheirSettings_data() {
        QTest::addColumn<SettingKey>("key");
        QTest::addColumn<Bar>("bar");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("shown");
        const struct {
            const char* name;
            SettingKey key;
            Bar bar;
        } bars[] = {{"standard", SettingKey::StandardToolbarValue, Bar::Standard},
                    {"object", SettingKey::FormattingToolbarValue, Bar::Object},
                    {"status", SettingKey::StatusbarValue, Bar::Status}};
        for (const auto& b : bars) {
            for (const char* stored : {"1", "0", "x", "", " 1", "True"}) {
                QTest::addRow("%s %s", b.name, stored)
                    << b.key << b.bar << QString::fromLatin1(stored) << (qstrcmp(stored, "1") == 0);
            }
        }
    }

    void barsFollowTheirSettings() {
        QFETCH(SettingKey, key);
        QFETCH(Bar, bar);
        QFETCH(QString, stored);
        QFETCH(bool, shown);
        TestFrame test;
        test.store.save(key, stored);
        QVERIFY(test.start());
        const QList<Bar> all{Bar::Standard, Bar::Object, Bar::Status};
        for (Bar each : all)
            QCOMPARE(test.frame().isBarVisible(each), each == bar ? shown : true);
    }

    void objectToolbarMovesUpWithoutTheStandardOne() {
        TestFrame test;
        test.store.save(SettingKey::StandardToolbarValue, QStringLiteral("0"));
        QVERIFY(test.start());
        QVERIFY(!test.frame().standardToolbar().isVisible());
        QCOMPARE(test.frame().objectToolbar().geometry().top(),
                 test.frame().menuWidget()->geometry().bottom() + 1);
    }

    void ensureFolderExists_data() {
        QTest::addColumn<QString>("relative");
        QTest::addColumn<bool>("created");
        QTest::addColumn<QString>("madeFolder");
        QTest::newRow("one level") << "Projects/" << true << "Projects";
        QTest::newRow("nested") << "a/b/c/" << true << "a/b/c";
        QTest::newRow("existing") << "" << true << "";
        QTest::newRow("trailing name is not made") << "a/b/name.txt" << true << "a/b";
        QTest::newRow("below a file") << "file/Projects/" << false << "";
    }

    void ensureFolderExists() {
        QFETCH(QString, relative);
        QFETCH(bool, created);
        QFETCH(QString, madeFolder);
        const QTemporaryDir root;
        QFile file(root.filePath(QStringLiteral("file")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        const QString path = root.path() + u'/' + relative;
        QCOMPARE(EnsureFolderExists(path), created);
        if (!madeFolder.isEmpty())
            QVERIFY(QFileInfo(root.filePath(madeFolder)).isDir());
        QVERIFY(!QFileInfo::exists(root.filePath(QStringLiteral("a/b/name.txt"))));
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
