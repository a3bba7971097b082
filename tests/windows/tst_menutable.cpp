// The menus and toolbars as the user meets them: every caption with its access letter, every
// shortcut and separator, every toolbar key, tooltip and description. Items added since come
// after a separator at the end of their menu, so these tables stay true as they are.

#include "document/documentwindow.h"
#include "testframe.h"

#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

using namespace orvane;
using namespace orvane::test;

namespace {

// One entry a line: "name|caption|shortcut", "-" for a separator, submenus by their own row.
QStringList entries(const QList<QAction*>& actions) {
    QStringList listed;
    for (const QAction* action : actions) {
        if (action->isSeparator())
            listed << QStringLiteral("-");
        else
            listed << action->objectName() + u'|' + action->text() + u'|' +
                          action->shortcut().toString(QKeySequence::PortableText);
    }
    return listed;
}

QStringList menuEntries(const QMenuBar& bar, const QString& menu) {
    if (menu.isEmpty())
        return entries(bar.actions());
    const auto* found = bar.findChild<QMenu*>(menu);
    return found ? entries(found->actions()) : QStringList{QStringLiteral("missing")};
}

QStringList toolbarEntries(const QToolBar& toolbar) {
    QStringList listed;
    for (const QAction* action : toolbar.actions()) {
        if (action->isSeparator())
            listed << QStringLiteral("-");
        else
            listed << action->data().toString() + u'|' + action->toolTip() + u'|' +
                          action->statusTip();
    }
    return listed;
}

// The design's entries first, exactly; anything after them opens with a separator.
void compareDesigned(const QStringList& actual, const QStringList& designed) {
    QCOMPARE(actual.mid(0, designed.size()), designed);
    if (actual.size() > designed.size())
        QCOMPARE(actual.at(designed.size()), QStringLiteral("-"));
}

} // namespace

class TestMenuTable : public QObject {
    Q_OBJECT

    std::unique_ptr<TestFrame> test_;

private slots:
    void initTestCase() {
        test_ = std::make_unique<TestFrame>();
        QVERIFY(test_->start());
    }
    void cleanupTestCase() { test_.reset(); }

    void menus_data() {
        QTest::addColumn<bool>("frameBar");
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QStringList>("designed");
        const auto row = [](const char* name, bool frameBar, const char* menu,
                            const QStringList& designed) {
            QTest::newRow(name) << frameBar << QString::fromLatin1(menu) << designed;
        };
        row("frame bar", true, "", {"mnuFile|&File|", "mnuHelp|&Help|"});
        row("frame File", true, "mnuFile",
            {"mnuFileNew|&New|", "mnuFileOpen|&Open|Ctrl+O", "-", "mnuFileExit|E&xit|"});
        row("frame File New", true, "mnuFileNew",
            {"mnuFileNewDocument|New Document|", "mnuFileNewTemplate|Standard Template|", "-",
             "mnuFileNewActionListener|ActionListener Template|",
             "mnuFileNewMouseListener|MouseListener Template|",
             "mnuFileNewRunnable|Runnable Template|", "-",
             "mnuFileNewApplication|Application Template|"});
        row("frame Help", true, "mnuHelp",
            {"mnuHelpContents|&Contents|F1", "-", "mnuHelpMainWebsite|Brennick Software|",
             "mnuHelpSupportWebsite|Orvane Support|", "-", "mnuHelpAbout|&About Orvane|"});
        row("document bar", false, "",
            {"mnuFile|&File|", "mnuEdit|&Edit|", "mnuView|&View|", "mnuInsert|&Insert|",
             "mnuWindow|&Window|", "mnuHelp|&Help|"});
        row("document File", false, "mnuFile",
            {"mnuFilenew|New|", "mnuFileOpen|&Open|Ctrl+O", "mnuFileSave|&Save|Ctrl+S",
             "mnuFilePrint|&Print|Ctrl+P", "-", "mnuFileExit|E&xit\tAlt+F4|"});
        row("document File New", false, "mnuFilenew",
            {"mnuFileNewSocument|New Document|", "mnuFileNewApplet|Standard Applet|Ctrl+N", "-",
             "mnuFileNewActionListener|ActionListener Applet|",
             "mnuFileNewMouseListener|MouseListener Applet|", "mnuFileNewRunnable|Runnable Applet|",
             "-", "mnuFileNewApplication|Application Template|"});
        row("document Edit", false, "mnuEdit",
            {"mnuEditCut|Cut|Ctrl+X", "mnuEditCopy|&Copy|Ctrl+C", "mnuEditPaste|&Paste|Ctrl+V",
             "mnuEditDelete|&Delete|Ctrl+D", "-", "mnuEditSelect|Select &All|Ctrl+A", "-",
             "mnuEditFind|&Find|Ctrl+F", "mnuEditReplace|&Replace|Ctrl+R"});
        row("document View", false, "mnuView",
            {"mnuViewStandard|Standard Toolbar|", "mnuViewObject|Object Toolbar|",
             "mnuViewStatus|Status Bar|", "-", "mnuViewOptions|Options|F3", "-",
             "mnuViewCompile|Compile|F4", "mnuViewPreview|&Preview|F5", "-",
             "mnuViewOutput|Output|"});
        row("document Insert", false, "mnuInsert",
            {"mnuInsertVariable|Varia&ble...|Ctrl+B", "mnuInsertFunction|Func&tion...|Ctrl+T",
             "mnuInsertStatements|Statement...|", "-", "mnuInsertObjectLabel|Label|",
             "mnuInsertObjectText|Text|", "mnuInsertObjectFont|Font|", "-",
             "mnuInsertObjectCheckbox|Checkbox|", "mnuInsertObjectRadio|Radio button|", "-",
             "mnuInsertObjectButton|Button|", "mnuInsertObjectScrollbar|Scrollbar|"});
        row("document Insert Statement", false, "mnuInsertStatements",
            {"mnuInsertStatementIF|IF Statement|", "mnuInsertStatementIFELSE|IF ELSE Statement|",
             "-", "mnuInsertStatementFORS|FOR Statement|", "-",
             "mnuInsertStatementWHILES|WHILE Statement|",
             "mnuInsertStatementDOM|DO WHILE Statement|", "-",
             "mnuInsertStatementSWITCH|SWITCH Statement|", "-",
             "mnuInsertStatementTRY|TRY CATCH Statement|",
             "mnuInsertStatementFINALLY|TRY CATCH FINALLY Statement|"});
        row("document Window", false, "mnuWindow",
            {"mnuWindowCascade|Cascade|", "mnuWindowHorizontal|Tile Horizontal|",
             "mnuWindowVertical|Tile Vertical|", "mnuWindowArrange|Arrange Icons|"});
        row("document Help", false, "mnuHelp",
            {"mnuHelpContents|&Contents|F1", "-", "mnuHelpWebsitesBrennick|Brennick Software|",
             "mnuHelpWebsitesSupport|Orvane Support|", "-", "mnuHelpAbout|&About Orvane|"});
    }
    void menus() {
        QFETCH(bool, frameBar);
        QFETCH(QString, menu);
        QFETCH(QStringList, designed);
        const QMenuBar& bar =
            frameBar ? test_->frame().frameMenuBar() : test_->frame().documentMenuBar();
        compareDesigned(menuEntries(bar, menu), designed);
    }

    void toolbars() {
        compareDesigned(toolbarEntries(test_->frame().standardToolbar()),
                        {"New|New Document|Creates a new, blank document.", "-",
                         "Open|Open Project or Document|Opens a project or document.",
                         "Save|Save Project or Document|Saves a project or document.",
                         "Print|Print Document|Prints a document.", "-", "Preview|Preview|",
                         "Run|Run|", "-", "Cut|Cut|Cuts selected text to Clipboard",
                         "Copy|Copy|Copies selected text to Clipboard",
                         "Paste|Paste|Pastes text from Clipboard", "-",
                         "Find|Find|Search document for a word or phrase.", "-", "Help|Help|"});
        compareDesigned(toolbarEntries(test_->frame().objectToolbar()),
                        {"Font|Font|", "-", "Label|Label|", "-", "TextEdit|TextEdit|",
                         "TextField|TextField|", "-", "Checkbox|Checkbox|",
                         "Radiobutton|Radiobutton|", "-", "Button|Button|", "-",
                         "Scrollbar|Scrollbar|"});
    }
};

QTEST_MAIN(TestMenuTable)
#include "tst_menutable.moc"
