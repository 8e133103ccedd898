#include "evidence/record_reading.h"

#include "base/overloaded.h"
#include "evidence/json_members.h"
#include "record/record_json.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

// Names and formats in messages are cut as the record's texts are.
QString Clipped(const QString& text)
{
    constexpr qsizetype Longest = MaxRecordTextLength;
    return text.size() <= Longest ? text : text.first(Longest);
}

// The record's own prefix, for Qt's texts.
const QLatin1StringView FormatPrefix(EvidenceFormatPrefix.data(), qsizetype(EvidenceFormatPrefix.size()));

// The program writes a count as an integer: "398000", never "398000.0" or
// "3.98e5", which Qt reads as the same number.
bool IsIntegerText(QByteArrayView text)
{
    if (text.startsWith('-'))
        text = text.sliced(1);
    return !text.isEmpty() && (text == "0" || text.front() != '0')
        && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::optional<std::int32_t> WholeNumber(const QJsonValue& value, QByteArrayView written)
{
    if (!value.isDouble() || !IsIntegerText(written))
        return std::nullopt;
    const double number = value.toDouble();
    if (number != std::floor(number) || number < std::numeric_limits<std::int32_t>::min()
        || number > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(number);
}

// Takes one field into the record; false when it is of the wrong kind.
// written is the value's text in the record.
bool Take(const QJsonValue& value, QByteArrayView written, const EvidenceMember& member, EvidenceRecord& record)
{
    return std::visit(Overloaded{
                          [&](std::string EvidenceRecord::*text) {
                              record.*text = value.toString().toStdString();
                              return value.isString();
                          },
                          [&](bool EvidenceRecord::*flag) {
                              record.*flag = value.toBool();
                              return value.isBool();
                          },
                          [&](std::int32_t EvidenceRecord::*number) {
                              const std::optional<std::int32_t> read = WholeNumber(value, written);
                              record.*number = read.value_or(0);
                              return read.has_value();
                          },
                          [&](std::optional<std::int32_t> EvidenceRecord::*number) {
                              record.*number = WholeNumber(value, written);
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
    const int version = format.sliced(FormatPrefix.size()).toInt(&isNumber);
    return isNumber && version >= 1 && version <= EvidenceFormatVersion
                   && format == FormatPrefix + QString::number(version)
               ? version
               : 0;
}

RecordReading NotARecord(const QString& why)
{
    return {RecordReading::Kind::NotARecord, why, {}};
}

RecordReading Broken(const QString& why)
{
    return {RecordReading::Kind::Broken, why, {}};
}

// A field as a sentence names it, by its label where the record has a field
// of that name, with the article its first sound takes: "az „E_min (keV)” mező".
QString FieldNamed(const QString& name)
{
    const std::span<const EvidenceField> fields = EvidenceFields();
    const auto field = std::ranges::find_if(
        fields, [&](const EvidenceField& each) { return name == QLatin1StringView(each.name); });
    const QString shown = field != fields.end() ? QString::fromUtf8(field->label) : Clipped(name);
    static const QString vowels = QStringLiteral("aáeéiíoóöőuúüű");
    const bool vowel = !shown.isEmpty() && vowels.contains(shown.front().toLower());
    return QStringLiteral("%1 „%2” mező").arg(vowel ? QStringLiteral("az") : QStringLiteral("a"), shown);
}

// A comment that names the record's layout but is no JSON that the program
// writes, such as one holding 1e999 or NaN, is a record spoilt, not a comment
// of another program.
RecordReading Unparsed(QByteArrayView comment, const QJsonParseError& error)
{
    if (error.error != QJsonParseError::NoError && comment.contains(QByteArrayView(FormatPrefix.data(), FormatPrefix.size())))
        return Broken(QStringLiteral("az adatlap nem érvényes JSON: hiba az adatlap %1. bájtjánál").arg(error.offset + 1));
    return NotARecord(QStringLiteral("a megjegyzés nem JSON-objektum"));
}

// Each member's text by its name; empty when a name is written twice.
std::optional<QHash<QString, QByteArrayView>> WrittenValues(QByteArrayView json, QString& twice)
{
    QHash<QString, QByteArrayView> written;
    for (const JsonMember& member : ObjectMembers(json)) {
        if (written.contains(member.name)) {
            twice = member.name;
            return std::nullopt;
        }
        written.insert(member.name, member.valueText);
    }
    return written;
}

}

RecordReading ReadRecord(QByteArrayView comment)
{
    QJsonParseError error;
    const QByteArray json = comment.toByteArray();
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return Unparsed(comment, error);
    const QJsonObject object = document.object();
    const QString format = object.value(QLatin1StringView("format")).toString();
    if (!format.startsWith(FormatPrefix))
        return NotARecord(QStringLiteral("a megjegyzés nem Vantor-adatlap"));
    const int version = LayoutVersion(format);
    if (version == 0)
        return NotARecord(QStringLiteral("ismeretlen adatlapformátum: %1").arg(Clipped(format)));

    // Qt keeps the last of two members of one name: which of them holds
    // would be the reader's guess.
    QString twice;
    const std::optional<QHash<QString, QByteArrayView>> written = WrittenValues(json, twice);
    if (!written)
        return Broken(QStringLiteral("kétszer szerepel %1").arg(FieldNamed(twice)));

    RecordReading reading{RecordReading::Kind::Read, {}, {}};
    for (const EvidenceField& field : EvidenceFields()) {
        if (field.since > version)
            continue;
        const QLatin1StringView name(field.name);
        if (!object.contains(name))
            return Broken(QStringLiteral("hiányzik %1").arg(FieldNamed(name)));
        if (!Take(object.value(name), written->value(name), field.member, reading.record))
            return Broken(QStringLiteral("rossz típusú %1").arg(FieldNamed(name)));
    }
    return reading;
}
