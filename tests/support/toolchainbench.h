#pragma once

#include "app/mainframe.h"
#include "document/documentwindow.h"
#include "fakedesktop.h"
#include "settings/settingsstore.h"
#include "toolchain/outputpane.h"
#include "toolchain/toolchaincommands.h"

#include <QDialog>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace orvane::test {

// Drives the Run dialog as a user does: picks `file`, clicks the tool `option`, then Begin.
inline FakeDesktop::DialogDriver BeginRun(const QString& file, const char* option) {
    return [=](QDialog& dialog) {
        auto* list = dialog.findChild<QListWidget*>("File1");
        list->findItems(file, Qt::MatchExactly).constFirst()->setSelected(true);
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto* button = dialog.findChild<QRadioButton*>(option);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
        QTest::mouseClick(dialog.findChild<QPushButton*>("cmdBegin"), Qt::LeftButton);
    };
}

// A started frame in a program folder whose name has a blank, compiling in `modes` (of
// SDKNormal, SDKDebug, SDKOptimize, SDKVerbose) with `javac` when one is given.
struct ToolchainBench {
    FakeDesktop fake;
    SettingsStore settings;
    MainFrame frame{fake, settings};

    explicit ToolchainBench(const QStringList& modes = {}, const QString& javac = {}) {
        fake.programFolderPath += QStringLiteral("/Orvane Tools");
        frame.start();
        frame.activeDocument()->text().setText(QStringLiteral("class A {}"));
        for (const char* key : {"SDKNormal", "SDKDebug", "SDKOptimize", "SDKVerbose"})
            settings.save(key, modes.contains(key) ? "True" : "False");
        if (!javac.isEmpty())
            settings.save(SettingKey::SDKLocation, javac);
    }

    QString projects() const { return frame.projectsFolder(); }
    OutputPane& pane() const { return *frame.findChild<OutputPane*>(); }

    QString write(const QString& name, const QByteArray& bytes = {}) const {
        QFile file(projects() + name);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(name));
        return file.fileName();
    }

    // Writes `name` of the projects folder and makes it the active document's file.
    QString saveAs(const QString& name, const QByteArray& bytes = {}) {
        const QString path = write(name, bytes);
        frame.activeDocument()->setDocumentPath(path);
        frame.activeDocument()->setCaption(name.toUpper());
        return path;
    }

    QStringList messageTexts() const {
        QStringList texts;
        for (const Message& message : fake.messages)
            texts.append(message.text);
        return texts;
    }

    QStringList calls() const {
        QStringList lines;
        for (const ProgramCall& call : fake.programCalls)
            lines.append(QStringList(QStringList{call.program} + call.arguments).join(u' '));
        return lines;
    }

    void waitForPrograms() const {
        QTRY_VERIFY_WITH_TIMEOUT(frame.findChild<OutputPane*>() && pane().runningPrograms() == 0,
                                 120000);
        QCoreApplication::processEvents(); // what follows a program's end is a queued call
    }

    // Compiles `source` saved as `name` of the projects folder, the active window's file.
    void compile(const QString& name, const QByteArray& source) {
        saveAs(name, source);
        frame.activeDocument()->text().setText(QString::fromUtf8(source));
        CompileDocument(frame);
        waitForPrograms();
    }

    // Run > Begin on `file` with `option`; the applet viewer closes its windows by itself.
    void run(const QString& file, const char* option) {
        fake.driveDialog(BeginRun(file, option));
        if (qstrcmp(option, "optApplet") == 0)
            qputenv("JAVA_TOOL_OPTIONS", "-Dorvane.viewer.closeAfterStart=1000");
        ShowRunDialog(frame);
        qunsetenv("JAVA_TOOL_OPTIONS");
    }
};

} // namespace orvane::test
