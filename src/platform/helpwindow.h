#pragma once

#include <QMainWindow>

class QAction;
class QTextBrowser;

namespace orvane {

// Orvane's help viewer: the manual in a browser with Contents, Back and Forward.
class HelpWindow final : public QMainWindow {
    Q_OBJECT
public:
    HelpWindow();

    // Shows the document at its beginning, or a page of its own when the file is missing.
    void showDocument(const QString& path);
    QTextBrowser& browser() const { return *browser_; }

private:
    void followTitle();

    QTextBrowser* browser_;
    QAction* contents_;
    QAction* back_;
    QAction* forward_;
};

} // namespace orvane
