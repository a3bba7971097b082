// Checking Java as the user types, with the real JDK: how fast the checker answers, what it
// costs in memory, and what it adds to each keystroke. Prints one line per figure.
#include "app/mainframe.h"
#include "document/documentwindow.h"
#include "platform/qtdesktop.h"
#include "settings/editorsettings.h"
#include "settings/settingsstore.h"
#include "toolchain/checkerprotocol.h"
#include "toolchain/typingcheck.h"
#include "toolchain/typingchecker.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

using namespace orvane;

// A class of `bytes` characters of methods, all ASCII, with `errors` of them missing a ';'.
QString JavaClass(int bytes, int errors) {
    QString text = QStringLiteral("public class Sample {\n");
    for (int number = 0; text.size() < bytes - 200; ++number)
        text += QStringLiteral("    public int compute%1(int value) {\n"
                               "        int total = value * %1%2\n"
                               "        for (int i = 0; i < value; i++) {\n"
                               "            total += i;\n        }\n        return total;\n    }\n")
                    .arg(number)
                    .arg(number < errors ? QString() : QStringLiteral(";"));
    text +=
        QStringLiteral("    //") + QString(bytes - text.size() - 8, u' ') + QStringLiteral("\n}\n");
    return text;
}

double Median(QList<double> values) {
    std::ranges::sort(values);
    return values.at(values.size() / 2);
}

// Milliseconds from sending request `number` to its answer.
double Answer(TypingChecker& checker, qint64 number, const QString& folder, const QString& text) {
    QEventLoop loop;
    QObject::connect(&checker, &TypingChecker::answered, &loop, [&](qint64 answered) {
        if (answered == number)
            loop.quit();
    });
    QElapsedTimer clock;
    clock.start();
    checker.check(number, folder + QStringLiteral("/Sample.java"), folder, text);
    loop.exec();
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

long ResidentKilobytes(qint64 pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

void Wait(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// Median milliseconds per key typed into the middle of a 64,000-byte source, typed in bursts of
// 20 keys with a pause after each, so that checks are sent and their answers shown in between.
double TypingLatency(MainFrame& frame, const QString& path, bool checking) {
    SaveEditorOptions(frame.settings(), {.checkAsYouType = checking});
    DocumentWindow* window = frame.newDocumentWindow();
    window->text().setText(JavaClass(64000, 3));
    window->setDocumentPath(path);
    QPlainTextEdit& editor = window->editor();
    QTextCursor caret(editor.document()->findBlockByNumber(editor.document()->blockCount() / 2));
    editor.setTextCursor(caret);
    QList<double> times;
    for (int burst = 0; burst < 15; ++burst) {
        for (int key = 0; key < 20; ++key) {
            const bool erase = key % 2 == 1;
            QKeyEvent press(QEvent::KeyPress, erase ? Qt::Key_Backspace : Qt::Key_X, Qt::NoModifier,
                            erase ? QString() : QStringLiteral("x"));
            QElapsedTimer clock;
            clock.start();
            QApplication::sendEvent(&editor, &press);
            QCoreApplication::processEvents();
            times.append(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        }
        Wait(checking ? 1500 : 100);
    }
    delete window->parentWidget();
    return Median(times);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QTemporaryDir settingsFolder;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder.path());
    const QString build =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(".."));
    const QString java = QStandardPaths::findExecutable(QStringLiteral("java"));
    if (java.isEmpty()) {
        std::fprintf(stderr, "no java on the search path\n");
        return 1;
    }
    QTemporaryDir sources;
    QtDesktop desktop;
    {
        TypingChecker checker(desktop, CheckerCommand(java, build, {}));
        const QString small = JavaClass(2000, 1);
        const QString large = JavaClass(64000, 1);
        qint64 number = 0;
        std::printf("first answer after a cold start, 2,000 bytes: %.0f ms\n",
                    Answer(checker, ++number, sources.path(), small));
        for (const auto& [name, text] : {std::pair{"2,000", small}, std::pair{"64,000", large}}) {
            QList<double> times;
            for (int i = 0; i < 30; ++i)
                times.append(Answer(checker, ++number, sources.path(), text));
            std::printf("warm answer, %s bytes: median %.0f ms of 30\n", name, Median(times));
        }
        while (number < 100) {
            ++number;
            Answer(checker, number, sources.path(), number % 2 ? small : large);
        }
        std::printf("resident memory after 100 checks: %.1f MB\n",
                    static_cast<double>(ResidentKilobytes(checker.processId())) / 1024);
    }
    // The frame finds the checker beside the program, as an installed Orvane does.
    QFile::copy(build + QStringLiteral("/") + checkerFileName,
                QCoreApplication::applicationDirPath() + QStringLiteral("/") + checkerFileName);
    SettingsStore settings;
    MainFrame frame(desktop, settings);
    frame.show();
    const QString path = sources.filePath(QStringLiteral("Sample.java"));
    // Alternated, so that neither gains from running second.
    QList<double> off;
    QList<double> on;
    for (int round = 0; round < 3; ++round) {
        off.append(TypingLatency(frame, path, false));
        on.append(TypingLatency(frame, path, true));
    }
    const bool checked = frame.findChild<TypingCheck*>()->checker() != nullptr;
    std::printf("typing in 64,000 bytes: %.3f ms a key checking%s, %.3f ms not (%.2fx)\n",
                Median(on), checked ? "" : " (NO CHECKER RAN)", Median(off),
                Median(on) / Median(off));
    return 0;
}
