#include "toolchain/previewrule.h"

namespace orvane {

PreviewAction ChoosePreviewAction(const QString& documentPath, PathStyle style) {
    const QString path = documentPath.trimmed();
    if (path.isEmpty() || path == u"Untitled")
        return {PreviewAction::Kind::AskToSave, {}};
    if (ParsePath(path, 5, style).toUpper() != u".HTML")
        return {PreviewAction::Kind::Refuse, {}};
    return {PreviewAction::Kind::OpenPage, path};
}

} // namespace orvane
