#pragma once

#include <functional>
#include <initializer_list>

namespace orvane {

class Desktop;

// Shows the error reporter's box for run-time error `number` (none for 0, 6 and a cancelled
// dialog) and returns what the caller does next: Abandon, Retry or Skip.
int ReportError(Desktop& desktop, int number);

// One step of an operation under the error trap: 0 when it worked, else a run-time error number.
using TrapStep = std::function<int()>;

// Runs `steps` in order under the error trap. A failed step is reported with the normal pointer
// showing; then it is retried, skipped or the operation is abandoned, as the user answers.
// The busy pointer shows while a step runs when `busy` is set. False when abandoned.
bool RunTrappedSteps(Desktop& desktop, std::initializer_list<TrapStep> steps, bool busy = true);

} // namespace orvane
