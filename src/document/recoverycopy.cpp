#include "document/recoverycopy.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace orvane {

namespace {

// 64-bit numbers go as text: JSON numbers are doubles.
QString wide(qint64 number) {
    return QString::number(number);
}

QJsonObject diskObject(const DiskSnapshot& disk) {
    return {{QStringLiteral("recorded"), disk.recorded},
            {QStringLiteral("kind"), static_cast<int>(disk.kind)},
            {QStringLiteral("readable"), disk.readable},
            {QStringLiteral("size"), wide(disk.size)},
            {QStringLiteral("modifiedNs"), wide(disk.modifiedNs)},
            {QStringLiteral("fileId"), QString::number(disk.fileId)}};
}

DiskSnapshot diskFrom(const QJsonObject& object) {
    DiskSnapshot disk;
    disk.recorded = object.value(QStringLiteral("recorded")).toBool();
    disk.kind = static_cast<DiskSnapshot::Kind>(object.value(QStringLiteral("kind")).toInt());
    disk.readable = object.value(QStringLiteral("readable")).toBool();
    disk.size = object.value(QStringLiteral("size")).toString().toLongLong();
    disk.modifiedNs = object.value(QStringLiteral("modifiedNs")).toString().toLongLong();
    disk.fileId = object.value(QStringLiteral("fileId")).toString().toULongLong();
    return disk;
}

} // namespace

QByteArray RecoveryCopyBytes(const RecoveryCopy& copy) {
    const TextFormat& format = copy.format;
    const QJsonObject object{{QStringLiteral("path"), copy.path},
                             {QStringLiteral("text"), copy.text},
                             {QStringLiteral("encoding"), static_cast<int>(format.encoding)},
                             {QStringLiteral("lineBreak"), static_cast<int>(format.lineBreak)},
                             {QStringLiteral("endsWithLineBreak"), format.endsWithLineBreak},
                             {QStringLiteral("byteOrderMark"), format.byteOrderMark},
                             {QStringLiteral("strayBytes"), format.strayBytes},
                             {QStringLiteral("loneCarriageReturns"), format.loneCarriageReturns},
                             {QStringLiteral("disk"), diskObject(copy.disk)}};
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

std::optional<RecoveryCopy> ParseRecoveryCopy(const QByteArray& bytes) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    const QJsonObject object = document.object();
    if (error.error != QJsonParseError::NoError || !object.value(QStringLiteral("text")).isString())
        return std::nullopt;
    RecoveryCopy copy;
    copy.path = object.value(QStringLiteral("path")).toString();
    copy.text = object.value(QStringLiteral("text")).toString();
    TextFormat& format = copy.format;
    format.encoding =
        static_cast<TextFormat::Encoding>(object.value(QStringLiteral("encoding")).toInt());
    format.lineBreak =
        static_cast<TextFormat::LineBreak>(object.value(QStringLiteral("lineBreak")).toInt());
    format.endsWithLineBreak = object.value(QStringLiteral("endsWithLineBreak")).toBool(true);
    format.byteOrderMark = object.value(QStringLiteral("byteOrderMark")).toBool();
    format.strayBytes = object.value(QStringLiteral("strayBytes")).toBool();
    format.loneCarriageReturns = object.value(QStringLiteral("loneCarriageReturns")).toBool();
    copy.disk = diskFrom(object.value(QStringLiteral("disk")).toObject());
    return copy;
}

} // namespace orvane
