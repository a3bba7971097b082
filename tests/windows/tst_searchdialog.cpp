#include "app/mainframe.h"
#include "document/documentwindow.h"
#include "fakedesktop.h"
#include "search/searchcommands.h"
#include "settings/settingsstore.h"
#include "testsettings.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace orvane;

namespace {

template <typename Widget> Widget* child(QDialog& dialog, const char* name) {
    return dialog.findChild<Widget*>(QString::fromLatin1(name));
}

// An empty search is a letter typed and deleted again, so the box has changed once. Other
// texts go in as a paste, since key clicks carry ASCII only.
void typeSearch(QDialog& dialog, const QString& text) {
    auto* box = child<QLineEdit>(dialog, "txtFind");
    if (!text.isEmpty()) {
        box->insert(text);
        return;
    }
    QTest::keyClick(box, Qt::Key_X);
    QTest::keyClick(box, Qt::Key_Backspace);
}

// The text with its selection in brackets, or "|" at the caret when nothing is selected.
QString marked(const DocumentText& document) {
    QString text = document.text();
    if (document.selLength() == 0)
        return text.insert(document.selStart(), u'|');
    return text.insert(document.selStart() + document.selLength(), u']')
        .insert(document.selStart(), u'[');
}

} // namespace

class TestSearchDialog : public QObject {
    Q_OBJECT

    test::TemporarySettings store_;
    test::FakeDesktop fake_;
    SettingsStore settings_;
    std::unique_ptr<MainFrame> frame_;

    DocumentText document() const { return frame_->activeDocument()->text(); }

    // The caret starts at the end, so a search that started there would find nothing.
    void openWith(const QString& text) {
        DocumentText doc = document();
        doc.setText(text);
        doc.setSelStart(static_cast<int>(text.size()));
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
        QTest::addColumn<int>("presses"); // more than one keeps the dialog open
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("noMatchMessages");
        QTest::addColumn<bool>("stillOpen");

        QTest::newRow("find ignores case beyond ASCII")
            << false << "Kein Ärger\r\nПривет, МИР!"
            << "мир"
            << "" << 1 << "Kein Ärger\r\nПривет, [МИР]!" << 0 << false;
        QTest::newRow("find trims blanks, starts at the top")
            << false << "abc x x"
            << " X "
            << "" << 1 << "abc [x] x" << 0 << false;
        QTest::newRow("find again selects the same") << false << "a-a"
                                                     << "a"
                                                     << "" << 2 << "[a]-a" << 0 << true;
        QTest::newRow("empty search") << false << "abc"
                                      << ""
                                      << "" << 1 << "|abc" << 0 << false;
        QTest::newRow("empty search, empty text") << false << ""
                                                  << ""
                                                  << "" << 1 << "|" << 1 << true;
        QTest::newRow("not found stays open") << false << "abc"
                                              << "zzz"
                                              << "" << 1 << "abc|" << 1 << true;
        QTest::newRow("replace ignores case beyond ASCII")
            << true << "Ärger, ärger"
            << "ÄRGER"
            << "Freude" << 1 << "Freude|, ärger" << 0 << false;
        QTest::newRow("replace empty search inserts at the top")
            << true << "abc"
            << ""
            << "X" << 1 << "X|abc" << 0 << false;
        QTest::newRow("replace one per press") << true << "a-a-a"
                                               << "a"
                                               << " b " << 2 << "b-b|-a" << 0 << true;
        QTest::newRow("replace until none is left") << true << "a-a-a"
                                                    << "a"
                                                    << "b" << 4 << "b-b-b|" << 1 << true;
        QTest::newRow("replacement containing the search") << true << "xax"
                                                           << "A"
                                                           << "aa" << 3 << "xaa|aax" << 0 << true;
        QTest::newRow("empty replacement deletes") << true << "hello world"
                                                   << "o"
                                                   << "" << 1 << "hell| world" << 0 << false;
        QTest::newRow("line breaks count as two") << true << "a\r\nb\r\nb"
                                                  << "B"
                                                  << "c" << 1 << "a\r\nc|\r\nb" << 0 << false;
    }

    void pressesFind() {
        QFETCH(bool, replace);
        QFETCH(QString, search);
        QFETCH(QString, replacement);
        QFETCH(int, presses);
        QFETCH(QString, text);
        openWith(text);
        bool stillOpen = false;
        fake_.driveDialog([&](QDialog& dialog) {
            typeSearch(dialog, search);
            child<QLineEdit>(dialog, "txtReplace")->setText(replacement);
            child<QCheckBox>(dialog, "chkOpen")->setChecked(presses > 1);
            for (int i = 0; i < presses; ++i)
                child<QPushButton>(dialog, "cmdFind")->click();
            stillOpen = dialog.isVisible();
        });
        replace ? ShowReplaceDialog(*frame_) : ShowFindDialog(*frame_);

        QTEST(marked(document()), "expected");
        QTEST(static_cast<int>(fake_.messages.size()), "noMatchMessages");
        for (const Message& message : fake_.messages) {
            QCOMPARE(message.text, QStringLiteral("Sorry, no match could be found."));
            QCOMPARE(message.title, QStringLiteral("Orvane"));
            QCOMPARE(message.icon, MessageIcon::Information);
        }
        QTEST(stillOpen, "stillOpen");
    }

    void buttonWaitsForTheSearchBox() {
        fake_.driveDialog([](QDialog& dialog) {
            auto* find = child<QPushButton>(dialog, "cmdFind");
            QVERIFY(!find->isEnabled());
            child<QLineEdit>(dialog, "txtReplace")->insert(QStringLiteral("x"));
            QVERIFY(!find->isEnabled());
            typeSearch(dialog, QString());
            QVERIFY(find->isEnabled());
        });
        ShowReplaceDialog(*frame_);
    }

    void captionDecidesTheMode() {
        openWith(QStringLiteral("abc"));
        QList<QSize> sizes;
        fake_.driveDialog([&](QDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Find"));
            QVERIFY(!child<QLineEdit>(dialog, "txtReplace")->isVisible());
            QVERIFY(!child<QLabel>(dialog, "lblReplace")->isVisible());
            sizes << dialog.size();
            // Under any other caption the same dialog replaces, here with the empty text.
            dialog.setWindowTitle(QStringLiteral("Find and Replace"));
            typeSearch(dialog, QStringLiteral("B"));
            child<QPushButton>(dialog, "cmdFind")->click();
        });
        ShowFindDialog(*frame_);
        QCOMPARE(marked(document()), QStringLiteral("a|c"));
        fake_.driveDialog([&](QDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Replace"));
            QVERIFY(child<QLineEdit>(dialog, "txtReplace")->isVisible());
            sizes << dialog.size();
        });
        ShowReplaceDialog(*frame_);
        QCOMPARE(sizes.first(), sizes.last());
    }
};

QTEST_MAIN(TestSearchDialog)
#include "tst_searchdialog.moc"
