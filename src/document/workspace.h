#pragma once

#include <QList>
#include <QString>

class QWidget;

namespace orvane {

class Desktop;
class DocumentWindow;
class ProgramOutput;
class SettingsStore;
struct FileDialogState;

// What a command sees of the frame: the documents it works on and the services it goes through.
// The frame implements it; commands and dialogs never know the frame itself.
class Workspace {
public:
    virtual ~Workspace() = default;

    virtual Desktop& desktop() const = 0;
    virtual SettingsStore& settings() const = 0;
    // The window dialogs are centred over and owned by.
    virtual QWidget& dialogParent() = 0;

    // The active document window, or nullptr when none is open.
    virtual DocumentWindow* activeDocument() const = 0;
    // Every open document window, oldest first.
    virtual QList<DocumentWindow*> documentWindows() const = 0;
    // Creates, shows and activates a new empty "Untitled" document window.
    virtual DocumentWindow* newDocumentWindow() = 0;
    virtual void activateDocument(DocumentWindow& window) = 0;

    // Where the wizard writes projects and the Run dialog looks for them.
    virtual QString projectsFolder() const = 0;
    // The state the Open and Save As dialogs share.
    virtual FileDialogState& fileDialog() = 0;
    // Where the programs Orvane starts write, shown and brought to the front.
    virtual ProgramOutput& programOutput() = 0;
    // A passing note in the frame's status line, gone after a few seconds or the next note.
    virtual void showStatusMessage(const QString& text) = 0;
};

} // namespace orvane
