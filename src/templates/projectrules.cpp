#include "templates/projectrules.h"

#include "document/typedtext.h"
#include "templates/appletpage.h"
#include "templates/javatemplates.h"

namespace orvane {

namespace {

using SourceGenerator = QString (*)(const ProjectValues&, const QString&);

SourceGenerator AppletGenerator(int kind) {
    switch (kind) {
    case 1:
        return WriteStandardApplet;
    case 2:
        return WriteActionListenerApplet;
    case 3:
        return WriteMouseListenerApplet;
    case 4:
        return WriteRunnableApplet;
    default:
        return nullptr;
    }
}

} // namespace

QString CleanProjectName(const QString& name) {
    return RemoveNameBlanks(name);
}

QString ProjectNameRefusal(const QString& name) {
    if (!name.contains(u'/') && !name.contains(u'\\') && !name.contains(QStringLiteral("..")))
        return {};
    return QStringLiteral("The project name [") + name +
           QStringLiteral("] cannot contain \"/\", \"\\\" or \"..\", since the project's files "
                          "are saved under this name in the projects folder.");
}

ProjectValues TrimProjectValues(const ProjectValues& values) {
    return {TrimBlanks(values.name), TrimBlanks(values.author), TrimBlanks(values.description),
            TrimBlanks(values.copyright)};
}

QString ProjectFileExtension(ProjectFileKind kind) {
    return kind == ProjectFileKind::Page ? QStringLiteral(".html") : QStringLiteral(".java");
}

QList<ProjectText> ProjectTexts(const QString& templateKind, const ProjectValues& values,
                                const QString& version) {
    const int kind = templateKind.toInt();
    if (kind == 5)
        return {{WriteFrameApplication(values, version), ProjectFileKind::Source}};
    const SourceGenerator source = AppletGenerator(kind);
    if (!source)
        return {};
    return {{WriteAppletPage(values, version), ProjectFileKind::Page},
            {source(values, version), ProjectFileKind::Source}};
}

} // namespace orvane
