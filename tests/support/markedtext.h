#pragma once

#include "document/documenttext.h"

#include <QString>

namespace orvane::test {

// Texts show the selection between "[" and "]", or the caret as "|" when nothing is selected.
inline QString marked(const DocumentText& document) {
    QString text = document.text();
    if (document.selLength() == 0)
        return text.insert(document.selStart(), u'|');
    return text.insert(document.selStart() + document.selLength(), u']')
        .insert(document.selStart(), u'[');
}

inline void setMarked(DocumentText document, QString text) {
    const qsizetype caret = text.indexOf(u'|');
    const qsizetype start = caret >= 0 ? caret : text.indexOf(u'[');
    const qsizetype end = caret >= 0 ? caret : text.indexOf(u']') - 1;
    document.setText(text.remove(u'|').remove(u'[').remove(u']'));
    document.setSelStart(int(start));
    document.setSelLength(int(end - start));
}

} // namespace orvane::test
