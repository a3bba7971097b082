#include "document/openinbrowser.h"

#include "platform/desktop.h"

#include <QDir>

namespace orvane {

QUrl BrowserUrl(const QString& target) {
    // A drive letter looks like a one-letter scheme, so only real schemes count as addresses.
    const QUrl url(target, QUrl::StrictMode);
    if (url.isValid() && url.scheme().size() > 1)
        return url;
    return QUrl::fromLocalFile(QDir::fromNativeSeparators(target));
}

void OpenInBrowser(Desktop& desktop, const QString& target) {
    if (!desktop.openUrl(BrowserUrl(target)))
        desktop.showMessage({QStringLiteral("An unexpected error occurred while launching "
                                            "Web browser."),
                             QStringLiteral("Orvane"), MessageButtons::Ok,
                             MessageIcon::Exclamation});
}

} // namespace orvane
