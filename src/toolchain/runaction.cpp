#include "toolchain/runaction.h"

#include <algorithm>

namespace orvane {

namespace {

struct ToolRequirement {
    const char16_t* extension;
    const char16_t* message;
};

ToolRequirement requirement(RunTool tool) {
    switch (tool) {
    case RunTool::WebBrowser:
        return {u".HTML", u"Web browser requires an HTML file (filename.html) to execute."};
    case RunTool::AppletViewer:
        return {u".HTML", u"AppletViewer requires an HTML file (filename.html) to execute."};
    case RunTool::JavaInterpreter:
        break;
    }
    return {u".CLASS", u"JavaViewer requires a CLASS file (filename.class) to execute."};
}

RunAction message(const QString& text) {
    return {RunAction::Kind::Message, text, {}, {}};
}

// Java's rule for a name: a letter, "_" or "$", then letters, digits, "_" and "$". "Outer$Inner"
// passes; "-version" or "@args" would reach the interpreter as one of its options.
bool IsJavaIdentifier(const QString& name) {
    const auto start = [](QChar c) {
        return c.isLetter() || c == u'_' || c == u'$';
    };
    if (name.isEmpty() || !start(name.front()))
        return false;
    return std::all_of(name.cbegin(), name.cend(),
                       [&](QChar c) { return start(c) || c.isDigit(); });
}

} // namespace

QString RunClassNameRefusal(const QString& className) {
    return QStringLiteral("JavaViewer cannot run \"%1\": it is not a Java class name. A class "
                          "name starts with a letter, \"_\" or \"$\" and goes on with letters, "
                          "digits, \"_\" and \"$\"; rename the source and compile it again.")
        .arg(className);
}

RunAction ChooseRunAction(const QString& selectedName, RunTool tool, const QString& projectsFolder,
                          PathStyle style) {
    if (selectedName.isEmpty() || selectedName == u"Untitled")
        return message(runNothingSelected);
    const ToolRequirement required = requirement(tool);
    if (ParsePath(selectedName, 5, style).toUpper() != QStringView(required.extension))
        return message(QString::fromUtf16(required.message));

    const QChar separator = style == PathStyle::Windows ? u'\\' : u'/';
    QString folder = projectsFolder;
    if (!folder.endsWith(separator))
        folder += separator;
    switch (tool) {
    case RunTool::WebBrowser:
        return {RunAction::Kind::OpenPage, folder + selectedName, {}, {}};
    case RunTool::AppletViewer:
        return {RunAction::Kind::StartTool, {}, JdkTool::AppletViewer, {folder + selectedName}};
    case RunTool::JavaInterpreter:
        break;
    }
    // The interpreter runs a class by its name, found on the class path, not by its file.
    const QString className = ParsePath(selectedName, 4, style);
    if (!IsJavaIdentifier(className))
        return message(RunClassNameRefusal(className));
    return {RunAction::Kind::StartTool,
            {},
            JdkTool::Interpreter,
            {QStringLiteral("-cp"), projectsFolder, className}};
}

} // namespace orvane
