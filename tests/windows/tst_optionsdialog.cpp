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
using namespace Qt::StringLiterals;

namespace {

template <typename Widget = QAbstractButton> Widget* child(QDialog& dialog, const char* name) {
    return dialog.findChild<Widget*>(QString::fromLatin1(name));
}

// The dialog's fifteen keys, in the order they are written.
QStringList storedOptions(const SettingsStore& settings) {
    QStringList values;
    for (int key = 0; key < 15; ++key)
        values << settings.get(settingName(SettingKey(key)), QStringLiteral("absent"));
    return values;
}

QStringList storedKeys() {
    return QSettings(QStringLiteral("Orvane"), QStringLiteral("Orvane")).allKeys();
}

} // namespace

class TestOptionsDialog : public QObject {
    Q_OBJECT

    test::TemporarySettings store_;
    test::FakeDesktop fake_;
    SettingsStore settings_;
    std::unique_ptr<MainFrame> frame_;

    // Opens the dialog on `tab`, lets `edit` work on it and presses `button`.
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
        frame_ = std::make_unique<MainFrame>(fake_, settings_);
        frame_->start();
    }

    void cleanup() { frame_.reset(); }

    // Browse cancelled keeps the location.
    void freshStoreShowsDefaultsAndCancelWritesNothing() {
        fake_.answerFileDialog(std::nullopt);
        confirm(
            [](QDialog& d) {
                auto* tabs = child<QTabWidget>(d, "SSTab1");
                QCOMPARE(tabs->tabText(tabs->currentIndex()), QStringLiteral("Compiler"));
                QCOMPARE(child<QComboBox>(d, "cboFonts")->currentText(), u"Courier New"_s);
                QCOMPARE(child<QComboBox>(d, "cboSize")->currentIndex(), 3);
                QCOMPARE(child<QComboBox>(d, "cboSize")->currentText(), u"11"_s);
                for (const char* on : {"chkStandard", "chkFormat", "chkStatus", "optDefault"})
                    QVERIFY2(child(d, on)->isChecked(), on);
                for (const char* off : {"optNormal", "optDebug", "optOptimized", "optVerbose"})
                    QVERIFY2(!child(d, off)->isChecked(), off);
                child(d, "cmdBrowse")->click();
                QCOMPARE(child<QLineEdit>(d, "txtCompiler")->text(), u"Unknown location"_s);
                child<QComboBox>(d, "cboSize")->setEditText(QStringLiteral("14"));
                child(d, "optNormal")->setChecked(true);
            },
            "cmdCancel", OptionsTab::Compiler);
        QCOMPARE(storedKeys(), QStringList());
    }

    // Only the active window takes the font. A typed size comes back when the dialog reopens,
    // so Ok on it unchanged keeps it.
    void okWritesEverythingAndReopensWithIt() {
        fake_.answerFileDialog(QStringLiteral("  /opt/jdk/bin/javac "));
        const QStringList fonts = QFontDatabase::families();
        const QFont otherFont = frame_->activeDocument()->editor().font();
        const QPlainTextEdit& active = frame_->newDocumentWindow()->editor();
        confirm([&](QDialog& d) {
            child<QComboBox>(d, "cboFonts")->setCurrentIndex(int(fonts.size()) - 1);
            child<QComboBox>(d, "cboSize")->setEditText(QStringLiteral("13"));
            child(d, "chkFormat")->setChecked(false);
            child(d, "optNetscape")->setChecked(true);
            child(d, "cmdBrowse")->click();
            child(d, "optDebug")->setChecked(true);
        });
        const QStringList saved =
            QStringList{fonts.last(), "13", QString::number(fonts.size() - 1)} +
            QStringLiteral("-1 1 0 1 False False True /opt/jdk/bin/javac False True False False")
                .split(u' ');
        QCOMPARE(storedOptions(settings_), saved);
        QCOMPARE(storedKeys().size(), 15);
        QCOMPARE(std::pair(active.font().family(), active.font().pointSizeF()),
                 std::pair(fonts.last(), 13.0));
        QCOMPARE(frame_->documentWindows().constFirst()->editor().font(), otherFont);

        confirm([&](QDialog& d) {
            QCOMPARE(child<QComboBox>(d, "cboFonts")->currentText(), fonts.last());
            QCOMPARE(child<QComboBox>(d, "cboSize")->currentText(), u"13"_s);
            QVERIFY(!child(d, "chkFormat")->isChecked() && child(d, "optNetscape")->isChecked());
            QVERIFY(child(d, "optDebug")->isChecked());
            QCOMPARE(child<QLineEdit>(d, "txtCompiler")->text(), u"/opt/jdk/bin/javac"_s);
        });
        QCOMPARE(storedOptions(settings_), saved);
    }

    void sizeThatIsNoNumberIsStoredAsZeroAndKeepsTheFont() {
        DocumentWindow* active = frame_->activeDocument();
        active->setEditorFont({QStringLiteral("Serif"), 20});
        const QFont before = active->editor().font();
        confirm([](QDialog& d) { child<QComboBox>(d, "cboSize")->setEditText(u"abc"_s); });
        QCOMPARE(settings_.get(SettingKey::FontNameSize), u"0"_s);
        QCOMPARE(active->editor().font(), before);
    }
};

QTEST_MAIN(TestOptionsDialog)
#include "tst_optionsdialog.moc"
