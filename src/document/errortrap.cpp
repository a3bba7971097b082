#include "document/errortrap.h"

#include "document/errorreport.h"
#include "platform/desktop.h"

#include <optional>

namespace orvane {

int ReportError(Desktop& desktop, int number) {
    const ErrorReport report = DescribeError(number);
    switch (report.box) {
    case ErrorBox::None:
        return Abandon;
    case ErrorBox::Information:
        desktop.showMessage(
            {report.text, QStringLiteral("Orvane"), MessageButtons::Ok, MessageIcon::Information});
        return Abandon;
    case ErrorBox::Failure:
        break;
    }
    switch (desktop.showMessage({report.text, QStringLiteral("Orvane"),
                                 MessageButtons::AbortRetryIgnore, MessageIcon::Critical})) {
    case MessageAnswer::Retry:
        return Retry;
    case MessageAnswer::Ignore:
        return Skip;
    default:
        return Abandon;
    }
}

bool RunTrappedSteps(Desktop& desktop, std::initializer_list<TrapStep> steps, bool busy) {
    for (const TrapStep& step : steps) {
        for (;;) {
            int failure = 0;
            {
                std::optional<BusyPointer> pointer;
                if (busy)
                    pointer.emplace(desktop);
                failure = step();
            }
            if (failure == 0)
                break;
            const int action = ReportError(desktop, failure);
            if (action == Retry)
                continue;
            if (action == Skip)
                break;
            return false;
        }
    }
    return true;
}

} // namespace orvane
