#include "evidence/record_reading.h"
#include "record/record_json.h"
#include "tests/support/evidence_pictures.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

QByteArray Json(const EvidenceRecord& record)
{
    return QByteArray::fromStdString(RecordJson(record));
}

void ExpectSameFields(const EvidenceRecord& read, const EvidenceRecord& written)
{
    for (const EvidenceField& field : EvidenceFields())
        EXPECT_EQ(FieldText(read, field), FieldText(written, field)) << field.name;
}

QByteArray WithField(const char* name, const QJsonValue& value)
{
    QJsonObject object = QJsonDocument::fromJson(Json(MeasuredRecord())).object();
    if (value.isUndefined())
        object.remove(QLatin1StringView(name));
    else
        object.insert(QLatin1StringView(name), value);
    return QJsonDocument(object).toJson();
}

TEST(RecordJson, ReadsBackEveryFieldInOneLineWithTheFormatFirstAndTheDigestLast)
{
    EvidenceRecord record = MeasuredRecord();
    record.digest = std::string(64, 'a');
    record.fieldMicrotesla.reset();
    record.teacherMode = true;
    record.source = "\"idézet\"\n\\ és ő";
    const QByteArray json = Json(record);

    EXPECT_FALSE(json.contains('\n'));
    EXPECT_TRUE(json.startsWith("{\"format\":\"vantor-evidence/3\",\"program\":\"2.2.0.3\","));
    EXPECT_TRUE(json.endsWith(",\"digest\":\"" + QByteArray(64, 'a') + "\"}"));
    EXPECT_TRUE(json.contains("\"fieldMicrotesla\":null"));
    EXPECT_TRUE(json.contains(QStringLiteral("és ő").toUtf8()));
    const RecordReading reading = ReadRecord(json);
    ASSERT_EQ(reading.kind, RecordReading::Kind::Read) << reading.problem.toStdString();
    ExpectSameFields(reading.record, record);
}

TEST(RecordJson, LongTextsAreCutSoThatTheRecordFitsOneComment)
{
    EvidenceRecord record = MeasuredRecord();
    const QString longest(32767, QChar(0x20AC));
    for (std::string* text : {&record.energyKeV, &record.electricFieldVPerM, &record.slitMm, &record.measuringTime,
                          &record.passLowerKeV, &record.passUpperKeV, &record.passWidthKeV, &record.source,
                          &record.contestant, &record.savedAt, &record.program})
        *text = longest.toStdString();
    const QByteArray json = Json(record);

    EXPECT_LE(json.size(), 65533);
    const RecordReading reading = ReadRecord(json);
    ASSERT_EQ(reading.kind, RecordReading::Kind::Read);
    EXPECT_EQ(reading.record.source, longest.first(MaxRecordTextLength).toStdString());
}

TEST(RecordJson, OnlyAVantorRecordIsARecord)
{
    for (const QByteArray& comment : {QByteArray("Created with GIMP"), QByteArray(""), QByteArray("[1,2]"),
                                     QByteArray("{\"format\":\"exif\"}"), QByteArray("{\"format\":7}"),
                                     QByteArray("{\"launched\":5}"), QByteArray(60000, '{'),
                                     QByteArray("{\"format\":\"vantor-evidence/4\"}"),
                                     QByteArray("{\"format\":\"vantor-evidence/0\"}"),
                                     QByteArray("{\"format\":\"vantor-evidence/02\"}"),
                                     QByteArray("{\"format\":\"vantor-evidence/2b\"}")})
        EXPECT_EQ(ReadRecord(comment).kind, RecordReading::Kind::NotARecord) << comment.left(40).toStdString();
    EXPECT_EQ(ReadRecord("{\"format\":\"vantor-evidence/4\"}").problem,
              QStringLiteral("ismeretlen adatlapformátum: vantor-evidence/4"));
}

// The first layout had no teacherMode, as its program had no teacher mode:
// such a picture is read as a contest picture, and only the first layout
// may leave the field out.
TEST(RecordJson, ARecordOfTheFirstLayoutIsReadAsAContestPicture)
{
    QJsonObject object = QJsonDocument::fromJson(Json(MeasuredRecord())).object();
    object.remove(QLatin1StringView("teacherMode"));
    object.insert(QLatin1StringView("format"), QStringLiteral("vantor-evidence/1"));
    const RecordReading reading = ReadRecord(QJsonDocument(object).toJson());
    ASSERT_EQ(reading.kind, RecordReading::Kind::Read) << reading.problem.toStdString();
    EXPECT_EQ(reading.record.format, "vantor-evidence/1");
    EXPECT_FALSE(reading.record.teacherMode);
    EXPECT_EQ(reading.record.detected, MeasuredRecord().detected);
}

TEST(RecordJson, AMissingOrWronglyTypedFieldBreaksTheRecord)
{
    for (const EvidenceField& field : EvidenceFields()) {
        if (QLatin1StringView(field.name) == QLatin1StringView("format"))
            continue;
        const RecordReading reading = ReadRecord(WithField(field.name, QJsonValue::Undefined));
        EXPECT_EQ(reading.kind, RecordReading::Kind::Broken) << field.name;
        EXPECT_TRUE(reading.problem.startsWith(QStringLiteral("hiányzik a")));
        EXPECT_TRUE(reading.problem.endsWith(QStringLiteral(" „%1” mező").arg(QString::fromUtf8(field.label))))
            << reading.problem.toStdString();
    }
    // Each field by its label, with the article its first sound takes.
    const std::vector<std::pair<const char*, QString>> missing{
        {"launched", QStringLiteral("hiányzik a „Kibocsátott” mező")},
        {"detected", QStringLiteral("hiányzik a „Beütésszám” mező")},
        {"energyKeV", QStringLiteral("hiányzik az „Áteresztett energia (keV)” mező")},
        {"passLowerKeV", QStringLiteral("hiányzik az „E_min (keV)” mező")},
        {"startSource", QStringLiteral("hiányzik az „Indításkor: forrás” mező")},
        {"countsFromLastStart", QStringLiteral("hiányzik az „A számok az utolsó indítástól” mező")},
        {"program", QStringLiteral("hiányzik a „Program változata” mező")},
    };
    for (const auto& [name, problem] : missing)
        EXPECT_EQ(ReadRecord(WithField(name, QJsonValue::Undefined)).problem, problem) << name;
    const std::vector<std::pair<const char*, QJsonValue>> wrong{
        {"launched", QJsonValue("1000")}, {"launched", QJsonValue(10.5)}, {"launched", QJsonValue(3e9)},
        {"launched", QJsonValue()},       {"detected", QJsonValue(true)}, {"setCount", QJsonValue("1000")},
        {"running", QJsonValue(1)},       {"fieldsOn", QJsonValue("true")}, {"energyKeV", QJsonValue(50)},
        {"digest", QJsonValue()},         {"source", QJsonValue(QJsonObject{})},
    };
    for (const auto& [name, value] : wrong) {
        const RecordReading reading = ReadRecord(WithField(name, value));
        EXPECT_EQ(reading.kind, RecordReading::Kind::Broken) << name;
        EXPECT_TRUE(reading.problem.startsWith(QStringLiteral("rossz típusú a"))) << name;
    }
    EXPECT_EQ(ReadRecord(WithField("setCount", QJsonValue())).kind, RecordReading::Kind::Read);
    EXPECT_EQ(ReadRecord(WithField("launched", QJsonValue(-2147483648.0))).kind, RecordReading::Kind::Read);
}

// A record that no program writes, though Qt's parser would read it or pass
// it over, is a record spoilt: the jury sees it flagged, never as a picture
// without a record.
TEST(RecordJson, ARecordNoProgramWritesIsBroken)
{
    const QByteArray json = Json(MeasuredRecord());
    auto edited = [&](const QByteArray& from, const QByteArray& to) {
        EXPECT_TRUE(json.contains(from)) << from.toStdString();
        return QByteArray(json).replace(from, to);
    };
    const std::vector<std::pair<QByteArray, QString>> cases{
        {edited("{\"format\"", "{\"launched\":398000,\"format\""), QStringLiteral("kétszer szerepel a „Kibocsátott” mező")},
        {edited(",\"digest\"", ",\"detecte\\u0064\":0,\"digest\""), QStringLiteral("kétszer szerepel a „Beütésszám” mező")},
        {edited("{\"format\"", "{\"egyeb\":1,\"egyeb\":2,\"format\""), QStringLiteral("kétszer szerepel az „egyeb” mező")},
        {edited("\"launched\":1000,", "\"launched\":1000.0,"), QStringLiteral("rossz típusú a „Kibocsátott” mező")},
        {edited("\"detected\":72,", "\"detected\":7.2e1,"), QStringLiteral("rossz típusú a „Beütésszám” mező")},
        {edited("\"setCount\":1000,", "\"setCount\":1E3,"), QStringLiteral("rossz típusú a „Beállított” mező")},
        {edited("\"startSlitStep\":0,", "\"startSlitStep\":-0.0,"), QStringLiteral("rossz típusú az „Indításkor: Blende lépése” mező")},
    };
    for (const auto& [comment, problem] : cases) {
        const RecordReading reading = ReadRecord(comment);
        EXPECT_EQ(reading.kind, RecordReading::Kind::Broken) << comment.toStdString();
        EXPECT_EQ(reading.problem, problem);
    }
    for (const QByteArray& number : {QByteArray("1e999"), QByteArray("NaN"), QByteArray("-Infinity")}) {
        const RecordReading reading = ReadRecord(edited("\"startMagneticFieldTesla\":0.001,",
                                                        "\"startMagneticFieldTesla\":" + number + ','));
        EXPECT_EQ(reading.kind, RecordReading::Kind::Broken) << number.toStdString();
        EXPECT_TRUE(reading.problem.startsWith(QStringLiteral("az adatlap nem érvényes JSON: hiba az adatlap ")))
            << reading.problem.toStdString();
    }
}

}
