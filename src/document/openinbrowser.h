#pragma once

#include <QString>
#include <QUrl>

namespace orvane {

class Desktop;

// What the desktop's "open" action receives for a full file path or a web address.
QUrl BrowserUrl(const QString& target);

// Hands a file path or web address to the desktop's "open" action.
void OpenInBrowser(Desktop& desktop, const QString& target);

} // namespace orvane
