#pragma once

#include "document/parsepath.h"

#include <QString>

namespace orvane {

struct PreviewAction {
    enum class Kind {
        AskToSave, // the document has no file yet
        Refuse,    // the file is not an HTML page
        OpenPage,  // hand `path` to the browser
    };
    Kind kind = Kind::AskToSave;
    QString path;
};

inline const QString previewSaveQuestion =
    QStringLiteral("Document must be saved before previewing.\r\n\r\nDo you want to save now?");
inline const QString previewRefusal =
    QStringLiteral("Cannot preview Java source code or plain text.");

// What Preview does with a document saved at `documentPath` (empty when never saved).
PreviewAction ChoosePreviewAction(const QString& documentPath, PathStyle style = nativePathStyle());

} // namespace orvane
