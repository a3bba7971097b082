#pragma once

class QMenuBar;

namespace orvane {

class MainFrame;
class DocumentWindow;

// The document window's menu bar; every item hands over to the command that implements it.
QMenuBar* BuildDocumentMenuBar(MainFrame& frame, DocumentWindow& window);

} // namespace orvane
