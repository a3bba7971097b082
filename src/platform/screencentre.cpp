#include "platform/screencentre.h"

#include <QLayout>
#include <QWidget>

namespace orvane {

void CentreOnScreen(QWidget& window, const QSize& screen) {
    if (QLayout* layout = window.layout())
        layout->activate();
    if (!window.testAttribute(Qt::WA_Resized))
        window.adjustSize();
    window.move((screen.width() - window.width()) / 2, (screen.height() - window.height()) / 2);
}

} // namespace orvane
