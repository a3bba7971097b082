#pragma once

#include <QProcess>
#include <QTextCharFormat>

namespace orvane {

// How the Output pane shows each kind of line.
QTextCharFormat CommandFormat(); // a program's command line
QTextCharFormat ErrorFormat();   // what it writes to its error output
QTextCharFormat InputFormat();   // what the user typed for it
QTextCharFormat NoteFormat();    // Orvane's own remarks
QTextCharFormat EndFormat(bool failed);

// How a program ended, for its last line: stopped by the user, crashed, or its exit status.
QString EndText(const QProcess& process, bool stopped);

} // namespace orvane
