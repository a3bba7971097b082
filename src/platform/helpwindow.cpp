#include "platform/helpwindow.h"

#include <QAction>
#include <QFileInfo>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>

namespace orvane {

namespace {

const QString helpTitle = QStringLiteral("Orvane Help");

QString notFoundPage(const QString& path) {
    return QStringLiteral("<html><head><title>%1</title></head><body>"
                          "<h2>Help Not Found</h2>"
                          "<p>Orvane could not find its help document:</p>"
                          "<p style=\"margin-left:20px\"><code>%2</code></p>"
                          "<p>The manual is installed beside the program as <b>orvane.hlp</b>. "
                          "Reinstall Orvane to restore it.</p></body></html>")
        .arg(helpTitle, path.toHtmlEscaped());
}

QAction* addButton(QToolBar* bar, QStyle::StandardPixmap image, const QString& caption,
                   const char* name, const QKeySequence& key) {
    QAction* action = bar->addAction(bar->style()->standardIcon(image), caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(key);
    action->setToolTip(QStringLiteral("%1 (%2)").arg(QString(caption).remove(u'&'),
                                                     key.toString(QKeySequence::NativeText)));
    return action;
}

} // namespace

HelpWindow::HelpWindow() : browser_(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(helpTitle);
    resize(820, 640);

    browser_->setObjectName(QStringLiteral("helpBrowser"));
    browser_->setOpenExternalLinks(true);
    browser_->setFrameShape(QFrame::NoFrame);
    browser_->document()->setDocumentMargin(14);
    setCentralWidget(browser_);

    auto* bar = addToolBar(QStringLiteral("Navigation"));
    bar->setObjectName(QStringLiteral("helpToolbar"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    bar->toggleViewAction()->setVisible(false);
    contents_ = addButton(bar, QStyle::SP_DirHomeIcon, QStringLiteral("&Contents"), "helpContents",
                          QKeySequence(Qt::ALT | Qt::Key_Home));
    back_ = addButton(bar, QStyle::SP_ArrowBack, QStringLiteral("&Back"), "helpBack",
                      QKeySequence::Back);
    forward_ = addButton(bar, QStyle::SP_ArrowForward, QStringLiteral("&Forward"), "helpForward",
                         QKeySequence::Forward);
    back_->setEnabled(false);
    forward_->setEnabled(false);

    auto* close = new QAction(this);
    close->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence::Close});
    addAction(close);

    connect(contents_, &QAction::triggered, browser_, &QTextBrowser::home);
    connect(back_, &QAction::triggered, browser_, &QTextBrowser::backward);
    connect(forward_, &QAction::triggered, browser_, &QTextBrowser::forward);
    connect(close, &QAction::triggered, this, &QWidget::close);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::followTitle);
}

void HelpWindow::showDocument(const QString& path) {
    const QFileInfo file(path);
    if (file.isFile()) {
        // Links within the manual resolve against its address, which must be absolute.
        browser_->setSource(QUrl::fromLocalFile(file.absoluteFilePath()),
                            QTextDocument::HtmlResource);
        contents_->setEnabled(true);
    } else {
        browser_->clearHistory();
        browser_->setHtml(notFoundPage(path));
        contents_->setEnabled(false);
    }
    followTitle();
}

void HelpWindow::followTitle() {
    const QString page = browser_->documentTitle();
    setWindowTitle(page.isEmpty() || page == helpTitle ? helpTitle
                                                       : helpTitle + QStringLiteral(" - ") + page);
}

} // namespace orvane
