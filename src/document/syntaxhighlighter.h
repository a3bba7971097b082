#pragma once

#include "document/syntaxcolouring.h"

#include <QSyntaxHighlighter>
#include <QTextCharFormat>

#include <array>

class QPalette;

namespace orvane {

// Colours one document's Java or HTML with the rules of syntaxcolouring, in colours taken from
// the palette so they read on light and dark themes alike.
class SyntaxHighlighter final : public QSyntaxHighlighter {
    Q_OBJECT
public:
    SyntaxHighlighter(QTextDocument& document, const QPalette& palette);

    SyntaxLanguage language() const { return language_; }
    // Recolours the whole document when the language changes. With no language it lets go of
    // the document, so plain text costs nothing while it is typed or loaded.
    void setLanguage(SyntaxLanguage language);
    void setPalette(const QPalette& palette);

protected:
    void highlightBlock(const QString& text) override;

private:
    QTextDocument& text_;
    SyntaxLanguage language_ = SyntaxLanguage::None;
    std::array<QTextCharFormat, int(SyntaxKind::Entity) + 1> formats_;
};

} // namespace orvane
