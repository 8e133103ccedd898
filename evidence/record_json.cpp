#include "evidence/record_json.h"

#include "evidence/overloaded.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include <cmath>
#include <limits>

namespace {

QString Clipped(const QString& text)
{
    return text.size() <= MaxRecordTextLength ? text : text.first(MaxRecordTextLength);
}

QJsonValue JsonValue(const EvidenceRecord& record, const EvidenceMember& member)
{
    return std::visit(Overloaded{
                          [&](QString EvidenceRecord::*text) { return QJsonValue(Clipped(record.*text)); },
                          [&](bool EvidenceRecord::*flag) { return QJsonValue(record.*flag); },
                          [&](qint32 EvidenceRecord::*number) { return QJsonValue(record.*number); },
                          [&](std::optional<qint32> EvidenceRecord::*number) {
                              return (record.*number) ? QJsonValue(*(record.*number)) : QJsonValue();
                          },
                          [&](double EvidenceRecord::*number) { return QJsonValue(record.*number); },
                      },
                      member);
}

// Qt writes whole documents only: a value is written as the one element of
// an array, whose brackets are then dropped.
QByteArray JsonText(const QJsonValue& value)
{
    const QByteArray array = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return array.sliced(1, array.size() - 2);
}

std::optional<qint32> WholeNumber(const QJsonValue& value)
{
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (number != std::floor(number) || number < std::numeric_limits<qint32>::min()
        || number > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return static_cast<qint32>(number);
}

// Takes one field into the record; false when it is of the wrong kind.
bool Take(const QJsonValue& value, const EvidenceMember& member, EvidenceRecord& record)
{
    return std::visit(Overloaded{
                          [&](QString EvidenceRecord::*text) {
                              record.*text = value.toString();
                              return value.isString();
                          },
                          [&](bool EvidenceRecord::*flag) {
                              record.*flag = value.toBool();
                              return value.isBool();
                          },
                          [&](qint32 EvidenceRecord::*number) {
                              const std::optional<qint32> read = WholeNumber(value);
                              record.*number = read.value_or(0);
                              return read.has_value();
                          },
                          [&](std::optional<qint32> EvidenceRecord::*number) {
                              record.*number = WholeNumber(value);
                              return value.isNull() || (record.*number).has_value();
                          },
                          [&](double EvidenceRecord::*number) {
                              record.*number = value.toDouble();
                              return value.isDouble();
                          },
                      },
                      member);
}

// The layout's version when this program can read it, else 0. Older layouts
// stay readable: the pictures of earlier contests keep their worth.
int LayoutVersion(const QString& format)
{
    bool isNumber = false;
    const int version = format.sliced(EvidenceFormatPrefix.size()).toInt(&isNumber);
    return isNumber && version >= 1 && version <= EvidenceFormatVersion
                   && format == EvidenceFormatPrefix + QString::number(version)
               ? version
               : 0;
}

RecordReading NotARecord(const QString& why)
{
    return {RecordReading::Kind::NotARecord, why, {}};
}

}

QByteArray RecordJson(const EvidenceRecord& record)
{
    QByteArray json = "{";
    for (const EvidenceField& field : EvidenceFields()) {
        if (json.size() > 1)
            json += ',';
        json += JsonText(QJsonValue(QLatin1StringView(field.name))) + ':' + JsonText(JsonValue(record, field.member));
    }
    return json + '}';
}

RecordReading ReadRecord(QByteArrayView comment)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(comment.toByteArray(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return NotARecord(QStringLiteral("a megjegyzés nem JSON-objektum"));
    const QJsonObject object = document.object();
    const QString format = object.value(QLatin1StringView("format")).toString();
    if (!format.startsWith(EvidenceFormatPrefix))
        return NotARecord(QStringLiteral("a megjegyzés nem Vantor-adatlap"));
    const int version = LayoutVersion(format);
    if (version == 0)
        return NotARecord(QStringLiteral("ismeretlen adatlap-formátum: %1").arg(Clipped(format)));

    RecordReading reading{RecordReading::Kind::Read, {}, {}};
    for (const EvidenceField& field : EvidenceFields()) {
        if (field.since > version)
            continue;
        const QLatin1StringView name(field.name);
        if (!object.contains(name))
            return {RecordReading::Kind::Broken, QStringLiteral("hiányzik a(z) %1 mező").arg(name), {}};
        if (!Take(object.value(name), field.member, reading.record))
            return {RecordReading::Kind::Broken, QStringLiteral("rossz típusú a(z) %1 mező").arg(name), {}};
    }
    return reading;
}
