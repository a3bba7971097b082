#include "document/syntaxhighlighter.h"

#include "document/paletteblend.h"

#include <QElapsedTimer>
#include <QPalette>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <limits>

namespace orvane {

namespace {

// Lines coloured at once with an edit or a load: more than a screenful, so the first paint
// finds its lines coloured, and cheap enough not to be felt.
constexpr int kLinesAtOnce = 80;
// One idle slice: short enough that a key pressed meanwhile is not held up.
constexpr int kSliceMs = 4;
constexpr int kNoLimit = std::numeric_limits<int>::max();

QTextCharFormat charFormat(const QColor& colour, bool bold = false, bool italic = false) {
    QTextCharFormat result;
    result.setForeground(colour);
    if (bold)
        result.setFontWeight(QFont::Bold);
    result.setFontItalic(italic);
    return result;
}

bool sameRanges(const QList<QTextLayout::FormatRange>& a,
                const QList<QTextLayout::FormatRange>& b) {
    return std::equal(a.cbegin(), a.cend(), b.cbegin(), b.cend(),
                      [](const QTextLayout::FormatRange& x, const QTextLayout::FormatRange& y) {
                          return x.start == y.start && x.length == y.length && x.format == y.format;
                      });
}

} // namespace

SyntaxHighlighter::SyntaxHighlighter(QTextDocument& document, const QPalette& palette)
    : QObject(&document), text_(document) {
    idle_.setSingleShot(true);
    idle_.setInterval(0);
    connect(&idle_, &QTimer::timeout, this, &SyntaxHighlighter::colourSlice);
    connect(&document, &QTextDocument::contentsChange, this, &SyntaxHighlighter::documentChanged);
    setPalette(palette);
}

void SyntaxHighlighter::setLanguage(SyntaxLanguage language) {
    if (language == language_)
        return;
    language_ = language;
    if (language == SyntaxLanguage::None)
        clearColours();
    else
        recolourAll();
}

// Hues are fixed; their lightness follows the background, so a dark theme gets light colours.
void SyntaxHighlighter::setPalette(const QPalette& palette) {
    const QColor base = palette.color(QPalette::Base);
    const QColor text = palette.color(QPalette::Text);
    const bool dark = base.lightnessF() < 0.5;
    const auto hue = [dark](int degrees) {
        return QColor::fromHsl(degrees, dark ? 150 : 200, dark ? 175 : 85);
    };
    const QColor quiet = Blend(text, base, 0.45f);
    const QColor keyword = palette.color(QPalette::Link);

    using enum SyntaxKind;
    const auto set = [this](SyntaxKind kind, const QTextCharFormat& f) {
        formats_[int(kind)] = f;
    };
    set(Keyword, charFormat(keyword, true));
    set(Literal, charFormat(hue(280), true));
    set(String, charFormat(hue(10)));
    set(Character, charFormat(hue(10)));
    set(Escape, charFormat(hue(35), true));
    set(Number, charFormat(hue(280)));
    set(Annotation, charFormat(hue(50)));
    set(Comment, charFormat(quiet, false, true));
    set(DocComment, charFormat(Blend(hue(130), quiet, 0.3f), false, true));
    set(Tag, charFormat(keyword, true));
    set(Attribute, charFormat(hue(280)));
    set(Value, charFormat(hue(10)));
    set(HtmlComment, charFormat(quiet, false, true));
    set(Entity, charFormat(hue(35), true));
    if (language_ != SyntaxLanguage::None)
        recolourAll();
}

int SyntaxHighlighter::startState(const QTextBlock& block) {
    const QTextBlock previous = block.previous();
    return previous.isValid() ? std::max(previous.userState(), 0) : 0;
}

void SyntaxHighlighter::recolourAll() {
    pendingFrom_ = 0;
    pendingTo_ = text_.blockCount() - 1;
    knownBlocks_ = text_.blockCount();
    advance(kNoLimit, kLinesAtOnce, kNoLimit);
}

void SyntaxHighlighter::clearColours() {
    idle_.stop();
    pendingFrom_ = pendingTo_ = -1;
    for (QTextBlock block = text_.begin(); block.isValid(); block = block.next()) {
        block.setUserState(-1);
        if (!block.layout()->formats().isEmpty())
            block.layout()->clearFormats();
    }
    text_.markContentsDirty(0, text_.characterCount());
}

// Runs inside the document's change, before it lays the changed lines out: colours set here
// cost no second layout.
void SyntaxHighlighter::documentChanged(int position, int /*removed*/, int added) {
    if (language_ == SyntaxLanguage::None || inChange_)
        return;
    const int first = text_.findBlock(position).blockNumber();
    const QTextBlock lastChanged = text_.findBlock(position + added);
    const int last = lastChanged.isValid() ? lastChanged.blockNumber() : text_.blockCount() - 1;
    const int shift = text_.blockCount() - knownBlocks_;
    knownBlocks_ = text_.blockCount();
    if (pendingFrom_ < 0) {
        pendingFrom_ = first;
        pendingTo_ = last;
    } else {
        if (pendingTo_ >= first)
            pendingTo_ += shift;
        pendingFrom_ = std::min(pendingFrom_, first);
        pendingTo_ = std::clamp(std::max(pendingTo_, last), pendingFrom_, knownBlocks_ - 1);
    }
    inChange_ = true;
    advance(kNoLimit, kLinesAtOnce, kNoLimit);
    inChange_ = false;
}

void SyntaxHighlighter::colourThrough(int blockNumber) {
    if (pendingFrom_ >= 0 && pendingFrom_ <= blockNumber)
        advance(blockNumber, kNoLimit, kNoLimit);
}

void SyntaxHighlighter::colourAll() {
    if (pendingFrom_ >= 0)
        advance(kNoLimit, kNoLimit, kNoLimit);
}

void SyntaxHighlighter::colourSlice() {
    if (pendingFrom_ >= 0)
        advance(kNoLimit, kNoLimit, kSliceMs);
}

void SyntaxHighlighter::advance(int lastBlock, int maxBlocks, int budgetMs) {
    QElapsedTimer clock;
    clock.start();
    QTextBlock block = text_.findBlockByNumber(pendingFrom_);
    int dirtyFrom = -1;
    int dirtyTo = -1;
    int done = 0;
    while (block.isValid() && block.blockNumber() <= lastBlock && done < maxBlocks &&
           (budgetMs == kNoLimit || clock.elapsed() < budgetMs)) {
        const Recoloured result = colourBlock(block);
        const bool stateChanged = result.stateChanged;
        if (result.coloursChanged) {
            if (dirtyFrom < 0)
                dirtyFrom = block.position();
            dirtyTo = block.position() + block.length();
        }
        ++done;
        const int number = block.blockNumber();
        block = block.next();
        if (number >= pendingTo_ && !stateChanged) {
            pendingFrom_ = -1;
            break;
        }
        pendingFrom_ = number + 1;
        pendingTo_ = std::max(pendingTo_, number + 1);
    }
    if (!block.isValid())
        pendingFrom_ = -1;
    if (pendingFrom_ < 0)
        pendingTo_ = -1;
    // Within a change the document lays the lines out itself, these included.
    if (dirtyFrom >= 0)
        text_.markContentsDirty(dirtyFrom, dirtyTo - dirtyFrom);
    if (pendingFrom_ >= 0)
        idle_.start();
    else
        idle_.stop();
}

SyntaxHighlighter::Recoloured SyntaxHighlighter::colourBlock(QTextBlock& block) {
    const ColouredLine line = ColourLine(language_, block.text(), startState(block));
    QList<QTextLayout::FormatRange> ranges;
    ranges.reserve(line.spans.size());
    for (const SyntaxSpan& span : line.spans)
        ranges.append({span.start, span.length, formats_[int(span.kind)]});
    Recoloured result;
    result.coloursChanged = !sameRanges(ranges, block.layout()->formats());
    if (result.coloursChanged)
        block.layout()->setFormats(ranges);
    result.stateChanged = block.userState() != line.endState;
    block.setUserState(line.endState);
    return result;
}

} // namespace orvane
