#pragma once

#include "document/syntaxcolouring.h"

#include <QObject>
#include <QTextCharFormat>
#include <QTimer>

#include <array>

class QPalette;
class QTextBlock;
class QTextDocument;

namespace orvane {

// Colours one document's Java or HTML with the rules of syntaxcolouring, in colours taken from
// the palette so they read on light and dark themes alike. Typing never waits for the whole
// document: the edited lines are coloured at once, the lines on screen before they are painted
// (the editor asks), and the rest in slices of a few milliseconds while the program is idle.
class SyntaxHighlighter final : public QObject {
    Q_OBJECT
public:
    SyntaxHighlighter(QTextDocument& document, const QPalette& palette);

    SyntaxLanguage language() const { return language_; }
    // Recolours the whole document when the language changes. With no language it takes the
    // colours off, so plain text costs nothing while it is typed or loaded.
    void setLanguage(SyntaxLanguage language);
    void setPalette(const QPalette& palette);

    // Colours every line up to and including `blockNumber` that still waits.
    void colourThrough(int blockNumber);
    // Colours everything that still waits, now.
    void colourAll();
    // True while some lines still wait for their colours.
    bool isColouring() const { return pendingFrom_ >= 0; }
    // The state `block` starts in, as the line before it ended; 0 before it is known.
    static int startState(const QTextBlock& block);

private:
    void documentChanged(int position, int removed, int added);
    void recolourAll();
    void clearColours();
    // Colours waiting lines from the first one until `lastBlock`, `maxBlocks` lines or
    // `budgetMs` milliseconds are reached, whichever comes first.
    void advance(int lastBlock, int maxBlocks, int budgetMs);
    struct Recoloured {
        bool coloursChanged = false;
        bool stateChanged = false;
    };
    Recoloured colourBlock(QTextBlock& block);
    void colourSlice();

    QTextDocument& text_;
    SyntaxLanguage language_ = SyntaxLanguage::None;
    std::array<QTextCharFormat, int(SyntaxKind::Entity) + 1> formats_;
    // The waiting lines: [pendingFrom_, pendingTo_], then on while the end states change.
    int pendingFrom_ = -1;
    int pendingTo_ = -1;
    int knownBlocks_ = 1;
    bool inChange_ = false;
    QTimer idle_;
};

} // namespace orvane
