#include "app/mainframe.h"
#include "document/documentwindow.h"
#include "fakedesktop.h"
#include "markedtext.h"
#include "search/searchcommands.h"
#include "settings/settingsstore.h"
#include "testsettings.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace orvane;
using test::marked;

namespace {

void row(const char* name, bool replace, const QString& text, const QString& search,
         const QString& replacement, int presses, const QString& expected, int noMatch = 0) {
    QTest::newRow(name) << replace << text << search << replacement << presses << expected
                        << noMatch;
}

} // namespace

class TestSearchDialog : public QObject {
    Q_OBJECT

    test::TemporarySettings store_;
    test::FakeDesktop fake_;
    SettingsStore settings_;

private slots:
    void pressesFind_data() {
        QTest::addColumn<bool>("replace");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("search");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<int>("presses"); // more than one ticks "keep open"
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("noMatch");

        row("case beyond ASCII", false, "Kein Ärger\r\nПривет, МИР!", "мир", "", 1,
            "Kein Ärger\r\nПривет, [МИР]!");
        row("blanks trimmed, from the top", false, "abc x x", " X ", "", 1, "abc [x] x");
        row("empty search", false, "abc", "", "", 1, "|abc");
        row("not found stays open", false, "abc", "zzz", "", 1, "abc|", 1);
        row("replace one per press", true, "a-a-a", "a", " b ", 2, "b-b|-a");
        row("replacement holds the search", true, "xax", "A", "aa", 3, "xaa|aax");
        row("empty replacement deletes", true, "hello world", "o", "", 1, "hell| world");
        // A break typed or pasted into a box is one whole CR LF of the document.
        row("LF in the search", true, "ab\r\ncdef", "b\ncd", "XY", 1, "aXY|ef");
        row("lone CR in the search", true, "ab\r\ncdef", "b\rcd", "XY", 1, "aXY|ef");
        row("search ends with a break", true, "ab\r\ncd", "b\n", "X", 1, "aX|cd");
        row("search starts with a break", false, "ab\r\ncd", "\ncd", "", 1, "ab[\r\ncd]");
        row("LF in the replacement", true, "ab\r\ncd", "b", "x\ny", 1, "ax\r\ny|\r\ncd");
    }

    void pressesFind() {
        QFETCH(bool, replace);
        QFETCH(QString, text);
        QFETCH(QString, search);
        QFETCH(QString, replacement);
        QFETCH(int, presses);
        QFETCH(int, noMatch);
        fake_.messages.clear();
        MainFrame frame(fake_, settings_);
        frame.start();
        DocumentText document = frame.activeDocument()->text();
        document.setText(text);
        document.setSelStart(int(text.size())); // a search from the caret would find nothing
        bool stillOpen = false;
        fake_.driveDialog([&](QDialog& dialog) {
            // The button waits for the search box's first change, also for an empty search.
            dialog.findChild<QLineEdit*>("txtFind")->insert(QStringLiteral("x"));
            dialog.findChild<QLineEdit*>("txtFind")->setText(search);
            dialog.findChild<QLineEdit*>("txtReplace")->setText(replacement);
            dialog.findChild<QCheckBox*>("chkOpen")->setChecked(presses > 1);
            for (int i = 0; i < presses; ++i)
                dialog.findChild<QPushButton*>("cmdFind")->click();
            stillOpen = dialog.isVisible();
        });
        replace ? ShowReplaceDialog(frame) : ShowFindDialog(frame);

        QTEST(marked(document), "expected");
        QCOMPARE(fake_.messages.size(), noMatch);
        for (const Message& message : std::as_const(fake_.messages))
            QCOMPARE(message.text, QStringLiteral("Sorry, no match could be found."));
        QCOMPARE(stillOpen, presses > 1 || noMatch > 0);
    }
};

QTEST_MAIN(TestSearchDialog)
#include "tst_searchdialog.moc"
