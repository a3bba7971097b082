#pragma once

#include <QString>
#include <QStringList>

namespace orvane {

// What the program's command line asks for: the files to open, or a text to print and the
// code to end with at once (--help, --version, a mistake).
struct CommandLine {
    QStringList files;
    bool endNow = false;
    int exitCode = 0;
    // Printed on the standard output when exitCode is 0, else on the standard error.
    QString output;
};

// Reads `arguments` (the program's name first, Qt's own options already taken out): --help,
// --version, then file names, relative ones taken from `currentFolder`; "--" ends the options.
CommandLine ParseCommandLine(const QStringList& arguments, const QString& currentFolder);

// "Orvane 1.01 SR1".
QString ProgramVersionLine();

} // namespace orvane
