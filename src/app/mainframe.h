#pragma once

#include "document/filedialogstate.h"
#include "document/workspace.h"

#include <QHash>
#include <QList>
#include <QMainWindow>

#include <array>
#include <memory>

class QMdiArea;
class QMimeData;
class QMdiSubWindow;
class QMenuBar;
class QStackedWidget;
class QToolBar;
class QStatusBar;

namespace orvane {

class DiskFollower;
class CommandActions;
class OutputPane;
class RecoveryKeeper;
class TypingCheck;

enum class Bar { Standard, Object, Status };

// MDIForm1: the one frame holding the toolbars, the status bar and every document window.
class MainFrame final : public QMainWindow, public Workspace {
    Q_OBJECT
public:
    MainFrame(Desktop& desktop, SettingsStore& settings);
    ~MainFrame() override;

    // Centres the frame, applies the bar settings, prepares the projects folder and opens the
    // first empty document window, or instead each of `files` by Open's rules.
    void start(const QStringList& files = {});

    Desktop& desktop() const override { return desktop_; }
    SettingsStore& settings() const override { return settings_; }
    QWidget& dialogParent() override { return *this; }
    DocumentWindow* activeDocument() const override;
    QList<DocumentWindow*> documentWindows() const override;
    DocumentWindow* newDocumentWindow() override;
    void activateDocument(DocumentWindow& window) override;
    // Beside the program, or the user's own folder when start() found the program's folder
    // read-only.
    QString projectsFolder() const override;
    FileDialogState& fileDialog() override { return fileDialog_; }
    // The Output pane at the bottom of the frame, created on first use.
    ProgramOutput& programOutput() override;
    void showStatusMessage(const QString& text) override;

    QMdiArea& mdiArea() const { return *mdiArea_; }
    QToolBar& standardToolbar() const { return *toolbar1_; }
    QToolBar& objectToolbar() const { return *toolbar2_; }
    QStatusBar& statusBar1() const { return *statusBar1_; }
    QMenuBar& frameMenuBar() const { return *frameMenuBar_; }
    QMenuBar& documentMenuBar() const { return *documentMenuBar_; }
    // The menu item `name` (`mnuFileSave`), of the document windows' menu bar where both bars
    // have one; nullptr when there is none.
    QAction* command(const QString& name) const;
    // The standard toolbar's button with `key`, or nullptr.
    QAction* toolbarButton(const QString& key) const;

    bool isBarVisible(Bar bar) const;
    void setBarVisible(Bar bar, bool visible);
    // Shows or hides the bar and sets the active window's check mark to match; the other windows
    // keep theirs.
    void toggleBar(Bar bar);
    // The active window's check mark for `bar`; set for a new window whatever the bar shows.
    bool barMark(Bar bar) const;
    // The Output pane, created on first show; it can also be closed by its own title bar.
    bool isOutputVisible() const;
    void setOutputVisible(bool visible);

    // Opens the local files among dropped data as File > Open would; false when it holds none.
    bool openDroppedFiles(const QMimeData& dropped);

    // Closes the frame as its window's close command does: each window by its close rule, and a
    // window that stays open keeps the program running.
    void exitProgram();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildToolbars();
    void placeOnScreen();
    void followActiveDocument();
    void followCommandState(const DocumentWindow& window, bool empty);
    void rememberRecentFile(const QString& path);
    QWidget* bar(Bar which) const;

    Desktop& desktop_;
    SettingsStore& settings_;
    QMdiArea* mdiArea_;
    QStackedWidget* menuStack_;
    std::unique_ptr<CommandActions> commands_;
    QMenuBar* frameMenuBar_;
    QMenuBar* documentMenuBar_;
    QToolBar* toolbar1_;
    QToolBar* toolbar2_;
    QStatusBar* statusBar1_;
    DiskFollower* diskFollower_;
    RecoveryKeeper* recoveryKeeper_;
    QString projectsFolder_;
    FileDialogState fileDialog_;
    OutputPane* outputPane_ = nullptr;
    TypingCheck* typingCheck_;
    // Each window's check marks for the three bars.
    QHash<const DocumentWindow*, std::array<bool, 3>> barMarks_;
};

} // namespace orvane
