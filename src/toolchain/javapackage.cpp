#include "toolchain/javapackage.h"

#include <QStringList>

namespace orvane {

namespace {

// Skips blanks, comments and a byte order mark from `at`; the position of the next token.
qsizetype SkipSpace(const QString& text, qsizetype at) {
    while (at < text.size()) {
        const QChar c = text.at(at);
        if (c.isSpace() || c == QChar(0xfeff)) {
            ++at;
        } else if (QStringView(text).mid(at).startsWith(u"//")) {
            const qsizetype end = text.indexOf(u'\n', at);
            at = end < 0 ? text.size() : end + 1;
        } else if (QStringView(text).mid(at).startsWith(u"/*")) {
            const qsizetype end = text.indexOf(QStringLiteral("*/"), at + 2);
            at = end < 0 ? text.size() : end + 2;
        } else {
            break;
        }
    }
    return at;
}

bool IsNamePart(QChar c) {
    return c.isLetterOrNumber() || c == u'_' || c == u'$' || c == u'.' || c.isSurrogate() ||
           c.category() == QChar::Mark_NonSpacing || c.category() == QChar::Punctuation_Connector;
}

// The dotted name at `at`, blanks between its parts allowed; `at` moves past it.
QString ReadName(const QString& text, qsizetype& at) {
    QString name;
    for (at = SkipSpace(text, at); at < text.size(); at = SkipSpace(text, at)) {
        const qsizetype start = at;
        while (at < text.size() && IsNamePart(text.at(at)))
            ++at;
        if (at == start)
            break;
        name += QStringView(text).mid(start, at - start);
    }
    return name;
}

} // namespace

QString JavaPackageName(const QString& source) {
    qsizetype at = SkipSpace(source, 0);
    // Annotations of the package, "@Deprecated" or "@A(x = 1)", may come first.
    while (at < source.size() && source.at(at) == u'@') {
        ++at;
        ReadName(source, at);
        at = SkipSpace(source, at);
        if (at < source.size() && source.at(at) == u'(') {
            const qsizetype close = source.indexOf(u')', at);
            at = close < 0 ? source.size() : close + 1;
        }
        at = SkipSpace(source, at);
    }
    if (!QStringView(source).mid(at).startsWith(u"package"))
        return {};
    at += 7;
    if (at < source.size() && IsNamePart(source.at(at)))
        return {};
    const QString name = ReadName(source, at);
    at = SkipSpace(source, at);
    return at < source.size() && source.at(at) == u';' ? name : QString();
}

JavaPackagePlace JavaPackageRoot(const QString& sourcePath, const QString& source,
                                 PathStyle style) {
    const QChar separator = style == PathStyle::Windows ? u'\\' : u'/';
    const QString withSeparator = ParsePath(sourcePath, 3, style);
    QString folder = ParsePath(sourcePath, -3, style);
    const auto trimmed = [&](const QString& path, const QString& bare) {
        return bare.isEmpty() || bare.endsWith(u':') ? path : bare;
    };
    JavaPackagePlace place{JavaPackageName(source), trimmed(withSeparator, folder), true};
    if (place.packageName.isEmpty())
        return place;
    QStringList folders = folder.split(separator);
    const QStringList parts = place.packageName.split(u'.');
    const Qt::CaseSensitivity sense =
        style == PathStyle::Windows ? Qt::CaseInsensitive : Qt::CaseSensitive;
    if (folders.size() <= parts.size()) {
        place.matchesFolder = false;
        return place;
    }
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (folders.at(folders.size() - parts.size() + i).compare(parts.at(i), sense) != 0) {
            place.matchesFolder = false;
            return place;
        }
    }
    folders.resize(folders.size() - parts.size());
    const QString root = folders.join(separator);
    place.root = trimmed(root + separator, root);
    return place;
}

QString PackageMismatchMessage(const QString& sourcePath, const QString& packageName) {
    QString folders = packageName;
    folders.replace(u'.', u'/');
    return QStringLiteral("%1 says \"package %2;\", so it must lie in a folder %3 of the projects "
                          "folder (or of another package root). Move the source there, or change "
                          "its package line to match its folder; it was not compiled.")
        .arg(sourcePath, packageName, folders);
}

} // namespace orvane
