#include "toolchain/outputformats.h"

namespace orvane {

QTextCharFormat CommandFormat() {
    QTextCharFormat format;
    format.setFontWeight(QFont::Bold);
    return format;
}

QTextCharFormat ErrorFormat() {
    QTextCharFormat format;
    format.setForeground(QColor(0xa0, 0x10, 0x10));
    return format;
}

QTextCharFormat InputFormat() {
    QTextCharFormat format;
    format.setForeground(QColor(0x10, 0x50, 0xa0));
    return format;
}

QTextCharFormat NoteFormat() {
    QTextCharFormat format;
    format.setFontItalic(true);
    format.setForeground(QColor(0x50, 0x50, 0x50));
    return format;
}

QTextCharFormat EndFormat(bool failed) {
    QTextCharFormat format = NoteFormat();
    if (failed)
        format.setForeground(QColor(0xa0, 0x10, 0x10));
    return format;
}

QString EndText(const QProcess& process, bool stopped) {
    if (stopped)
        return QStringLiteral("Stopped");
    if (process.exitStatus() == QProcess::CrashExit)
        return QStringLiteral("Ended abnormally");
    return QStringLiteral("Exit status %1").arg(process.exitCode());
}

} // namespace orvane
