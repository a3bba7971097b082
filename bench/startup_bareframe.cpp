#include "startupprobe.h"

#include <QApplication>
#include <QFile>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

// The baseline: a plain Qt program showing the same kind of frame with no logic behind it, and
// the file named on its command line, if any, put into its plain text editor; it ends at the
// editor's first paint.
int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QMainWindow frame;
    auto* area = new QMdiArea;
    frame.setCentralWidget(area);
    for (const char* title : {"&File", "&Edit", "&View", "&Insert", "&Window", "&Help"}) {
        QMenu* menu = frame.menuBar()->addMenu(QString::fromLatin1(title));
        for (int item = 0; item < 8; ++item)
            menu->addAction(QStringLiteral("Item %1").arg(item));
    }
    const QIcon icon = frame.style()->standardIcon(QStyle::SP_FileIcon);
    for (int bar = 0; bar < 2; ++bar) {
        QToolBar* toolbar = frame.addToolBar(QStringLiteral("Toolbar"));
        for (int button = 0; button < 11; ++button)
            toolbar->addAction(icon, QStringLiteral("Button"));
        frame.addToolBarBreak();
    }
    frame.statusBar()->showMessage(QStringLiteral("Ready."));
    frame.resize(960, 720);
    frame.show();
    auto* editor = new QPlainTextEdit;
    if (argc > 1) {
        QFile file(QString::fromLocal8Bit(argv[1]));
        if (file.open(QIODevice::ReadOnly))
            editor->setPlainText(QString::fromUtf8(file.readAll()));
    }
    QMdiSubWindow* window = area->addSubWindow(editor);
    // As large as Orvane's first window, so both lay out and paint as many lines.
    window->resize(area->viewport()->width() * 2 / 3, area->viewport()->height() * 2 / 3);
    window->show();
    const FirstPaintProbe probe(*editor->viewport(), [] { return false; });
    return QApplication::exec();
}
