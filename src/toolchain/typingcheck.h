#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QTimer>

namespace orvane {

class DocumentWindow;
class TypingChecker;
class Workspace;
struct CompilerDiagnostic;

// Checking Java as the user types: 600 ms after the typing in a Java source's window pauses, its
// text goes to Orvane's checker, run by the java of the JDK that compiles with the applet classes
// that compiling uses, and the answer becomes the window's markers. The checker starts with the
// first such pause, never before; without a JDK nothing is checked. Only the answer to the newest
// request counts, and only while the window still holds the text that was sent.
class TypingCheck final : public QObject {
    Q_OBJECT
public:
    explicit TypingCheck(Workspace& workspace, QObject* parent = nullptr);
    ~TypingCheck() override;

    // Follows the typing in `window` from now on.
    void watch(DocumentWindow& window);
    // The running checker, or nullptr.
    const TypingChecker* checker() const { return checker_; }

    static constexpr int pauseMs = 600;

private:
    void edited(DocumentWindow& window);
    void checkPending();
    void answered(qint64 number, const QList<CompilerDiagnostic>& diagnostics);
    bool startChecker();

    Workspace& workspace_;
    QTimer pause_;
    QPointer<DocumentWindow> pending_;
    // The text last sent for each window, so an unchanged text is not sent again.
    QHash<const DocumentWindow*, QString> sentTexts_;
    struct Sent {
        QPointer<DocumentWindow> window;
        qint64 number = 0;
    } newest_;
    TypingChecker* checker_ = nullptr;
    bool off_ = false; // no JDK, or the checker gave up
};

} // namespace orvane
