#pragma once

#include <QString>

namespace orvane {

// What the caller of an error trap does next.
enum ErrorAction : int { Abandon = 3, Retry = 4, Skip = 5 };

enum class ErrorBox {
    None,        // nothing is shown; the operation is abandoned
    Information, // one OK button; the operation is abandoned
    Failure,     // Abort, Retry, Ignore; the user's choice decides
};

struct ErrorReport {
    ErrorBox box = ErrorBox::None;
    QString text;
};

// The message for run-time error `number`, as the error reporter shows it under the title
// "Orvane".
ErrorReport DescribeError(int number);

// The standard description of a run-time error number.
QString ErrorDescription(int number);

// Run-time error numbers the program raises itself.
namespace ErrorNumber {
inline constexpr int BadFileName = 52;
inline constexpr int FileNotFound = 53;
inline constexpr int DeviceIO = 57;
inline constexpr int DiskFull = 61;
inline constexpr int PermissionDenied = 70;
inline constexpr int PathFileAccess = 75;
inline constexpr int PathNotFound = 76;
inline constexpr int PrinterError = 482;
inline constexpr int Cancelled = 32755;
} // namespace ErrorNumber

} // namespace orvane
