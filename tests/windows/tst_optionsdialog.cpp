#include "app/mainframe.h"
#include "document/documentwindow.h"
#include "fakedesktop.h"
#include "settings/optionscommand.h"
#include "settings/settingsstore.h"
#include "testsettings.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTest>

using namespace orvane;

namespace {

template <typename Widget = QAbstractButton> Widget* child(QDialog& dialog, const char* name) {
    return dialog.findChild<Widget*>(QString::fromLatin1(name));
}

QComboBox* list(QDialog& dialog, const char* name) {
    return child<QComboBox>(dialog, name);
}

// What the store holds for the fifteen keys of the dialog, in the order they are written.
QStringList storedOptions(const SettingsStore& settings) {
    QStringList values;
    for (int key = 0; key < 15; ++key)
        values << settings.get(settingName(SettingKey(key)), QStringLiteral("absent"));
    return values;
}

int storedKeyCount() {
    QSettings settings(QStringLiteral("Orvane"), QStringLiteral("Orvane"));
    return static_cast<int>(settings.allKeys().size());
}

} // namespace

class TestOptionsDialog : public QObject {
    Q_OBJECT

    test::TemporarySettings store_;
    test::FakeDesktop fake_;
    SettingsStore settings_;
    std::unique_ptr<MainFrame> frame_;

    // Opens the dialog on `tab`, sets `edit` on it and presses `button`.
    void confirm(const std::function<void(QDialog&)>& edit, const char* button = "cmdOk",
                 OptionsTab tab = OptionsTab::General) {
        fake_.driveDialog([&](QDialog& d) {
            edit(d);
            child(d, button)->click();
        });
        ShowOptionsDialog(*frame_, tab);
    }

private slots:
    void init() {
        store_.clear();
        fake_.openRequests.clear();
        frame_ = std::make_unique<MainFrame>(fake_, settings_);
        frame_->start();
    }

    void cleanup() { frame_.reset(); }

    void freshStoreShowsTheDefaults() {
        confirm(
            [](QDialog& d) {
                QCOMPARE(child<QTabWidget>(d, "SSTab1")->currentIndex(), 0);
                QVERIFY(list(d, "cboFonts")->count() > 0);
                QCOMPARE(list(d, "cboFonts")->currentText(), QStringLiteral("Courier New"));
                QCOMPARE(list(d, "cboSize")->currentIndex(), 3);
                QCOMPARE(list(d, "cboSize")->currentText(), QStringLiteral("11"));
                for (const char* on : {"chkStandard", "chkFormat", "chkStatus", "optDefault"})
                    QVERIFY2(child(d, on)->isChecked(), on);
                for (const char* off : {"optExplorer", "optNetscape", "optNormal", "optDebug",
                                        "optOptimized", "optVerbose"})
                    QVERIFY2(!child(d, off)->isChecked(), off);
                QCOMPARE(child<QLineEdit>(d, "txtCompiler")->text(),
                         QStringLiteral("Unknown location"));
            },
            "cmdCancel");
        QCOMPARE(fake_.busyDepth, 0);
    }

    void okWritesEverythingAndReopensWithIt() {
        const QStringList fonts = QFontDatabase::families();
        confirm([&](QDialog& d) {
            list(d, "cboFonts")->setCurrentIndex(int(fonts.size()) - 1);
            list(d, "cboSize")->setEditText(QStringLiteral("13"));
            child(d, "chkFormat")->setChecked(false);
            child(d, "optNetscape")->setChecked(true);
            child<QLineEdit>(d, "txtCompiler")->setText(QStringLiteral("  /opt/jdk/bin/javac "));
            child(d, "optDebug")->setChecked(true);
        });
        QCOMPARE(storedOptions(settings_),
                 QStringList({fonts.last(), "13", QString::number(fonts.size() - 1), "-1", "1", "0",
                              "1", "False", "False", "True", "/opt/jdk/bin/javac", "False", "True",
                              "False", "False"}));
        QCOMPARE(storedKeyCount(), 15);

        confirm(
            [&](QDialog& d) {
                QCOMPARE(list(d, "cboFonts")->currentText(), fonts.last());
                QCOMPARE(list(d, "cboSize")->currentIndex(), -1);
                QCOMPARE(list(d, "cboSize")->currentText(), QStringLiteral("13"));
                QVERIFY(!child(d, "chkFormat")->isChecked() && child(d, "chkStatus")->isChecked());
                QVERIFY(child(d, "optNetscape")->isChecked() &&
                        !child(d, "optDefault")->isChecked());
                QVERIFY(child(d, "optDebug")->isChecked());
                QCOMPARE(child<QLineEdit>(d, "txtCompiler")->text(),
                         QStringLiteral("/opt/jdk/bin/javac"));
            },
            "cmdCancel");
    }

    void cancelWritesNothing() {
        confirm(
            [](QDialog& d) {
                list(d, "cboSize")->setEditText(QStringLiteral("14"));
                child(d, "optNormal")->setChecked(true);
            },
            "cmdCancel");
        QCOMPARE(storedKeyCount(), 0);
    }

    void sizeIsStoredAsANumber_data() {
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

    void sizeIsStoredAsANumber() {
        QFETCH(QString, typed);
        confirm([&](QDialog& d) { list(d, "cboSize")->setEditText(typed); });
        QTEST(settings_.get(SettingKey::FontNameSize), "size");
        QTEST(settings_.get(SettingKey::FontSizeIndex), "index");
    }

    void okChangesOnlyTheActiveDocumentsFont_data() {
        QTest::addColumn<QString>("name"); // "*": a screen font
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("family"); // empty: the window keeps its font
        QTest::addColumn<double>("points");
        QTest::newRow("font and size") << "*"
                                       << "14"
                                       << "*" << 14.0;
        QTest::newRow("unusable size keeps the font") << "*"
                                                      << "abc"
                                                      << "" << 20.0;
        QTest::newRow("empty name is the built-in font") << ""
                                                         << "16"
                                                         << "Courier New" << 11.0;
    }

    void okChangesOnlyTheActiveDocumentsFont() {
        QFETCH(QString, name);
        QFETCH(QString, size);
        QFETCH(QString, family);
        DocumentWindow* other = frame_->activeDocument();
        const QFont otherFont = other->editor().font();
        DocumentWindow* active = frame_->newDocumentWindow();
        active->setEditorFont({QStringLiteral("Serif"), 20});
        const QFont before = active->editor().font();
        const QString screenFont = QFontDatabase::families().constFirst();
        confirm([&](QDialog& d) {
            list(d, "cboFonts")->setEditText(name == u"*" ? screenFont : name);
            list(d, "cboSize")->setEditText(size);
        });
        const QFont after = active->editor().font();
        QTEST(after.pointSizeF(), "points");
        QCOMPARE(after.family(), family.isEmpty() ? before.family()
                                 : family == u"*" ? screenFont
                                                  : family);
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
        confirm([](QDialog& d) { child(d, "cmdBrowse")->click(); });
        QTEST(settings_.get(SettingKey::SDKLocation), "location");
        QCOMPARE(fake_.openRequests.size(), 1);
    }

    void opensOnTheCompilerTab() {
        confirm(
            [](QDialog& d) {
                QCOMPARE(child<QTabWidget>(d, "SSTab1")->currentIndex(), 2);
                QCOMPARE(child<QTabWidget>(d, "SSTab1")->tabText(2), QStringLiteral("Compiler"));
            },
            "cmdCancel", OptionsTab::Compiler);
    }
};

QTEST_MAIN(TestOptionsDialog)
#include "tst_optionsdialog.moc"
