#include "app/mainframe.h"

#include "app/commandactions.h"
#include "app/outsidefiles.h"
#include "app/projectsfolder.h"
#include "app/recentfiles.h"
#include "app/toolbaricons.h"
#include "app/windowarrangement.h"
#include "document/diskfollower.h"
#include "document/documentwindow.h"
#include "document/editorfont.h"
#include "document/filecommands.h"
#include "document/recoverykeeper.h"
#include "platform/desktop.h"
#include "platform/screencentre.h"
#include "settings/editorsettings.h"
#include "settings/recentsettings.h"
#include "settings/settingsstore.h"
#include "toolchain/outputpane.h"
#include "toolchain/typingcheck.h"

#include <QCloseEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolBar>

namespace orvane {

namespace {

const QString orvaneTitle = QStringLiteral("Orvane");

const QString welcomeTitle = QStringLiteral("Welcome to Orvane [Service Release 1 (SR1)]");
const QString welcomeText = QStringLiteral("This Service Release corrected serveral known issues "
                                           "discovered in the Gold Release.  For more information, "
                                           "see the history.txt file for details.");

// The designed frame is tiny on a modern screen; start at a comfortable share of it instead.
constexpr double screenShare = 0.75;

} // namespace

MainFrame::MainFrame(Desktop& desktop, SettingsStore& settings)
    : desktop_(desktop), settings_(settings), mdiArea_(new QMdiArea(this)),
      menuStack_(new QStackedWidget(this)), commands_(std::make_unique<CommandActions>(*this)),
      frameMenuBar_(commands_->buildMenuBar(FrameMenu, menuStack_)),
      documentMenuBar_(commands_->buildMenuBar(DocumentMenu, menuStack_)),
      toolbar1_(new QToolBar(QStringLiteral("Standard Toolbar"), this)),
      toolbar2_(new QToolBar(QStringLiteral("Object Toolbar"), this)),
      statusBar1_(new QStatusBar(this)), diskFollower_(new DiskFollower(*this, this)),
      recoveryKeeper_(new RecoveryKeeper(*this, RecoveryKeeper::DefaultFolder(), this)),
      typingCheck_(new TypingCheck(*this, this)) {
    setObjectName(QStringLiteral("MDIForm1"));
    setWindowTitle(orvaneTitle);
    setWindowIcon(ProgramIcon());
    setAcceptDrops(true);

    mdiArea_->setObjectName(QStringLiteral("mdiArea"));
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdiArea_);

    // Only the visible menu bar's shortcuts work, so stacking them switches both at once.
    frameMenuBar_->setObjectName(QStringLiteral("frameMenuBar"));
    documentMenuBar_->setObjectName(QStringLiteral("documentMenuBar"));
    menuStack_->addWidget(frameMenuBar_);
    menuStack_->addWidget(documentMenuBar_);
    setMenuWidget(menuStack_);
    buildToolbars();

    statusBar1_->setObjectName(QStringLiteral("StatusBar1"));
    auto* panel = new QLabel(QStringLiteral("Ready.  Press F1 for Help."), statusBar1_);
    panel->setObjectName(QStringLiteral("StatusBar1Panel"));
    statusBar1_->addWidget(panel, 1);
    setStatusBar(statusBar1_);

    connect(mdiArea_, &QMdiArea::subWindowActivated, this, &MainFrame::followActiveDocument);
}

// The document windows go first, while the frame they call back into is still whole, and
// their last signals must not reach it.
MainFrame::~MainFrame() {
    disconnect(mdiArea_, nullptr, this, nullptr);
    for (QMdiSubWindow* sub : mdiArea_->subWindowList())
        disconnect(sub, nullptr, this, nullptr);
    delete mdiArea_;
}

void MainFrame::buildToolbars() {
    for (QToolBar* toolbar : {toolbar1_, toolbar2_}) {
        toolbar->setMovable(false);
        toolbar->setFloatable(false);
        toolbar->setIconSize(QSize(16, 16));
        toolbar->toggleViewAction()->setVisible(false);
        addToolBar(Qt::TopToolBarArea, toolbar);
    }
    // Each toolbar on a row of its own, the object toolbar directly below the standard one.
    insertToolBarBreak(toolbar2_);
    toolbar1_->setObjectName(QStringLiteral("Toolbar1"));
    toolbar2_->setObjectName(QStringLiteral("Toolbar2"));
    commands_->fillToolbar(*toolbar1_, StandardToolbar);
    commands_->fillToolbar(*toolbar2_, ObjectToolbar);
}

void MainFrame::start(const QStringList& files) {
    placeOnScreen();
    const QString previousVersion = settings_.get(SettingKey::UsedPreviousVersion);
    setBarVisible(Bar::Standard, settings_.get(SettingKey::StandardToolbarValue) == u"1");
    setBarVisible(Bar::Object, settings_.get(SettingKey::FormattingToolbarValue) == u"1");
    setBarVisible(Bar::Status, settings_.get(SettingKey::StatusbarValue) == u"1");

    projectsFolder_ = ProjectsFolderPath(desktop_.programFolder());
    if (!EnsureFolderExists(projectsFolder_)) {
        // An installed program's folder is not the user's to write: projects go to the user's
        // own data folder instead, so the wizard and the Run dialog still work.
        if (!EnsureFolderExists(projectsFolder_)) {
            projectsFolder_ = UserProjectsFolderPath();
            EnsureFolderExists(projectsFolder_);
        }
        if (previousVersion == u"100") {
            desktop_.showMessage(
                {welcomeText, welcomeTitle, MessageButtons::Ok, MessageIcon::Information});
            settings_.save(SettingKey::UsedPreviousVersion, QStringLiteral("101"));
        }
    }

    // A list an earlier version kept moves to its new place once.
    SaveRecentFiles(settings_, ReadRecentFiles(settings_));
    show();
    for (const QString& file : files)
        OpenDocumentFile(*this, file);
    recoveryKeeper_->offerRecovery();
    // Files that could not be opened leave the frame as a start without files would.
    if (documentWindows().isEmpty())
        newDocumentWindow();
}

void MainFrame::rememberRecentFile(const QString& path) {
    SaveRecentFiles(settings_, WithRecentFile(ReadRecentFiles(settings_), path));
}

void MainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedFiles(*event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainFrame::dropEvent(QDropEvent* event) {
    if (openDroppedFiles(*event->mimeData()))
        event->acceptProposedAction();
}

bool MainFrame::openDroppedFiles(const QMimeData& dropped) {
    const QStringList files = DroppedFiles(dropped);
    for (const QString& file : files)
        OpenDocumentFile(*this, file);
    return !files.isEmpty();
}

// Coming back from another program is when a file it changed shows.
void MainFrame::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        followActiveDocument();
}

QString MainFrame::projectsFolder() const {
    return projectsFolder_.isEmpty() ? ProjectsFolderPath(desktop_.programFolder())
                                     : projectsFolder_;
}

void MainFrame::placeOnScreen() {
    const QSize screen = desktop_.screenSize();
    resize((screen.toSizeF() * screenShare).toSize().expandedTo(QSize(640, 480)));
    CentreOnScreen(*this, screen);
}

DocumentWindow* MainFrame::activeDocument() const {
    // The current window stays current while a modal dialog has the focus.
    QMdiSubWindow* sub = mdiArea_->currentSubWindow();
    return sub ? qobject_cast<DocumentWindow*>(sub->widget()) : nullptr;
}

QList<DocumentWindow*> MainFrame::documentWindows() const {
    QList<DocumentWindow*> windows;
    for (QMdiSubWindow* sub : mdiArea_->subWindowList(QMdiArea::CreationOrder)) {
        if (auto* window = qobject_cast<DocumentWindow*>(sub->widget()))
            windows.append(window);
    }
    return windows;
}

DocumentWindow* MainFrame::newDocumentWindow() {
    auto* window = new DocumentWindow(*this);
    window->setWindowIcon(DocumentIcon());
    window->setEditorFont(ChooseEditorFont(settings_.get(SettingKey::FontNameValue),
                                           settings_.get(SettingKey::FontNameSize)));
    window->applyEditorOptions(ReadEditorOptions(settings_));
    connect(window, &DocumentWindow::fileUsed, this, &MainFrame::rememberRecentFile);
    typingCheck_->watch(*window);
    diskFollower_->follow(*window);
    recoveryKeeper_->follow(*window);
    connect(window, &DocumentWindow::commandStateChanged, this,
            [this, window](bool empty) { followCommandState(*window, empty); });
    barMarks_.insert(window, {true, true, true});
    connect(window, &QObject::destroyed, this, [this, window] { barMarks_.remove(window); });
    QMdiSubWindow* sub = mdiArea_->addSubWindow(window);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowIcon(window->windowIcon());
    PlaceInCascade(*mdiArea_, *sub, static_cast<int>(mdiArea_->subWindowList().size()) - 1);
    connect(sub, &QObject::destroyed, this, &MainFrame::followActiveDocument, Qt::QueuedConnection);
    connect(sub, &QMdiSubWindow::windowStateChanged, this,
            [this, sub](Qt::WindowStates, Qt::WindowStates now) {
                if (now & Qt::WindowMinimized)
                    ActivateNextInView(*mdiArea_, *sub);
            });
    sub->show();
    activateDocument(*window);
    return window;
}

// Whatever the user is to work on next must be in view.
void MainFrame::activateDocument(DocumentWindow& window) {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(window.parentWidget())) {
        if (sub->isMinimized())
            sub->showNormal();
        mdiArea_->setActiveSubWindow(sub);
    }
    window.editor().setFocus();
    followActiveDocument();
}

// The document menu bar replaces the frame's, and the commands follow the active window: enabled
// for its text as soon as it becomes active (even where the window system withholds the keyboard
// focus), its own check marks, its editor's history. With the last window gone there is nothing
// to work on, whichever way it closed.
void MainFrame::followActiveDocument() {
    if (DocumentWindow* window = activeDocument()) {
        menuStack_->setCurrentWidget(documentMenuBar_);
        commands_->showChecks();
        commands_->followHistory(&window->editor());
        window->applyCommandEnabling();
        diskFollower_->requestCheck();
    } else if (mdiArea_->subWindowList().isEmpty()) {
        menuStack_->setCurrentWidget(frameMenuBar_);
        commands_->followHistory(nullptr);
        commands_->setToolbarState(true, *toolbar2_);
    }
}

void MainFrame::followCommandState(const DocumentWindow& window, bool empty) {
    if (activeDocument() != &window)
        return;
    commands_->setToolbarState(empty, *toolbar2_);
    commands_->setMenuState(empty);
}

void MainFrame::showStatusMessage(const QString& text) {
    statusBar1_->showMessage(text, 5000);
}

ProgramOutput& MainFrame::programOutput() {
    if (!outputPane_) {
        outputPane_ = new OutputPane(*this, *this);
        addDockWidget(Qt::BottomDockWidgetArea, outputPane_);
        resizeDocks({outputPane_}, {height() / 3}, Qt::Vertical);
    }
    outputPane_->show();
    outputPane_->raise();
    return *outputPane_;
}

QAction* MainFrame::command(const QString& name) const {
    return commands_->item(name);
}

QAction* MainFrame::toolbarButton(const QString& key) const {
    return commands_->button(key);
}

QWidget* MainFrame::bar(Bar which) const {
    switch (which) {
    case Bar::Standard:
        return toolbar1_;
    case Bar::Object:
        return toolbar2_;
    case Bar::Status:
        break;
    }
    return statusBar1_;
}

bool MainFrame::isBarVisible(Bar which) const {
    return !bar(which)->isHidden();
}

void MainFrame::setBarVisible(Bar which, bool visible) {
    bar(which)->setVisible(visible);
}

void MainFrame::toggleBar(Bar which) {
    const bool show = !isBarVisible(which);
    setBarVisible(which, show);
    if (DocumentWindow* window = activeDocument())
        barMarks_[window][static_cast<size_t>(which)] = show;
}

bool MainFrame::barMark(Bar which) const {
    DocumentWindow* window = activeDocument();
    return !window || barMarks_.value(window, {true, true, true})[static_cast<size_t>(which)];
}

bool MainFrame::isOutputVisible() const {
    return outputPane_ && !outputPane_->isHidden();
}

void MainFrame::setOutputVisible(bool visible) {
    if (visible)
        programOutput();
    else if (outputPane_)
        outputPane_->hide();
}

void MainFrame::exitProgram() {
    close();
}

void MainFrame::closeEvent(QCloseEvent* event) {
    // Each window closes by its own rule; one that stays open (its save was cancelled) stops
    // the frame from closing, so no text is lost.
    // Each window comes to the front before its close rule may ask about it.
    for (QMdiSubWindow* sub : mdiArea_->subWindowList(QMdiArea::CreationOrder)) {
        if (auto* window = qobject_cast<DocumentWindow*>(sub->widget()))
            activateDocument(*window);
        if (!sub->close()) {
            event->ignore();
            return;
        }
    }
    event->accept();
    desktop_.endProgram();
}

} // namespace orvane
