#include "cli/evidence/evidence_plausibility.h"
#include "tests/support/evidence_pictures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

class Plausible : public testing::Test {
protected:
    Plausibility Check(const EvidenceRecord& record, const QString& folder = QStringLiteral("21")) const
    {
        return CheckPlausibility(record, folder, context);
    }

    // The count that lies pulls standard deviations from the expected one.
    static qint32 CountAt(double pulls, qint32 launched)
    {
        const double expected = ShareAt50KeV * launched;
        return qint32(std::lround(expected + pulls * std::sqrt(expected * (1 - ShareAt50KeV))));
    }

    PlausibilityContext context{QStringLiteral("2.2.0.3"),
                                QDateTime::fromString(QStringLiteral("2024-03-15T11:00:00+01:00"), Qt::ISODate),
                                KnownSources(QString())};
};

TEST_F(Plausible, AnHonestRecordPassesWithNothingToSay)
{
    const Plausibility verdict = Check(MeasuredRecord(100000, CountAt(4.5, 100000)));
    EXPECT_EQ(verdict.implausible, std::nullopt);
    EXPECT_TRUE(verdict.notes.isEmpty()) << verdict.notes.join(u'|').toStdString();
}

TEST_F(Plausible, EveryImpossibleRecordIsFlaggedWithItsReason)
{
    struct Case {
        const char* reason;
        std::function<void(EvidenceRecord&)> forge;
    };
    const Case cases[] = {
        {"több a beütés (5000), mint a kibocsátott részecske (100)",
         [](EvidenceRecord& r) { r.launched = 100, r.detected = 5000; }},
        {"negatív a kibocsátott részecskék száma (-5)", [](EvidenceRecord& r) { r.launched = -5; }},
        {"negatív a beütésszám (-1)", [](EvidenceRecord& r) { r.detected = -1; }},
        {"a rés lépése (99) a 0–19 tartományon kívül van", [](EvidenceRecord& r) { r.slitStep = 99; }},
        {"a beállított részecskeszám (0) nem adható meg", [](EvidenceRecord& r) { r.setCount = 0; }},
        {"negatív a mérési idő (-0:00:03)", [](EvidenceRecord& r) { r.measuringTime = QStringLiteral("-0:00:03"); }},
        {"a mérési idő (0:-1:00) nem a program írta alakú",
         [](EvidenceRecord& r) { r.measuringTime = QStringLiteral("0:-1:00"); }},
        {"a mérési idő (24:00:00) nem a program írta alakú",
         [](EvidenceRecord& r) { r.measuringTime = QStringLiteral("24:00:00"); }},
        {"a mentés ideje (tegnap) nem dátum", [](EvidenceRecord& r) { r.savedAt = QStringLiteral("tegnap"); }},
        {"az energiaablak szélessége (0.001 keV) nem a határai (1.000–150.000 keV) különbsége",
         [](EvidenceRecord& r) {
             r.passLowerKeV = QStringLiteral("1.000");
             r.passUpperKeV = QStringLiteral("150.000");
             r.passWidthKeV = QStringLiteral("0.001");
         }},
        {"a mentés ideje (2030-01-01T10:00:00+01:00) több mint egy nappal az ellenőrzés utáni",
         [](EvidenceRecord& r) { r.savedAt = QStringLiteral("2030-01-01T10:00:00+01:00"); }},
        {"az indításkori energiaablak (1.000–150.000 keV) nem az, amit a program a beállításaihoz számol "
         "(46.741–53.863 keV)",
         [](EvidenceRecord& r) {
             r.startPassLowerKeV = QStringLiteral("     1.000");
             r.startPassUpperKeV = QStringLiteral("   150.000");
             r.startPassWidthKeV = QStringLiteral("   149.000");
         }},
        {"a beütésszám (7683) 6.0 szórásnyira van a várhatótól (7193.2), ekkora eltérés esélye 3e-09",
         [](EvidenceRecord& r) { r.launched = 100000, r.detected = CountAt(6.0, 100000); }},
        {"a beütésszám (6703) 6.0 szórásnyira van a várhatótól (7193.2), ekkora eltérés esélye 1.4e-09",
         [](EvidenceRecord& r) { r.launched = 100000, r.detected = CountAt(-6.0, 100000); }},
        {"a(z) 22 versenyző mentette, nem a mappa versenyzője",
         [](EvidenceRecord& r) { r.contestant = QStringLiteral("22"); }},
    };
    for (const Case& c : cases) {
        EvidenceRecord record = MeasuredRecord();
        c.forge(record);
        EXPECT_EQ(Check(record).implausible.value_or(QString()).toStdString(), c.reason);
    }
}

// Lab clocks drift, and the jury may check on the morning after.
TEST_F(Plausible, AClockHoursAheadIsNoFault)
{
    EvidenceRecord record = MeasuredRecord();
    record.savedAt = QStringLiteral("2024-03-16T09:00:00+01:00");
    EXPECT_EQ(Check(record).implausible, std::nullopt);
}

// With "Indításkor töröl" off the detector sums Starts at other settings,
// and "Részecskék törlése" clears the launched count alone: more detected
// than launched is then honest, and the physics cannot be checked.
TEST_F(Plausible, CountsFromMoreThanOneSettingAreNotJudged)
{
    EvidenceRecord record = MeasuredRecord(100, 5000);
    record.countsFromLastStart = false;
    const Plausibility verdict = Check(record);
    EXPECT_EQ(verdict.implausible, std::nullopt);
    EXPECT_EQ(verdict.notes,
              QStringList{QStringLiteral("a fizika nem ellenőrizhető: a beütések nem egyetlen beállításból származnak")});
}

TEST_F(Plausible, AnUnknownSourceIsNotCheckedUnlessNamed)
{
    EvidenceRecord record = MeasuredRecord(100000, CountAt(8, 100000));
    record.startSource = record.source = QStringLiteral("Tanári forrás");
    const Plausibility verdict = Check(record);
    EXPECT_EQ(verdict.implausible, std::nullopt);
    EXPECT_EQ(verdict.notes, QStringList{QStringLiteral("a fizika nem ellenőrizhető: a(z) „Tanári forrás” forrás nem "
                                                        "ismert (--source FÁJL megadhatja)")});

    SourceSpectrum named;
    ASSERT_FALSE(LoadSourceSpectrum(BuiltinSourceText(), named));
    named.Name = "Tanári forrás";
    context.sources = KnownSources(QString(), &named);
    EXPECT_TRUE(Check(record).implausible.has_value());
}

TEST_F(Plausible, ANewerProgramIsNotJudgedButSaidSo)
{
    EvidenceRecord record = MeasuredRecord(100, 5000);
    record.program = QStringLiteral("9.9.9");
    const Plausibility verdict = Check(record);
    EXPECT_EQ(verdict.implausible, std::nullopt);
    EXPECT_TRUE(verdict.checkerOlder);
    EXPECT_EQ(verdict.notes, QStringList{QStringLiteral("a mentő program (9.9.9) újabb az ellenőrzőnél (2.2.0.3), "
                                                        "ezért ez nem ellenőrizheti")});

    // No program of any version saves in the future, nor counts below zero.
    record.savedAt = QStringLiteral("2030-01-01T10:00:00+01:00");
    EXPECT_TRUE(Check(record).implausible.has_value());
    record.savedAt = MeasuredRecord().savedAt;
    record.launched = -5;
    EXPECT_TRUE(Check(record).implausible.has_value());
}

// Pictures saved before the records carried the last Start: only what no
// window can show is flagged.
TEST_F(Plausible, AnOlderLayoutIsCheckedForTheImpossibleOnly)
{
    EvidenceRecord record = MeasuredRecord(100000, CountAt(8, 100000));
    record.format = QStringLiteral("vantor-evidence/2");
    EXPECT_EQ(Check(record).implausible, std::nullopt);
    EXPECT_EQ(Check(record).notes,
              QStringList{QStringLiteral("a fizika nem ellenőrizhető: régebbi adatlap, a mérés beállításai nélkül")});
    record.launched = -5;
    EXPECT_TRUE(Check(record).implausible.has_value());
}

// Ten launched with 0.72 expected: five detected lie 5.2 deviations out, but
// one honest picture in 1500 shows as many; ten in a row, never.
TEST_F(Plausible, AFewExpectedCountsAreJudgedByTheirBinomialTail)
{
    EXPECT_EQ(Check(MeasuredRecord(10, 5)).implausible, std::nullopt);
    EXPECT_TRUE(Check(MeasuredRecord(10, 10)).implausible.has_value());
}

}
