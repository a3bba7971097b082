#include "document/errorreport.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <utility>

namespace orvane {

namespace {

const QString nl = QStringLiteral("\r\n");

bool in(int number, std::initializer_list<std::pair<int, int>> ranges) {
    return std::any_of(ranges.begin(), ranges.end(), [number](const auto& range) {
        return number >= range.first && number <= range.second;
    });
}

QString numberAndDescription(int number) {
    return QStringLiteral("Error Number: ") + QString::number(number) + nl +
           QStringLiteral("Description: ") + ErrorDescription(number);
}

QString shortUnexpected(int number) {
    return QStringLiteral("An unexpected error has occured.") + nl + nl +
           numberAndDescription(number) + nl + nl;
}

QString longUnexpected(int number) {
    return shortUnexpected(number) + QStringLiteral("Write down the number and message ") + nl +
           QStringLiteral("and then contact technical support.");
}

QString systemFileError(int number) {
    return QStringLiteral("A system file error has occured.") + nl + nl +
           numberAndDescription(number);
}

struct Description {
    int number;
    const char* text;
};

constexpr std::array<Description, 64> descriptions{{
    {3, "Return without GoSub"},
    {5, "Invalid procedure call or argument"},
    {6, "Overflow"},
    {7, "Out of memory"},
    {9, "Subscript out of range"},
    {10, "This array is fixed or temporarily locked"},
    {11, "Division by zero"},
    {13, "Type mismatch"},
    {14, "Out of string space"},
    {16, "Expression too complex"},
    {17, "Can't perform requested operation"},
    {18, "User interrupt occurred"},
    {20, "Resume without error"},
    {28, "Out of stack space"},
    {35, "Sub or Function not defined"},
    {47, "Too many DLL application clients"},
    {48, "Error in loading DLL"},
    {49, "Bad DLL calling convention"},
    {51, "Internal error"},
    {52, "Bad file name or number"},
    {53, "File not found"},
    {54, "Bad file mode"},
    {55, "File already open"},
    {57, "Device I/O error"},
    {58, "File already exists"},
    {59, "Bad record length"},
    {61, "Disk full"},
    {62, "Input past end of file"},
    {63, "Bad record number"},
    {67, "Too many files"},
    {68, "Device unavailable"},
    {70, "Permission denied"},
    {71, "Disk not ready"},
    {74, "Can't rename with different drive"},
    {75, "Path/File access error"},
    {76, "Path not found"},
    {91, "Object variable or With block variable not set"},
    {92, "For loop not initialized"},
    {93, "Invalid pattern string"},
    {94, "Invalid use of Null"},
    {281, "No more DDE channels"},
    {282, "Can't open DDE channel"},
    {283, "Multiple applications responded to a DDE initiate"},
    {284, "DDE channel locked"},
    {285, "Foreign application won't perform DDE method or operation"},
    {286, "Timeout occurred while waiting for DDE response"},
    {287, "User pressed Escape key during DDE operation"},
    {288, "Destination is busy"},
    {289, "Data not provided in DDE operation"},
    {290, "Data in wrong format"},
    {291, "Foreign application quit"},
    {292, "DDE conversation closed or changed"},
    {293, "DDE method invoked with no channel open"},
    {294, "Invalid DDE link format"},
    {295, "Message queue filled; DDE message lost"},
    {296, "PasteLink already performed on this control"},
    {297, "Can't set LinkMode; invalid LinkTopic"},
    {298, "System DLL could not be loaded"},
    {340, "Control array element does not exist"},
    {341, "Invalid control array index"},
    {342, "Not enough room to allocate control array"},
    {343, "Object not an array"},
    {344, "Must specify index for object array"},
    {482, "Printer error"},
}};

} // namespace

QString ErrorDescription(int number) {
    if (number == ErrorNumber::Cancelled)
        return QStringLiteral("Cancel was selected.");
    const auto found = std::find_if(descriptions.begin(), descriptions.end(),
                                    [number](const Description& d) { return d.number == number; });
    return found != descriptions.end() ? QString::fromLatin1(found->text)
                                       : QStringLiteral("Application-defined or object-defined "
                                                        "error");
}

ErrorReport DescribeError(int number) {
    using enum ErrorBox;
    if (number == 0)
        return {};
    if (in(number, {{1, 5}, {9, 11}, {13, 49}, {59, 59}, {90, 90}, {94, 94}}))
        return {Information, shortUnexpected(number)};
    if (number == 6)
        return {};
    if (number == 7)
        return {Information, QStringLiteral("Out of available memory.") + nl + nl +
                                 QStringLiteral("Please close some open documents and try again.")};
    if (number == 51)
        return {Information,
                QStringLiteral("An internal system error has occured.") + nl + nl +
                    QStringLiteral("Plaese report error to your System Administrator.")};
    if (in(number, {{52, 56}, {58, 58}, {60, 60}, {62, 66}, {69, 70}, {73, 76}}))
        return {Failure, systemFileError(number)};
    if (number == 61)
        return {Failure, QStringLiteral("The disk is full.")};
    if (in(number, {{57, 57}, {68, 68}, {71, 72}}))
        return {Failure, QStringLiteral("Disk not ready or unavailable. Also check that disk is "
                                        "not write protected.")};
    if (number == 67)
        return {Information, QStringLiteral("Not enough file handles available.") + nl + nl +
                                 QStringLiteral("Increase the FILES= number in file CONFIG.SYS")};
    if (in(number, {{281, 297}, {340, 344}}))
        return {Information, longUnexpected(number)};
    if (number == ErrorNumber::Cancelled)
        return {};
    return {Information, shortUnexpected(number)};
}

} // namespace orvane
