#include "document/syntaxhighlighter.h"

#include "document/paletteblend.h"

#include <QPalette>

namespace orvane {

namespace {

QTextCharFormat charFormat(const QColor& colour, bool bold = false, bool italic = false) {
    QTextCharFormat result;
    result.setForeground(colour);
    if (bold)
        result.setFontWeight(QFont::Bold);
    result.setFontItalic(italic);
    return result;
}

} // namespace

SyntaxHighlighter::SyntaxHighlighter(QTextDocument& document, const QPalette& palette)
    : QSyntaxHighlighter(static_cast<QObject*>(&document)), text_(document) {
    setPalette(palette);
}

void SyntaxHighlighter::setLanguage(SyntaxLanguage language) {
    if (language == language_)
        return;
    language_ = language;
    if (language == SyntaxLanguage::None) {
        setDocument(nullptr);
        return;
    }
    if (!document())
        setDocument(&text_);
    rehighlight();
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
    rehighlight();
}

void SyntaxHighlighter::highlightBlock(const QString& text) {
    const ColouredLine line = ColourLine(language_, text, std::max(previousBlockState(), 0));
    for (const SyntaxSpan& span : line.spans)
        setFormat(span.start, span.length, formats_[int(span.kind)]);
    setCurrentBlockState(line.endState);
}

} // namespace orvane
