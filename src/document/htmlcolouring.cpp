#include "document/htmlcolouring.h"

#include "document/linescan.h"

#include <algorithm>

namespace orvane {

namespace {

enum HtmlState {
    HtmlText = 0,
    HtmlInComment = 1,
    HtmlInTag = 2,
    HtmlInDoubleValue = 3,
    HtmlInSingleValue = 4,
    HtmlInBangComment = 5,
    HtmlInScript = 6,
    HtmlInStyle = 7,
};
// Inside the opening tag of a script or style element, this is added to the tag's state: the
// element's content follows the tag as plain text.
constexpr int htmlRawShift = 4;
enum RawElement { NoRawElement = 0, ScriptElement = 1, StyleElement = 2 };

bool isHtmlNamePart(QChar c) {
    return c.isLetterOrNumber() || c == u'-' || c == u':' || c == u'_' || c == u'.';
}

// "&amp;", "&#169;" or "&#xA9;" from the "&" at `i`; returns the index after ";", or -1 when
// the "&" starts no entity.
int htmlEntityEnd(const LineScan& scan, int i) {
    int j = i + 1;
    if (scan.at(j) == u'#') {
        ++j;
        const bool hex = scan.at(j).toLower() == u'x';
        if (hex)
            ++j;
        const int digits = j;
        while (hex ? IsHexDigit(scan.at(j)) : scan.at(j).isDigit())
            ++j;
        return j > digits && scan.at(j) == u';' ? j + 1 : -1;
    }
    while (scan.at(j).isLetterOrNumber())
        ++j;
    return j > i + 1 && scan.at(j) == u';' ? j + 1 : -1;
}

// A quoted attribute value's rest from `from`; returns the index after its closing quote, or -1
// when it goes on past this line.
int htmlValueEnd(LineScan& scan, int spanStart, int from, QChar quote) {
    const int close = int(scan.line().indexOf(quote, from));
    const int end = close < 0 ? -1 : close + 1;
    scan.add(spanStart, end < 0 ? scan.size() : end, SyntaxKind::Value);
    return end;
}

int htmlCommentEnd(LineScan& scan, int spanStart, int from) {
    const int close = scan.find(u"-->", from);
    const int end = close < 0 ? -1 : close + 3;
    scan.add(spanStart, end < 0 ? scan.size() : end, SyntaxKind::HtmlComment);
    return end;
}

// Inside a tag from `i`: attributes, values and the closing ">". Returns the index after the
// tag, or -1 (with the state set) when the tag goes on past this line.
int htmlTagRest(LineScan& scan, int i) {
    bool afterEquals = false;
    while (i < scan.size()) {
        const QChar c = scan.at(i);
        if (c.isSpace()) {
            ++i;
        } else if (c == u'>' || scan.startsAt(i, u"/>")) {
            const int end = i + (c == u'>' ? 1 : 2);
            scan.add(i, end, SyntaxKind::Tag);
            return end;
        } else if (c == u'=') {
            afterEquals = true;
            ++i;
        } else if (c == u'"' || c == u'\'') {
            i = htmlValueEnd(scan, i, i + 1, c);
            afterEquals = false;
            if (i < 0) {
                scan.result.endState = c == u'"' ? HtmlInDoubleValue : HtmlInSingleValue;
                return -1;
            }
        } else {
            int j = i;
            while (j < scan.size() && !scan.at(j).isSpace() && scan.at(j) != u'=' &&
                   scan.at(j) != u'>' && !scan.startsAt(j, u"/>"))
                ++j;
            scan.add(i, j, afterEquals ? SyntaxKind::Value : SyntaxKind::Attribute);
            afterEquals = false;
            i = std::max(j, i + 1);
        }
    }
    scan.result.endState = HtmlInTag;
    return -1;
}

// "<! ... >" up to its ">"; returns the index after it, or -1 when it goes on past this line.
int htmlBangCommentEnd(LineScan& scan, int spanStart, int from) {
    const int close = scan.find(u">", from);
    const int end = close < 0 ? -1 : close + 1;
    scan.add(spanStart, end < 0 ? scan.size() : end, SyntaxKind::HtmlComment);
    return end;
}

// The content of a script or style element from `from`, plain up to its close tag; returns the
// index of the close tag's "<", or -1 (with the state set) when the content goes on.
int htmlRawTextEnd(LineScan& scan, int from, int element) {
    const QStringView close = element == ScriptElement ? u"</script" : u"</style";
    const int end = int(scan.line().indexOf(close, from, Qt::CaseInsensitive));
    if (end < 0)
        scan.result.endState = element == ScriptElement ? HtmlInScript : HtmlInStyle;
    return end;
}

int rawElementOf(QStringView tagName) {
    if (tagName.compare(u"script", Qt::CaseInsensitive) == 0)
        return ScriptElement;
    if (tagName.compare(u"style", Qt::CaseInsensitive) == 0)
        return StyleElement;
    return NoRawElement;
}

// The rest of a tag from `i`, then the plain content of a script or style element it opens.
int htmlTagThenContent(LineScan& scan, int i, int element) {
    i = htmlTagRest(scan, i);
    if (i < 0) {
        scan.result.endState |= element << htmlRawShift;
        return -1;
    }
    return element == NoRawElement ? i : htmlRawTextEnd(scan, i, element);
}

} // namespace

ColouredLine ColourHtmlLine(QStringView line, int startState) {
    LineScan scan(line);
    const int element = startState >> htmlRawShift;
    const int state = startState & ((1 << htmlRawShift) - 1);
    int i = 0;
    if (state == HtmlInComment)
        i = htmlCommentEnd(scan, 0, 0);
    else if (state == HtmlInBangComment)
        i = htmlBangCommentEnd(scan, 0, 0);
    else if (state == HtmlInDoubleValue || state == HtmlInSingleValue)
        i = htmlValueEnd(scan, 0, 0, state == HtmlInDoubleValue ? u'"' : u'\'');
    else if (state == HtmlInScript || state == HtmlInStyle)
        i = htmlRawTextEnd(scan, 0, state == HtmlInScript ? ScriptElement : StyleElement);
    if (i < 0) {
        scan.result.endState = startState;
        return scan.result;
    }
    if (state == HtmlInTag || state == HtmlInDoubleValue || state == HtmlInSingleValue)
        i = htmlTagThenContent(scan, i, element);
    while (i >= 0 && i < scan.size()) {
        const QChar c = scan.at(i);
        if (scan.startsAt(i, u"<!--")) {
            i = htmlCommentEnd(scan, i, i + 4);
            if (i < 0)
                scan.result.endState = HtmlInComment;
        } else if (c == u'<' && scan.at(i + 1) == u'!' &&
                   !line.sliced(i + 2).startsWith(u"doctype", Qt::CaseInsensitive)) {
            i = htmlBangCommentEnd(scan, i, i + 2);
            if (i < 0)
                scan.result.endState = HtmlInBangComment;
        } else if (c == u'<' && (scan.at(i + 1).isLetter() || scan.at(i + 1) == u'/' ||
                                 scan.at(i + 1) == u'!' || scan.at(i + 1) == u'?')) {
            int j = i + 2;
            while (isHtmlNamePart(scan.at(j)))
                ++j;
            scan.add(i, j, SyntaxKind::Tag);
            i = htmlTagThenContent(scan, j, rawElementOf(line.sliced(i + 1, j - i - 1)));
        } else if (c == u'&') {
            const int end = htmlEntityEnd(scan, i);
            scan.add(i, end, SyntaxKind::Entity);
            i = std::max(end, i + 1);
        } else {
            ++i;
        }
    }
    return scan.result;
}

} // namespace orvane
