#include "toolchain/appletapichoice.h"

#include "document/workspace.h"
#include "platform/desktop.h"
#include "settings/settingsstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QProcess>

namespace orvane {

namespace {

// Asks the JDK's java whether java.desktop holds the applet package; a JDK too old to answer
// had it.
bool AskJava(const QString& home) {
    QProcess java;
    java.start(QDir(home).filePath(QStringLiteral("bin/java")),
               {QStringLiteral("--describe-module"), QStringLiteral("java.desktop")});
    if (!java.waitForFinished(20000) || java.exitCode() != 0)
        return true;
    return QString::fromUtf8(java.readAllStandardOutput())
        .contains(QStringLiteral("exports java.applet"));
}

} // namespace

bool JdkHasAppletClasses(const QString& jdkProgram) {
    static QHash<QString, bool> known;
    // The JDK is the folder above the program's bin folder, wherever links lead to it.
    const QFileInfo program(jdkProgram);
    const QString real = program.canonicalFilePath();
    const QString home =
        QFileInfo(real.isEmpty() ? jdkProgram : real).dir().absolutePath() + QStringLiteral("/..");
    const QString key = QDir(home).canonicalPath();
    const auto found = known.constFind(key);
    if (found != known.cend())
        return *found;
    QFile release(QDir(home).filePath(QStringLiteral("release")));
    std::optional<bool> has;
    if (release.open(QIODevice::ReadOnly))
        has = AppletClassesFromRelease(QString::fromUtf8(release.readAll()));
    const bool answer = has ? *has : AskJava(home);
    known.insert(key, answer);
    return answer;
}

AppletApiUse ChooseAppletApi(const Workspace& workspace, const QString& jdkProgram) {
    const bool forced =
        workspace.settings().getIn(javaSettingsSection, ownAppletApiKey) == QStringLiteral("1");
    if (!forced && JdkHasAppletClasses(jdkProgram))
        return {};
    const QString jar = QDir(workspace.desktop().programFolder()).filePath(appletApiFileName);
    return {AppletApi::Orvane, AppletApiOptions(AppletApi::Orvane, QDir::toNativeSeparators(jar))};
}

} // namespace orvane
