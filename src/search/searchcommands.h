#pragma once

#include <QString>

namespace orvane {

class Workspace;

// Edit > Find and the "Find" toolbar button: the search dialog in find mode.
void ShowFindDialog(Workspace& workspace);
// Edit > Replace.
void ShowReplaceDialog(Workspace& workspace);

// Edit > Find Next and Find Previous: the search dialog's last search again, from the caret, on
// past the document's end (or start) with a note in the status line. Before any search they
// open the dialog.
void FindNext(Workspace& workspace);
void FindPrevious(Workspace& workspace);

// The search text of the dialog's last search in this run, as typed.
void RememberSearch(const QString& searchBox);
QString LastSearch();

} // namespace orvane
