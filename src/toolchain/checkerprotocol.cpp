#include "toolchain/checkerprotocol.h"

#include <QRegularExpression>

namespace orvane {

namespace {

// "\\" and "\n" back to what the checker escaped.
QString unescaped(QStringView text) {
    QString plain;
    plain.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == u'\\' && i + 1 < text.size()) {
            ++i;
            plain += text.at(i) == u'n' ? QChar(u'\n') : text.at(i);
        } else {
            plain += text.at(i);
        }
    }
    return plain;
}

} // namespace

ToolCommand CheckerCommand(const QString& java, const QString& programFolder,
                           const QStringList& javacOptions, PathStyle style) {
    const QChar separator = style == PathStyle::Windows ? u'\\' : u'/';
    QString folder = programFolder;
    if (!folder.endsWith(separator))
        folder += separator;
    return {java,
            QStringList{QStringLiteral("-Xms16m"), QStringLiteral("-Xmx96m"),
                        QStringLiteral("-Xss2m"), QStringLiteral("-XX:+UseSerialGC"),
                        QStringLiteral("-XX:TieredStopAtLevel=1"),
                        QStringLiteral("-XX:CICompilerCount=1"),
                        QStringLiteral("-XX:ReservedCodeCacheSize=32m"),
                        QStringLiteral("-Xshare:auto"), QStringLiteral("-Dfile.encoding=UTF-8"),
                        QStringLiteral("-jar"), folder + checkerFileName} +
                javacOptions};
}

QByteArray CheckerRequest(qint64 number, const QString& path, const QString& sourcePath,
                          const QString& text) {
    const QString request = QStringLiteral("check %1 %2\n").arg(number).arg(text.size()) + path +
                            u'\n' + sourcePath + u'\n' + text;
    return request.toUtf8();
}

std::optional<CheckerAnswer> ParseCheckerAnswer(const QString& line) {
    static const QRegularExpression pattern(
        QStringLiteral("^(\\d{1,18}) (?:(end|skipped|unavailable)|(error|warning|note) "
                       "(\\d{1,9}) (\\d{1,9}) (\\d{1,9}) (.*))$"));
    const QRegularExpressionMatch match = pattern.match(line);
    if (!match.hasMatch())
        return std::nullopt;
    CheckerAnswer answer;
    answer.number = match.captured(1).toLongLong();
    const QString word = match.captured(2);
    if (word.isEmpty()) {
        answer.kind = CheckerAnswer::Kind::Diagnostic;
        const QString kind = match.captured(3);
        answer.diagnostic.kind = kind == u"error"     ? DiagnosticKind::Error
                                 : kind == u"warning" ? DiagnosticKind::Warning
                                                      : DiagnosticKind::Note;
        answer.diagnostic.line = match.captured(4).toInt();
        answer.diagnostic.column = match.captured(5).toInt();
        answer.diagnostic.endColumn = match.captured(6).toInt();
        answer.diagnostic.message = unescaped(match.capturedView(7));
    } else {
        answer.kind = word == u"end"       ? CheckerAnswer::Kind::End
                      : word == u"skipped" ? CheckerAnswer::Kind::Skipped
                                           : CheckerAnswer::Kind::Unavailable;
    }
    return answer;
}

} // namespace orvane
