#pragma once

#include "document/filecommands.h"
#include "testframe.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>

namespace orvane::test {

inline QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Writes `bytes` as another program would, dated `modified` when that is valid.
inline void writeBytes(const QString& path, const QByteArray& bytes,
                       const QDateTime& modified = {}) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
    if (modified.isValid())
        QVERIFY(file.setFileTime(modified, QFileDevice::FileModificationTime));
}

inline QStringList shownTexts(const FakeDesktop& desktop) {
    QStringList texts;
    for (const Message& message : desktop.messages)
        texts << message.text;
    return texts;
}

// A started frame and a folder for the files it opens and saves.
struct FileSession : TestFrame {
    QTemporaryDir folder;

    FileSession() {
        QVERIFY(start());
        desktop.messages.clear();
    }

    QString path(const QString& name) const { return folder.filePath(name); }

    // File > Open on `file`: the window it opened, or nullptr.
    DocumentWindow* open(const QString& file) {
        const qsizetype before = frame().documentWindows().size();
        desktop.answerFileDialog(file);
        OpenDocument(frame());
        return frame().documentWindows().size() > before ? active() : nullptr;
    }
};

} // namespace orvane::test
