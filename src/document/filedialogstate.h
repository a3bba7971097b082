#pragma once

#include <QString>

namespace orvane {

// Open and Save As share one file dialog for the whole run, so the file name chosen (or proposed)
// last is offered again the next time either is shown.
struct FileDialogState {
    QString fileName;
};

} // namespace orvane
