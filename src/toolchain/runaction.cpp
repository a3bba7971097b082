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

bool IsStartCategory(QChar::Category category) {
    switch (category) {
    case QChar::Letter_Uppercase:
    case QChar::Letter_Lowercase:
    case QChar::Letter_Titlecase:
    case QChar::Letter_Modifier:
    case QChar::Letter_Other:
    case QChar::Number_Letter:
    case QChar::Symbol_Currency:
    case QChar::Punctuation_Connector:
        return true;
    default:
        return false;
    }
}

bool IsPartCategory(QChar::Category category) {
    return IsStartCategory(category) || category == QChar::Number_DecimalDigit ||
           category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining ||
           category == QChar::Other_Format;
}

} // namespace

bool IsJavaIdentifier(const QString& name) {
    const QList<uint> codePoints = name.toUcs4();
    if (codePoints.isEmpty() || !IsStartCategory(QChar::category(char32_t{codePoints.front()})))
        return false;
    return std::ranges::all_of(codePoints,
                               [](uint c) { return IsPartCategory(QChar::category(char32_t{c})); });
}

QString RunClassNameRefusal(const QString& className) {
    return QStringLiteral("JavaViewer cannot run \"%1\": it is not a Java class name. A class "
                          "name starts with a letter, a currency sign such as \"$\" or a connector "
                          "such as \"_\", and goes on with those, digits and accents; rename the "
                          "source and compile it again.")
        .arg(className);
}

RunAction ChooseRunAction(const QString& selectedName, RunTool tool, const QString& projectsFolder,
                          const QString& packageName, PathStyle style) {
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
    // The interpreter runs a class by its name, found on the class path, not by its file; a
    // packaged class by its full name, from the folder its package's folders hang from.
    QStringList folders = selectedName.split(u'/');
    const QString baseName = ParsePath(folders.takeLast(), 4, style);
    QStringList packageParts = packageName.isEmpty() ? QStringList() : packageName.split(u'.');
    if (folders.size() >= packageParts.size() &&
        folders.sliced(folders.size() - packageParts.size()) == packageParts)
        folders.resize(folders.size() - packageParts.size());
    else
        packageParts.clear();
    for (const QString& part : packageParts + QStringList{baseName}) {
        if (!IsJavaIdentifier(part))
            return message(RunClassNameRefusal(part));
    }
    const QString root = folders.isEmpty() ? projectsFolder : folder + folders.join(separator);
    return {RunAction::Kind::StartTool,
            {},
            JdkTool::Interpreter,
            {QStringLiteral("-cp"), root, (packageParts + QStringList{baseName}).join(u'.')}};
}

} // namespace orvane
