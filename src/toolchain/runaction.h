#pragma once

#include "toolchain/jdktools.h"

namespace orvane {

// The tools of the Run Project dialog.
enum class RunTool { WebBrowser, AppletViewer, JavaInterpreter };

struct RunAction {
    enum class Kind {
        Message,   // `text` is shown and the dialog stays open
        OpenPage,  // `text` is the page's full path, handed to the browser
        StartTool, // `tool` is started with `arguments`
    };
    Kind kind = Kind::Message;
    QString text;
    JdkTool tool = JdkTool::Interpreter;
    QStringList arguments;
};

inline const QString runNothingSelected = QStringLiteral("You must select a project to run.");

// Why the interpreter refuses a class file whose name is no Java class name.
QString RunClassNameRefusal(const QString& className);

// Whether `name` is a Java identifier, judged by whole code points as Java judges them: a letter,
// letter number, currency sign or connector first, then those, digits and combining marks.
bool IsJavaIdentifier(const QString& name);

// What Begin does with the file `selectedName` of `projectsFolder` (a path below it, "/" between
// folders) and the chosen tool. `packageName` is the package a class's source beside it names,
// when there is one: the class then runs by its full name from its package root.
RunAction ChooseRunAction(const QString& selectedName, RunTool tool, const QString& projectsFolder,
                          const QString& packageName = {}, PathStyle style = nativePathStyle());

} // namespace orvane
