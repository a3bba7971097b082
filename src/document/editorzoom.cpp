#include "document/editorzoom.h"

#include "document/documentwindow.h"
#include "document/workspace.h"

#include <algorithm>

namespace orvane {

namespace {

constexpr int kMostPointsOff = -20;
constexpr int kMostPointsOn = 60;

int& zoomPoints() {
    static int points = 0;
    return points;
}

} // namespace

int EditorZoom() {
    return zoomPoints();
}

void SetEditorZoom(Workspace& workspace, int points) {
    zoomPoints() = std::clamp(points, kMostPointsOff, kMostPointsOn);
    for (DocumentWindow* window : workspace.documentWindows())
        window->followZoom();
}

void ZoomIn(Workspace& workspace) {
    SetEditorZoom(workspace, EditorZoom() + 1);
}

void ZoomOut(Workspace& workspace) {
    SetEditorZoom(workspace, EditorZoom() - 1);
}

void ZoomReset(Workspace& workspace) {
    SetEditorZoom(workspace, 0);
}

} // namespace orvane
