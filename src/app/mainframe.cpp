#include "app/mainframe.h"

#include "about/aboutcommand.h"
#include "app/actionrecipe.h"
#include "app/caretstatusfield.h"
#include "app/diskreload.h"
#include "app/documentmenus.h"
#include "app/helpcommands.h"
#include "app/outsidefiles.h"
#include "app/projectsfolder.h"
#include "app/recentfiles.h"
#include "app/recentmenu.h"
#include "app/toolbaricons.h"
#include "app/toolbars.h"
#include "document/documentwindow.h"
#include "document/editorfont.h"
#include "document/filecommands.h"
#include "insert/insertcommands.h"
#include "platform/desktop.h"
#include "platform/screencentre.h"
#include "settings/editorsettings.h"
#include "settings/recentsettings.h"
#include "settings/settingsstore.h"
#include "templates/wizardcommand.h"
#include "toolchain/outputpane.h"

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
#include <QStyle>
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
      menuStack_(new QStackedWidget(this)), frameMenuBar_(new QMenuBar),
      toolbar1_(new QToolBar(QStringLiteral("Standard Toolbar"), this)),
      toolbar2_(new QToolBar(QStringLiteral("Object Toolbar"), this)),
      statusBar1_(new QStatusBar(this)), caretField_(new CaretStatusField) {
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
    menuStack_->addWidget(frameMenuBar_);
    setMenuWidget(menuStack_);
    buildFrameMenu();
    buildToolbars();

    statusBar1_->setObjectName(QStringLiteral("StatusBar1"));
    auto* panel = new QLabel(QStringLiteral("Ready.  Press F1 for Help."), statusBar1_);
    panel->setObjectName(QStringLiteral("StatusBar1Panel"));
    statusBar1_->addWidget(panel, 1);
    statusBar1_->addPermanentWidget(caretField_);
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

void MainFrame::buildFrameMenu() {
    QMenu* file = addSubmenu(frameMenuBar_, "mnuFile", QStringLiteral("&File"));
    frameMenuBar_->addMenu(file);
    QMenu* fileNew = addSubmenu(file, "mnuFileNew", QStringLiteral("&New"));
    file->addMenu(fileNew);
    addCommand(fileNew, "mnuFileNewDocument", QStringLiteral("New Document"),
               [this] { newDocumentWindow(); });
    addCommand(fileNew, "mnuFileNewTemplate", QStringLiteral("Standard Template"),
               [this] { ShowDocumentWizard(*this, QStringLiteral("1")); });
    fileNew->addSeparator();
    addCommand(fileNew, "mnuFileNewActionListener", QStringLiteral("ActionListener Template"),
               [this] { ShowDocumentWizard(*this, QStringLiteral("2")); });
    addCommand(fileNew, "mnuFileNewMouseListener", QStringLiteral("MouseListener Template"),
               [this] { ShowDocumentWizard(*this, QStringLiteral("3")); });
    addCommand(fileNew, "mnuFileNewRunnable", QStringLiteral("Runnable Template"),
               [this] { ShowDocumentWizard(*this, QStringLiteral("4")); });
    fileNew->addSeparator();
    addCommand(fileNew, "mnuFileNewApplication", QStringLiteral("Application Template"),
               [this] { ShowDocumentWizard(*this, QStringLiteral("5")); });
    addCommand(file, "mnuFileOpen", QStringLiteral("&Open"), QKeySequence(Qt::CTRL | Qt::Key_O),
               [this] { OpenDocument(*this); });
    file->addSeparator();
    addCommand(file, "mnuFileExit", QStringLiteral("E&xit"), [this] { exitProgram(); });
    AttachRecentFiles(*file, *this);

    QMenu* help = addSubmenu(frameMenuBar_, "mnuHelp", QStringLiteral("&Help"));
    frameMenuBar_->addMenu(help);
    addCommand(help, "mnuHelpContents", QStringLiteral("&Contents"), QKeySequence(Qt::Key_F1),
               [this] { ShowHelpContents(*this); });
    help->addSeparator();
    addCommand(help, "mnuHelpMainWebsite", QStringLiteral("Brennick Software"),
               [this] { OpenMakerHomePage(*this); });
    addCommand(help, "mnuHelpSupportWebsite", QStringLiteral("Orvane Support"),
               [this] { OpenMakerHomePage(*this); });
    help->addSeparator();
    addCommand(help, "mnuHelpAbout", QStringLiteral("&About Orvane"),
               [this] { ShowAboutBox(*this); });
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
    FillToolbar(*toolbar1_, StandardToolbarButtons(), StandardToolbarImage,
                [this](const QString& key) { StandardToolbarClick(*this, key); });
    FillToolbar(*toolbar2_, ObjectToolbarButtons(), ObjectToolbarImage,
                [this](const QString& key) { ShowObjectForToolbarKey(*this, key); });
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

    show();
    for (const QString& file : files)
        OpenNamedFile(*this, file);
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

bool MainFrame::openDroppedFiles(const QMimeData& data) {
    const QStringList files = DroppedFiles(data);
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
    window->setMenuBar(BuildDocumentMenuBar(*this, *window));
    menuStack_->addWidget(&window->menuBar());
    QMdiSubWindow* sub = mdiArea_->addSubWindow(window);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowIcon(window->windowIcon());
    placeNewWindow(*sub);
    connect(sub, &QObject::destroyed, this, &MainFrame::followActiveDocument, Qt::QueuedConnection);
    connect(sub, &QMdiSubWindow::windowStateChanged, this,
            [this, sub](Qt::WindowStates, Qt::WindowStates now) {
                if (now & Qt::WindowMinimized)
                    leaveMinimized(*sub);
            });
    sub->show();
    activateDocument(*window);
    return window;
}

// New windows cascade from the top-left corner, each a title bar lower than the last, and start
// over before they would leave the visible area.
void MainFrame::placeNewWindow(QMdiSubWindow& sub) {
    placeInCascade(sub, static_cast<int>(mdiArea_->subWindowList().size()) - 1);
}

// The `index`th place of the cascade, at two thirds of the area, as new windows open.
void MainFrame::placeInCascade(QMdiSubWindow& sub, int index) {
    const QSize area = mdiArea_->viewport()->size();
    const QSize size(std::max(area.width() * 2 / 3, 440), std::max(area.height() * 2 / 3, 200));
    const int step = sub.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &sub) + 4;
    const int room =
        std::max(std::min(area.width() - size.width(), area.height() - size.height()), step);
    const int offset = (step * index) % room;
    sub.setGeometry(offset, offset, size.width(), size.height());
}

// A minimised window is out of sight, so typing must not go on into it: the next window still
// in view takes over.
void MainFrame::leaveMinimized(QMdiSubWindow& sub) {
    if (mdiArea_->activeSubWindow() != &sub)
        return;
    // The history runs from the first activated to the latest.
    const QList<QMdiSubWindow*> history = mdiArea_->subWindowList(QMdiArea::ActivationHistoryOrder);
    for (auto other = history.crbegin(); other != history.crend(); ++other) {
        if (*other != &sub && !(*other)->isMinimized() && (*other)->isVisible()) {
            mdiArea_->setActiveSubWindow(*other);
            return;
        }
    }
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

// The active window's menu bar replaces the frame's, and its commands are enabled for its text
// as soon as it becomes active, even where the window system withholds the keyboard focus.
// With the last window gone there is nothing to work on, whichever way it closed.
void MainFrame::followActiveDocument() {
    caretField_->follow(activeDocument());
    if (DocumentWindow* window = activeDocument()) {
        menuStack_->setCurrentWidget(&window->menuBar());
        window->applyCommandEnabling();
        // Its question deactivates and reactivates the frame, which must not ask again.
        if (!followingDisk_) {
            followingDisk_ = true;
            FollowDiskChange(*this, *window);
            followingDisk_ = false;
        }
    } else if (mdiArea_->subWindowList().isEmpty()) {
        menuStack_->setCurrentWidget(frameMenuBar_);
        setToolbarState(true);
    }
}

void MainFrame::setToolbarState(bool empty) {
    SetToolbarState(*this, empty);
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

QAction* MainFrame::toolbarButton(const QString& key) const {
    for (QAction* action : toolbar1_->actions()) {
        if (action->data().toString() == key)
            return action;
    }
    return nullptr;
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

void MainFrame::toggleBar(Bar which, QAction& checkItem) {
    const bool show = !isBarVisible(which);
    setBarVisible(which, show);
    checkItem.setChecked(show);
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

void MainFrame::arrangeWindows(Arrangement arrangement) {
    switch (arrangement) {
    case Arrangement::Cascade:
        cascade();
        break;
    case Arrangement::TileHorizontal:
        tileStacked(true);
        break;
    case Arrangement::TileVertical:
        tileStacked(false);
        break;
    case Arrangement::ArrangeIcons:
        lineUpMinimized();
        break;
    }
}

// Tile horizontal stacks the windows one above another at full width; tile vertical puts them
// side by side at full height.
void MainFrame::tileStacked(bool fullWidth) {
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* sub : mdiArea_->subWindowList(QMdiArea::StackingOrder)) {
        if (!sub->isMinimized() && sub->isVisible())
            windows.append(sub);
    }
    if (windows.isEmpty())
        return;
    const QRect area = mdiArea_->viewport()->rect();
    const int count = static_cast<int>(windows.size());
    for (int i = 0; i < count; ++i) {
        QMdiSubWindow* sub = windows.at(count - 1 - i);
        if (sub->isMaximized())
            sub->showNormal();
        if (fullWidth) {
            const int top = area.height() * i / count;
            sub->setGeometry(0, top, area.width(), area.height() * (i + 1) / count - top);
        } else {
            const int left = area.width() * i / count;
            sub->setGeometry(left, 0, area.width() * (i + 1) / count - left, area.height());
        }
    }
}

// Qt's own cascade shrinks every window to a small default; this one keeps the size new windows
// open at, oldest at the top left and the active one in front.
void MainFrame::cascade() {
    int index = 0;
    for (QMdiSubWindow* sub : mdiArea_->subWindowList(QMdiArea::CreationOrder)) {
        if (sub->isMinimized() || !sub->isVisible())
            continue;
        if (sub->isMaximized())
            sub->showNormal();
        placeInCascade(*sub, index++);
    }
    if (QMdiSubWindow* active = mdiArea_->activeSubWindow())
        active->raise();
}

void MainFrame::lineUpMinimized() {
    const QRect area = mdiArea_->viewport()->rect();
    int x = 0;
    int y = area.height();
    for (QMdiSubWindow* sub : mdiArea_->subWindowList(QMdiArea::CreationOrder)) {
        if (!sub->isMinimized())
            continue;
        const QSize size = sub->size();
        if (x > 0 && x + size.width() > area.width()) {
            x = 0;
            y -= size.height();
        }
        sub->move(x, y - size.height());
        x += size.width();
    }
}

void MainFrame::exitProgram() {
    desktop_.endProgram();
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
