#include "app/mainframe.h"
#include "document/documentwindow.h"
#include "fakedesktop.h"
#include "search/searchcommands.h"
#include "search/searchdialog.h"
#include "settings/settingsstore.h"
#include "testsettings.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace orvane;

namespace {

const QString noMatch = QStringLiteral("Sorry, no match could be found.");

template <typename Widget> Widget* child(QDialog& dialog, const char* name) {
    return dialog.findChild<Widget*>(QString::fromLatin1(name));
}

// Entered as a paste, since key clicks carry ASCII only. An empty search is a letter typed and
// deleted again, so the box has changed once.
void typeSearch(QLineEdit* box, const QString& text) {
    if (text.isEmpty()) {
        QTest::keyClick(box, Qt::Key_X);
        QTest::keyClick(box, Qt::Key_Backspace);
    } else {
        box->insert(text);
    }
}

} // namespace

class TestSearchDialog : public QObject {
    Q_OBJECT

    test::TemporarySettings store_;
    test::FakeDesktop fake_;
    SettingsStore settings_;
    std::unique_ptr<MainFrame> frame_;

    DocumentText document() { return frame_->activeDocument()->text(); }

    void openWith(const QString& text) {
        DocumentText doc = document();
        doc.setText(text);
        doc.setSelStart(static_cast<int>(text.size())); // the search must not start here
    }

private slots:
    void init() {
        fake_.messages.clear();
        frame_ = std::make_unique<MainFrame>(fake_, settings_);
        frame_->start();
    }

    void cleanup() { frame_.reset(); }

    void pressesFind_data() {
        QTest::addColumn<bool>("replace");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("search");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<bool>("keepOpen");
        QTest::addColumn<int>("presses");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("selStart");
        QTest::addColumn<int>("selLength");
        QTest::addColumn<int>("noMatchMessages");
        QTest::addColumn<bool>("stillOpen");

        const QString cyrillic = QStringLiteral("Kein Ärger\r\nПривет, МИР!");
        QTest::newRow("find ignores case beyond ASCII")
            << false << cyrillic << "мир"
            << "" << false << 1 << cyrillic << 20 << 3 << 0 << false;
        QTest::newRow("find starts at the beginning")
            << false << "one two one"
            << "ONE"
            << "" << false << 1 << "one two one" << 0 << 3 << 0 << false;
        QTest::newRow("find trims blanks")
            << false << "abc x yx"
            << " x "
            << "" << false << 1 << "abc x yx" << 4 << 1 << 0 << false;
        QTest::newRow("find empty search") << false << "abc"
                                           << ""
                                           << "" << false << 1 << "abc" << 0 << 0 << 0 << false;
        QTest::newRow("find keeps selecting the first")
            << false << "a-a"
            << "a"
            << "" << true << 2 << "a-a" << 0 << 1 << 0 << true;
        QTest::newRow("not found stays open") << false << "abc"
                                              << "zzz"
                                              << "" << false << 1 << "abc" << 3 << 0 << 1 << true;
        QTest::newRow("replace ignores case beyond ASCII")
            << true << "Ärger und ärger"
            << "ÄRGER"
            << "Freude" << false << 1 << "Freude und ärger" << 6 << 0 << 0 << false;
        QTest::newRow("replace empty search inserts at start")
            << true << "abc"
            << ""
            << "X" << false << 1 << "Xabc" << 1 << 0 << 0 << false;
        QTest::newRow("replace one per press")
            << true << "a-a-a"
            << "a"
            << "b" << true << 2 << "b-b-a" << 3 << 0 << 0 << true;
        QTest::newRow("replace until none is left")
            << true << "a-a-a"
            << "a"
            << "b" << true << 4 << "b-b-b" << 5 << 0 << 1 << true;
        QTest::newRow("replacement containing the search")
            << true << "xax"
            << "A"
            << "aa" << true << 3 << "xaaaax" << 3 << 0 << 0 << true;
        QTest::newRow("empty replacement deletes")
            << true << "hello world"
            << "o"
            << "" << false << 1 << "hell world" << 4 << 0 << 0 << false;
        QTest::newRow("replacement trimmed")
            << true << "cat"
            << "a"
            << "  u  " << false << 1 << "cut" << 2 << 0 << 0 << false;
        QTest::newRow("positions count line breaks as two")
            << true << "a\r\nb\r\nb"
            << "B"
            << "c" << false << 1 << "a\r\nc\r\nb" << 4 << 0 << 0 << false;
    }

    void pressesFind() {
        QFETCH(bool, replace);
        QFETCH(QString, text);
        QFETCH(QString, search);
        QFETCH(QString, replacement);
        QFETCH(bool, keepOpen);
        QFETCH(int, presses);
        openWith(text);
        bool stillOpen = false;
        fake_.driveDialog([&](QDialog& dialog) {
            typeSearch(child<QLineEdit>(dialog, "txtFind"), search);
            child<QLineEdit>(dialog, "txtReplace")->setText(replacement);
            child<QCheckBox>(dialog, "chkOpen")->setChecked(keepOpen);
            for (int i = 0; i < presses; ++i)
                child<QPushButton>(dialog, "cmdFind")->click();
            stillOpen = dialog.isVisible();
        });
        replace ? ShowReplaceDialog(*frame_) : ShowFindDialog(*frame_);

        QTEST(document().text(), "expected");
        QTEST(document().selStart(), "selStart");
        QTEST(document().selLength(), "selLength");
        QTEST(static_cast<int>(fake_.messages.size()), "noMatchMessages");
        for (const Message& message : fake_.messages) {
            QCOMPARE(message.text, noMatch);
            QCOMPARE(message.title, QStringLiteral("Orvane"));
            QCOMPARE(message.icon, MessageIcon::Information);
        }
        QTEST(stillOpen, "stillOpen");
    }

    void buttonWaitsForTheSearchBox() {
        openWith(QStringLiteral("abc"));
        fake_.driveDialog([](QDialog& dialog) {
            auto* find = child<QPushButton>(dialog, "cmdFind");
            QVERIFY(!find->isEnabled());
            QTest::keyClicks(child<QLineEdit>(dialog, "txtReplace"), QStringLiteral("x"));
            QVERIFY(!find->isEnabled());
            typeSearch(child<QLineEdit>(dialog, "txtFind"), QString());
            QVERIFY(find->isEnabled());
        });
        ShowReplaceDialog(*frame_);
    }

    void captionDecidesTheMode() {
        QSize findSize;
        QSize replaceSize;
        fake_.driveDialog([&](QDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Find"));
            QVERIFY(!child<QLineEdit>(dialog, "txtReplace")->isVisible());
            QVERIFY(!child<QLabel>(dialog, "lblReplace")->isVisible());
            findSize = dialog.size();
        });
        ShowFindDialog(*frame_);
        fake_.driveDialog([&](QDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Replace"));
            QVERIFY(child<QLineEdit>(dialog, "txtReplace")->isVisible());
            replaceSize = dialog.size();
        });
        ShowReplaceDialog(*frame_);
        QCOMPARE(findSize, replaceSize);

        // Any caption but "Find" replaces, the designed one included.
        openWith(QStringLiteral("abc"));
        SearchDialog dialog(*frame_);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Find and Replace"));
        fake_.driveDialog([](QDialog& d) {
            QTest::keyClicks(child<QLineEdit>(d, "txtFind"), QStringLiteral("b"));
            child<QLineEdit>(d, "txtReplace")->setText(QStringLiteral("B"));
            child<QPushButton>(d, "cmdFind")->click();
        });
        fake_.runModal(dialog);
        QCOMPARE(document().text(), QStringLiteral("aBc"));
    }
};

QTEST_MAIN(TestSearchDialog)
#include "tst_searchdialog.moc"
