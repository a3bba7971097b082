#pragma once

#include "toolchain/appletapi.h"

namespace orvane {

class Workspace;

// The settings section and key that make every JDK use Orvane's applet classes, "1" for yes;
// for trying them on a JDK that still has its own.
inline const QString javaSettingsSection = QStringLiteral("Java");
inline const QString ownAppletApiKey = QStringLiteral("OwnAppletApi");

// Whether the JDK that `jdkProgram` (its javac or java) belongs to has the applet classes,
// decided from its release file or, lacking one, by asking its java; once per JDK.
bool JdkHasAppletClasses(const QString& jdkProgram);

struct AppletApiUse {
    AppletApi api = AppletApi::Jdk;
    QStringList options; // for javac and java alike
};

// The applet classes a compile or run with `jdkProgram` uses: Orvane's when that JDK has none
// or the setting says so, from the jar beside the program.
AppletApiUse ChooseAppletApi(const Workspace& workspace, const QString& jdkProgram);

} // namespace orvane
