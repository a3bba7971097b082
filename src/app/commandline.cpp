#include "app/commandline.h"

#include "about/versiontext.h"
#include "app/outsidefiles.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace orvane {

QString ProgramVersionLine() {
    return QStringLiteral("Orvane ") + ProgramVersionText() + QStringLiteral(" SR1");
}

CommandLine ParseCommandLine(const QStringList& arguments, const QString& currentFolder) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Orvane: an editor for Java sources and the HTML pages of applets."));
    // Not addHelpOption: its --help-all lists Qt's options through a path that ends the program.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays help on commandline options."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("files"), QStringLiteral("Files to open."),
                                 QStringLiteral("[files...]"));
    CommandLine result;
    // Help and version are answered even beside options this parser does not know.
    const bool understood = parser.parse(arguments);
    if (parser.isSet(help)) {
        result.endNow = true;
        result.output = parser.helpText();
        // Read before the application exists, the parser does not know the program's name.
        if (!arguments.isEmpty())
            result.output.replace(QStringLiteral("<executable_name>"),
                                  QFileInfo(arguments.first()).fileName());
        return result;
    }
    if (parser.isSet(version)) {
        result.endNow = true;
        result.output = ProgramVersionLine() + u'\n';
        return result;
    }
    if (!understood) {
        result.endNow = true;
        result.exitCode = 1;
        result.output = parser.errorText() + u'\n' + parser.helpText();
        return result;
    }
    result.files = CommandLineFiles(parser.positionalArguments(), currentFolder);
    return result;
}

} // namespace orvane
