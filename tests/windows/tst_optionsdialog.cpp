#include "app/mainframe.h"
#include "document/documentwindow.h"
#include "fakedesktop.h"
#include "settings/optionscommand.h"
#include "settings/settingsstore.h"
#include "testsettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTabWidget>
#include <QTest>

using namespace orvane;

namespace {

template <typename Widget> Widget* child(QDialog& dialog, const char* name) {
    Widget* widget = dialog.findChild<Widget*>(QString::fromLatin1(name));
    if (!widget)
        qFatal("no %s in the Options dialog", name);
    return widget;
}

void click(QDialog& dialog, const char* button) {
    child<QPushButton>(dialog, button)->click();
}

bool checked(QDialog& dialog, const char* name) {
    return child<QAbstractButton>(dialog, name)->isChecked();
}

QStringList storedKeys() {
    QSettings settings(QStringLiteral("Orvane"), QStringLiteral("Orvane"));
    settings.beginGroup(QStringLiteral("Options"));
    return settings.allKeys();
}

// A screen font other than the one the editor shows.
QString anotherFont(const QString& current) {
    for (const QString& family : QFontDatabase::families()) {
        if (family != current)
            return family;
    }
    return current;
}

} // namespace

class TestOptionsDialog : public QObject {
    Q_OBJECT

    test::TemporarySettings store_;
    test::FakeDesktop fake_;
    SettingsStore settings_;
    std::unique_ptr<MainFrame> frame_;

private slots:
    void init() {
        store_.clear();
        fake_.openRequests.clear();
        frame_ = std::make_unique<MainFrame>(fake_, settings_);
        frame_->start();
    }

    void cleanup() { frame_.reset(); }

    void freshStoreShowsTheDefaults() {
        fake_.driveDialog([](QDialog& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Options"));
            QCOMPARE(child<QTabWidget>(d, "SSTab1")->currentIndex(), 0);
            QVERIFY(child<QComboBox>(d, "cboFonts")->count() > 0);
            QCOMPARE(child<QComboBox>(d, "cboFonts")->currentText(), QStringLiteral("Courier New"));
            QCOMPARE(child<QComboBox>(d, "cboSize")->currentIndex(), 3);
            QCOMPARE(child<QComboBox>(d, "cboSize")->currentText(), QStringLiteral("11"));
            for (const char* box : {"chkStandard", "chkFormat", "chkStatus", "optDefault"})
                QVERIFY2(checked(d, box), box);
            for (const char* option : {"optExplorer", "optNetscape", "optNormal", "optDebug",
                                       "optOptimized", "optVerbose"})
                QVERIFY2(!checked(d, option), option);
            QCOMPARE(child<QLineEdit>(d, "txtCompiler")->text(),
                     QStringLiteral("Unknown location"));
        });
        ShowOptionsDialog(*frame_);
        QCOMPARE(fake_.modalDialogs.constLast(), QStringLiteral("frmOptions"));
        QCOMPARE(fake_.busyDepth, 0);
    }

    void okWritesAllAndReopensWithIt() {
        const QString font = QFontDatabase::families().constLast();
        const int fontIndex = static_cast<int>(QFontDatabase::families().size()) - 1;
        fake_.driveDialog([&](QDialog& d) {
            child<QComboBox>(d, "cboFonts")->setCurrentIndex(fontIndex);
            child<QComboBox>(d, "cboSize")->setEditText(QStringLiteral("13"));
            child<QCheckBox>(d, "chkFormat")->setChecked(false);
            child<QRadioButton>(d, "optNetscape")->setChecked(true);
            child<QLineEdit>(d, "txtCompiler")->setText(QStringLiteral("  /opt/jdk/bin/javac "));
            child<QRadioButton>(d, "optDebug")->setChecked(true);
            click(d, "cmdOk");
        });
        ShowOptionsDialog(*frame_);

        const QList<std::pair<const char*, QString>> expected{
            {"FontNameValue", font},
            {"FontNameSize", QStringLiteral("13")},
            {"FontNameIndex", QString::number(fontIndex)},
            {"FontSizeIndex", QStringLiteral("-1")},
            {"StandardToolbarValue", QStringLiteral("1")},
            {"FormattingToolbarValue", QStringLiteral("0")},
            {"StatusbarValue", QStringLiteral("1")},
            {"DefaultBrowser", QStringLiteral("False")},
            {"IEBrowser", QStringLiteral("False")},
            {"NSBrowser", QStringLiteral("True")},
            {"SDKLocation", QStringLiteral("/opt/jdk/bin/javac")},
            {"SDKNormal", QStringLiteral("False")},
            {"SDKDebug", QStringLiteral("True")},
            {"SDKOptimize", QStringLiteral("False")},
            {"SDKVerbose", QStringLiteral("False")},
        };
        QCOMPARE(storedKeys().size(), expected.size());
        for (const auto& [key, text] : expected)
            QCOMPARE(settings_.get(QString::fromLatin1(key), QStringLiteral("absent")), text);

        fake_.driveDialog([&](QDialog& d) {
            QCOMPARE(child<QComboBox>(d, "cboFonts")->currentText(), font);
            QCOMPARE(child<QComboBox>(d, "cboSize")->currentIndex(), -1);
            QCOMPARE(child<QComboBox>(d, "cboSize")->currentText(), QStringLiteral("13"));
            QVERIFY(!checked(d, "chkFormat"));
            QVERIFY(checked(d, "chkStandard"));
            QVERIFY(checked(d, "optNetscape"));
            QVERIFY(!checked(d, "optDefault"));
            QVERIFY(checked(d, "optDebug"));
            QCOMPARE(child<QLineEdit>(d, "txtCompiler")->text(),
                     QStringLiteral("/opt/jdk/bin/javac"));
        });
        ShowOptionsDialog(*frame_);
    }

    void cancelWritesNothing() {
        fake_.driveDialog([](QDialog& d) {
            child<QComboBox>(d, "cboSize")->setEditText(QStringLiteral("14"));
            child<QRadioButton>(d, "optNormal")->setChecked(true);
            click(d, "cmdCancel");
        });
        ShowOptionsDialog(*frame_);
        QVERIFY(storedKeys().isEmpty());
    }

    void sizeBoxIsStoredAsANumber_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("index");
        QTest::newRow("listed") << "12"
                                << "12"
                                << "4";
        QTest::newRow("typed 13") << "13"
                                  << "13"
                                  << "-1";
        QTest::newRow("not a number") << "abc"
                                      << "0"
                                      << "-1";
        QTest::newRow("fraction") << "10.5"
                                  << "10.5"
                                  << "-1";
        QTest::newRow("number and text") << "9pt"
                                         << "9"
                                         << "-1";
    }

    void sizeBoxIsStoredAsANumber() {
        QFETCH(QString, typed);
        fake_.driveDialog([&](QDialog& d) {
            child<QComboBox>(d, "cboSize")->setEditText(typed);
            click(d, "cmdOk");
        });
        ShowOptionsDialog(*frame_);
        QTEST(settings_.get(SettingKey::FontNameSize), "size");
        QTEST(settings_.get(SettingKey::FontSizeIndex), "index");
    }

    void okChangesOnlyTheActiveDocumentsFont_data() {
        QTest::addColumn<bool>("named");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("family"); // empty: the window keeps its font
        QTest::addColumn<double>("points");
        QTest::newRow("font and size") << true << "14"
                                       << "chosen" << 14.0;
        QTest::newRow("unusable size keeps the font") << true << "abc"
                                                      << "" << 20.0;
        QTest::newRow("empty name takes the built-in font") << false << "16"
                                                            << "Courier New" << 11.0;
    }

    void okChangesOnlyTheActiveDocumentsFont() {
        QFETCH(bool, named);
        QFETCH(QString, size);
        QFETCH(QString, family);
        DocumentWindow* other = frame_->activeDocument();
        const QFont otherFont = other->editor().font();
        DocumentWindow* active = frame_->newDocumentWindow();
        active->setEditorFont({QStringLiteral("Serif"), 20});
        const QFont before = active->editor().font();
        const QString chosen = anotherFont(before.family());
        fake_.driveDialog([&](QDialog& d) {
            child<QComboBox>(d, "cboFonts")->setEditText(named ? chosen : QString());
            child<QComboBox>(d, "cboSize")->setEditText(size);
            click(d, "cmdOk");
        });
        ShowOptionsDialog(*frame_);

        const QFont after = active->editor().font();
        QTEST(after.pointSizeF(), "points");
        if (family.isEmpty())
            QCOMPARE(after, before);
        else
            QCOMPARE(after.family(), family == u"chosen" ? chosen : family);
        QCOMPARE(other->editor().font(), otherFont);
    }

    void browseFillsTheLocation_data() {
        QTest::addColumn<std::optional<QString>>("answer");
        QTest::addColumn<QString>("location");
        QTest::newRow("chosen") << std::optional<QString>(" /usr/lib/jvm/bin/javac ")
                                << "/usr/lib/jvm/bin/javac";
        QTest::newRow("cancelled") << std::optional<QString>() << "Unknown location";
    }

    void browseFillsTheLocation() {
        QFETCH(std::optional<QString>, answer);
        fake_.answerFileDialog(answer);
        QString location;
        fake_.driveDialog([&](QDialog& d) {
            click(d, "cmdBrowse");
            location = child<QLineEdit>(d, "txtCompiler")->text();
        });
        ShowOptionsDialog(*frame_);
        QTEST(location, "location");
        QCOMPARE(fake_.openRequests.size(), 1);
        QCOMPARE(fake_.openRequests.constFirst().filters,
                 QStringList({"Java Compiler (javac)", "All Files (*)"}));
        QCOMPARE(fake_.openRequests.constFirst().selectedFilter, 0);
    }

    void opensOnTheRequestedTab() {
        fake_.driveDialog([](QDialog& d) {
            QCOMPARE(child<QTabWidget>(d, "SSTab1")->currentIndex(), 2);
            QCOMPARE(child<QTabWidget>(d, "SSTab1")->tabText(2), QStringLiteral("Compiler"));
        });
        ShowOptionsDialog(*frame_, OptionsTab::Compiler);
    }
};

QTEST_MAIN(TestOptionsDialog)
#include "tst_optionsdialog.moc"
