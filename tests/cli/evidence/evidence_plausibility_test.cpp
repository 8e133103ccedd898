#include "cli/evidence/evidence_plausibility.h"
#include "tests/support/evidence_pictures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <utility>

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
        {"nagyobb a beütésszám (5000), mint a kibocsátott részecskék száma (100)",
         [](EvidenceRecord& r) { r.launched = 100, r.detected = 5000; }},
        {"negatív a kibocsátott részecskék száma (-5)", [](EvidenceRecord& r) { r.launched = -5; }},
        {"negatív a beütésszám (-1)", [](EvidenceRecord& r) { r.detected = -1; }},
        {"a Blende lépése (99) a 0–19 tartományon kívül van", [](EvidenceRecord& r) { r.slitStep = 99; }},
        {"a Beállított részecskeszám (0) nem írható be a programba", [](EvidenceRecord& r) { r.setCount = 0; }},
        {"negatív a mérés ideje (-0:00:03)", [](EvidenceRecord& r) { r.measuringTime = "-0:00:03"; }},
        {"a mérés ideje (0:-1:00) nem olyan alakú, amilyet a program ír",
         [](EvidenceRecord& r) { r.measuringTime = "0:-1:00"; }},
        {"a mérés ideje (24:00:00) nem olyan alakú, amilyet a program ír",
         [](EvidenceRecord& r) { r.measuringTime = "24:00:00"; }},
        {"a mentés ideje (tegnap) nem dátum", [](EvidenceRecord& r) { r.savedAt = "tegnap"; }},
        {"az energiaablak szélessége (0,001 keV) nem a határai (1,000–150,000 keV) különbsége",
         [](EvidenceRecord& r) {
             r.passLowerKeV = "1.000";
             r.passUpperKeV = "150.000";
             r.passWidthKeV = "0.001";
         }},
        {"a mentés ideje (2030. 01. 01. 10:00:00) több mint egy nappal későbbi az ellenőrzésnél",
         [](EvidenceRecord& r) { r.savedAt = "2030-01-01T10:00:00+01:00"; }},
        {"az indításkori energiaablak (1,000–150,000 keV) nem az, amelyet a program a beállításokból számol "
         "(46,741–53,863 keV)",
         [](EvidenceRecord& r) {
             r.startPassLowerKeV = "     1.000";
             r.startPassUpperKeV = "   150.000";
             r.startPassWidthKeV = "   149.000";
         }},
        {"a beütésszám (7683) 6,0 szórásnyira van a várhatótól (7193,2), ekkora eltérés esélye 3 · 10⁻⁹",
         [](EvidenceRecord& r) { r.launched = 100000, r.detected = CountAt(6.0, 100000); }},
        {"a beütésszám (6703) 6,0 szórásnyira van a várhatótól (7193,2), ekkora eltérés esélye 1,4 · 10⁻⁹",
         [](EvidenceRecord& r) { r.launched = 100000, r.detected = CountAt(-6.0, 100000); }},
        {"a 22-es versenyző mentette, nem a mappa versenyzője",
         [](EvidenceRecord& r) { r.contestant = "22"; }},
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
    record.savedAt = "2024-03-16T09:00:00+01:00";
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
              QStringList{QStringLiteral("a mérés fizikailag nem ellenőrizhető: a beütések nem egyetlen beállításból származnak")});
}

TEST_F(Plausible, AnUnknownSourceIsNotCheckedUnlessNamed)
{
    EvidenceRecord record = MeasuredRecord(100000, CountAt(8, 100000));
    record.teacherMode = true;
    record.startSource = record.source = "Tanári forrás";
    const Plausibility verdict = Check(record);
    EXPECT_EQ(verdict.implausible, std::nullopt);
    EXPECT_EQ(verdict.notes, QStringList{QStringLiteral("a mérés fizikailag nem ellenőrizhető, mert a forrása "
                                                        "ismeretlen: „Tanári forrás” (a --source FÁJL kapcsoló megadhatja)")});

    SourceSpectrum named;
    ASSERT_FALSE(LoadSourceSpectrum(BuiltinSourceText(), named));
    named.Name = "Tanári forrás";
    context.sources = KnownSources(QString(), &named);
    EXPECT_TRUE(Check(record).implausible.has_value());
}

TEST_F(Plausible, ANewerProgramIsNotJudgedButSaidSo)
{
    EvidenceRecord record = MeasuredRecord(100, 5000);
    record.program = "9.9.9";
    const Plausibility verdict = Check(record);
    EXPECT_EQ(verdict.implausible, std::nullopt);
    EXPECT_TRUE(verdict.checkerOlder);
    EXPECT_EQ(verdict.notes, QStringList{QStringLiteral("a képet a Vantor 9.9.9 változata mentette, az ellenőrző "
                                                        "régebbi (2.2.0.3), ezért nem ítélheti meg")});

    // No program of any version saves in the future, nor counts below zero.
    record.savedAt = "2030-01-01T10:00:00+01:00";
    EXPECT_TRUE(Check(record).implausible.has_value());
    record.savedAt = MeasuredRecord().savedAt;
    record.launched = -5;
    EXPECT_TRUE(Check(record).implausible.has_value());
}

// Without a magnetic field every launched particle reaches the detector,
// and the window leaves the electric field at 0.
TEST_F(Plausible, WithoutAMagneticFieldEveryParticleIsDetected)
{
    EvidenceRecord record = MeasuredRecord(1000, 1000);
    record.startMagneticFieldTesla = 0.0;
    record.startElectricFieldVPerM = 0.0;
    record.startPassLowerKeV = record.startPassUpperKeV = record.startPassWidthKeV = "Nem számolható";
    EXPECT_EQ(Check(record).implausible, std::nullopt);
    EXPECT_TRUE(Check(record).notes.isEmpty());

    // A Stop at the turn leaves the particle just launched on its way.
    record.detected = 999;
    EXPECT_EQ(Check(record).implausible, std::nullopt);
    record.detected = 998;
    EXPECT_EQ(Check(record).implausible.value_or(QString()).toStdString(),
              "mágneses indukció nélkül minden részecske a detektorba ér, de a beütésszám (998) kevesebb a "
              "kibocsátott részecskék számánál (1000)");
    record.detected = 1000;
    record.startElectricFieldVPerM = 123720.20302795917;
    EXPECT_EQ(Check(record).implausible.value_or(QString()).toStdString(),
              "mágneses indukció nélkül az elektromos térerősség sem lehet 123720,20302795917 V/m");
}

// Every version that writes records, up to this one, writes the newest
// layout: an older layout naming one of them was relabelled to escape the
// physics, and so was a record naming a version before any wrote records.
TEST_F(Plausible, ALayoutTheNamedProgramDoesNotWriteIsFlagged)
{
    EvidenceRecord record = MeasuredRecord(100000, CountAt(8, 100000));
    record.format = "vantor-evidence/2";
    EXPECT_EQ(Check(record).implausible.value_or(QString()).toStdString(),
              "a Vantor 2.2.0.3-as változata nem ír ilyen (2-es formátumú) adatlapot");
    record.format = "vantor-evidence/1";
    EXPECT_TRUE(Check(record).implausible.has_value());
    record = MeasuredRecord();
    record.program = "2.2.0.2";
    EXPECT_EQ(Check(record).implausible.value_or(QString()).toStdString(),
              "a Vantor 2.2.0.2-es változata nem ír ilyen (3-as formátumú) adatlapot");
}

// A teacher's own file may carry the C-14's name line with another shape:
// what it measured is noted, not flagged, unless the user names the file.
// A contest window measures the built-in C-14 alone, whatever file is named.
TEST_F(Plausible, OnlyANamedFileVouchesForATeachersSource)
{
    EvidenceRecord teacher = MeasuredRecord(100000, CountAt(8, 100000));
    teacher.teacherMode = true;
    Plausibility verdict = Check(teacher);
    EXPECT_EQ(verdict.implausible, std::nullopt);
    EXPECT_EQ(verdict.notes, QStringList{QStringLiteral("tanári mód: a forrás eltérhet az azonos nevű forrástól")});

    SourceSpectrum flat;
    ASSERT_FALSE(
        LoadSourceSpectrum({"Béta-forrás: radiokarbon (C-14)", "0.156", "0.000\t1", "0.100\t1", "0.156\t0"}, flat));
    context.sources = KnownSources(QString(), &flat);
    EXPECT_TRUE(Check(teacher).implausible.has_value());
    const Plausibility contest = Check(MeasuredRecord(100000, CountAt(1, 100000)));
    EXPECT_EQ(contest.implausible, std::nullopt);
    EXPECT_TRUE(contest.notes.isEmpty());

    EvidenceRecord loaded = MeasuredRecord();
    loaded.startSource = "Sr-90";
    EXPECT_EQ(Check(loaded).implausible.value_or(QString()).toStdString(),
              "versenymódban csak a beépített forrással lehet mérni, nem ezzel: „Sr-90”");
}

}

// The ending follows the vowels of the number's last spoken word.
TEST(SavedBy, NamesTheContestantWithTheEndingTheNumberIsReadWith)
{
    const std::pair<const char*, const char*> cases[] = {
        {"21", "a 21-es versenyző"}, {"23", "a 23-as versenyző"}, {"25", "a 25-ös versenyző"},
        {"26", "a 26-os versenyző"}, {"30", "a 30-as versenyző"}, {"40", "a 40-es versenyző"},
        {"76", "a 76-os versenyző"}, {"80", "a 80-as versenyző"}, {"100", "a 100-as versenyző"},
    };
    for (const auto& [code, named] : cases)
        EXPECT_EQ(SavedBy(QString::fromUtf8(code)), QString::fromUtf8(named)) << code;
    EXPECT_EQ(SavedBy(QStringLiteral("jury")), QStringLiteral("a zsűri"));
}
