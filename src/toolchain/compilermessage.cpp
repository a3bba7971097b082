#include "toolchain/compilermessage.h"

#include <QDir>
#include <QRegularExpression>

namespace orvane {

namespace {

// `path` with "/" separators and no "." or ".." steps, made absolute against `folder`.
QString absoluteClean(const QString& path, const QString& folder, PathStyle style) {
    QString clean = path;
    QString base = folder;
    if (style == PathStyle::Windows) {
        clean.replace(u'\\', u'/');
        base.replace(u'\\', u'/');
    }
    static const QRegularExpression windowsRoot(QStringLiteral("^([A-Za-z]:)?/"));
    const bool absolute =
        style == PathStyle::Windows ? windowsRoot.match(clean).hasMatch() : clean.startsWith(u'/');
    return QDir::cleanPath(absolute ? clean : base + u'/' + clean);
}

QString folderOf(const QString& cleanPath) {
    return cleanPath.left(cleanPath.lastIndexOf(u'/'));
}

} // namespace

std::optional<SourceLine> ParseCompilerMessage(const QString& text) {
    // The shortest path before ":<digits>:", so a drive letter's colon stays in the path.
    static const QRegularExpression pattern(QStringLiteral("^(.+?):(\\d{1,9}):"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const int line = match.captured(2).toInt();
    if (line < 1)
        return std::nullopt;
    return SourceLine{match.captured(1), line};
}

std::optional<SourceLine> CompilerJumpTarget(const QString& text, const QString& compiledSource,
                                             const QString& workingFolder, PathStyle style) {
    std::optional<SourceLine> source = ParseCompilerMessage(text);
    if (!source || compiledSource.isEmpty())
        return std::nullopt;
    const QString named = absoluteClean(source->path, workingFolder, style);
    const QString compiled = absoluteClean(compiledSource, workingFolder, style);
    const Qt::CaseSensitivity letterCase =
        style == PathStyle::Windows ? Qt::CaseInsensitive : Qt::CaseSensitive;
    if (folderOf(named).compare(folderOf(compiled), letterCase) != 0)
        return std::nullopt;
    source->path = style == PathStyle::Windows ? QString(named).replace(u'/', u'\\') : named;
    return source;
}

int LineStartPosition(const QString& text, int line) {
    qsizetype position = 0;
    for (int current = 1; current < line; ++current) {
        const qsizetype lineBreak = text.indexOf(QStringLiteral("\r\n"), position);
        if (lineBreak < 0)
            return static_cast<int>(text.size());
        position = lineBreak + 2;
    }
    return static_cast<int>(position);
}

} // namespace orvane
