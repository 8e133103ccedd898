#include "cli/evidence/evidence_plausibility.h"

#include "analysis/count_check.h"
#include "base/number_scan.h"
#include "base/reader_text.h"
#include "core/band_readout.h"
#include "core/settings_rules.h"
#include "core/simulation.h"
#include "spectrum/source_file.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QVersionNumber>

#include <cmath>

namespace {

// Readouts show keV to the electronvolt, so a width and the edges it is
// the difference of may each be off by half a unit of the last place.
constexpr double ReadoutToleranceKeV = 0.0015;

std::optional<double> Readout(const QString& text)
{
    return ScanWholeNumber(text.trimmed().toStdString());
}

// A figure the checker computed, for the jury to read.
QString ReaderNumber(double value, int decimals)
{
    return QString::fromStdString(ReaderFixedText(value, decimals));
}

int LayoutVersion(const EvidenceRecord& record)
{
    return QString::fromStdString(record.format).sliced(EvidenceFormatPrefix.size()).toInt();
}

// What no program could write, of any version: negative counts or time, a
// picture saved in the future.
std::optional<QString> ImpossibleAnywhere(const EvidenceRecord& record, const PlausibilityContext& context)
{
    if (record.launched < 0)
        return QStringLiteral("negatív a kibocsátott részecskék száma (%1)").arg(record.launched);
    if (record.detected < 0)
        return QStringLiteral("negatív a beütésszám (%1)").arg(record.detected);
    if (QString::fromStdString(record.measuringTime).trimmed().startsWith(u'-'))
        return QStringLiteral("negatív a mérés ideje (%1)").arg(QString::fromStdString(record.measuringTime).trimmed());
    const QDateTime savedAt = QDateTime::fromString(QString::fromStdString(record.savedAt), Qt::ISODate);
    if (savedAt.isValid() && savedAt > context.now.addDays(SavedAtToleranceDays))
        return QStringLiteral("a mentés ideje (%1) több mint egy nappal későbbi az ellenőrzésnél")
            .arg(QString::fromStdString(ReaderDateTimeText(record.savedAt)));
    return std::nullopt;
}

// The window shows the measuring time as the time of day a duration makes
// ("0:02:00"), and "0" before the first Start.
bool IsMeasuringTimeText(const QString& text)
{
    static const QRegularExpression form(QStringLiteral("^(0|(1?\\d|2[0-3]):[0-5]\\d:[0-5]\\d)$"));
    return form.match(text.trimmed()).hasMatch();
}

// What this version's window cannot show, whatever was done in it.
std::optional<QString> ImpossibleHere(const EvidenceRecord& record)
{
    if (!IsMeasuringTimeText(QString::fromStdString(record.measuringTime)))
        return QStringLiteral("a mérés ideje (%1) nem olyan alakú, amilyet a program ír").arg(QString::fromStdString(record.measuringTime));
    if (!QDateTime::fromString(QString::fromStdString(record.savedAt), Qt::ISODate).isValid())
        return QStringLiteral("a mentés ideje (%1) nem dátum").arg(QString::fromStdString(record.savedAt));
    if (record.setCount && !IsValidParticleCount(*record.setCount))
        return QStringLiteral("a Beállított részecskeszám (%1) nem írható be a programba").arg(*record.setCount);
    if (!IsValidSlitStep(record.slitStep))
        return QStringLiteral("a Blende lépése (%1) a %2–%3 tartományon kívül van")
            .arg(QString::number(record.slitStep), QString::number(MinSlitStep), QString::number(MaxSlitStep));
    const std::optional<double> lower = Readout(QString::fromStdString(record.passLowerKeV));
    const std::optional<double> upper = Readout(QString::fromStdString(record.passUpperKeV));
    const std::optional<double> width = Readout(QString::fromStdString(record.passWidthKeV));
    if (lower && upper && width && (*lower > *upper || std::fabs(*upper - *lower - *width) > ReadoutToleranceKeV))
        return QStringLiteral("az energiaablak szélessége (%1 keV) nem a határai (%2–%3 keV) különbsége")
            .arg(ReaderNumber(*width, 3), ReaderNumber(*lower, 3), ReaderNumber(*upper, 3));
    return std::nullopt;
}

// A contest window measures the built-in source alone.
bool ImpossibleInContest(const EvidenceRecord& record, const PlausibilityContext& context)
{
    return !record.teacherMode && record.startSource != context.sources.builtin.Name;
}

// The spectrum a record's counts are judged by, and whether a mismatch with
// it is the record's fault or may be the source's.
struct Judge {
    const SourceSpectrum* source = nullptr;
    bool vouched = true;
};

// A teacher's window may load a file of its own under the built-in's or a
// shipped source's name line, so there only the file the user names vouches
// for the shape.
std::optional<Judge> JudgeFor(const EvidenceRecord& record, const KnownSourceSet& sources)
{
    const std::string& name = record.startSource;
    if (!record.teacherMode)
        return Judge{&sources.builtin, true};
    if (sources.named && sources.named->Name == name)
        return Judge{&*sources.named, true};
    if (sources.builtin.Name == name)
        return Judge{&sources.builtin, false};
    for (const SourceSpectrum& shipped : sources.shipped)
        if (shipped.Name == name)
            return Judge{&shipped, false};
    return std::nullopt;
}

void Mismatch(const Judge& judge, const QString& reason, Plausibility& verdict)
{
    if (judge.vouched)
        verdict.implausible = reason;
    else
        verdict.notes << QStringLiteral("tanári mód: a forrás eltérhet az azonos nevű forrástól");
}

StartSetting StartOf(const EvidenceRecord& record)
{
    return {record.startMagneticFieldTesla, record.startElectricFieldVPerM, record.startTunedEnergyJoules,
            record.startSlitStep};
}

QString BandText(const QString& lower, const QString& upper)
{
    return QString::fromStdString(ReaderReadoutText(lower.toStdString())) + QStringLiteral("–")
         + QString::fromStdString(ReaderReadoutText(upper.toStdString()));
}

QString BandMismatch(const EvidenceRecord& record, const QString& lower, const QString& upper)
{
    return QStringLiteral("az indításkori energiaablak (%1 keV) nem az, amelyet a program a beállításokból számol "
                          "(%2 keV)")
        .arg(BandText(QString::fromStdString(record.startPassLowerKeV), QString::fromStdString(record.startPassUpperKeV)), BandText(lower, upper));
}

// The window sets the electric field from the magnetic one, and without a
// magnetic field every launched particle reaches the detector, whatever the source.
std::optional<QString> ImpossibleWithoutField(const EvidenceRecord& record)
{
    if (record.startElectricFieldVPerM != 0.0)
        return QStringLiteral("mágneses indukció nélkül az elektromos térerősség sem lehet %1 V/m")
            .arg(QString::fromStdString(ReaderNumberText(record.startElectricFieldVPerM)));
    const QString none = QString::fromUtf8(NotComputableText);
    if (QString::fromStdString(record.startPassLowerKeV) != none || QString::fromStdString(record.startPassUpperKeV) != none || QString::fromStdString(record.startPassWidthKeV) != none)
        return BandMismatch(record, none, none);
    if (record.detected < FewestDetectedWithoutField(record.launched))
        return QStringLiteral("mágneses indukció nélkül minden részecske a detektorba ér, de a beütésszám (%1) "
                              "kevesebb a kibocsátott részecskék számánál (%2)")
            .arg(QString::number(record.detected), QString::number(record.launched));
    return std::nullopt;
}

// The physics of one setting: the band the program searches for it, and the
// detected count against the chance that a launched particle reaches the detector.
void CheckPhysics(const EvidenceRecord& record, const PlausibilityContext& context, Plausibility& verdict)
{
    if (record.detected > record.launched) {
        verdict.implausible = QStringLiteral("nagyobb a beütésszám (%1), mint a kibocsátott részecskék száma (%2)")
                                  .arg(QString::number(record.detected), QString::number(record.launched));
        return;
    }
    if (!IsValidSlitStep(record.startSlitStep)) {
        verdict.implausible = QStringLiteral("a Blende indításkori lépése (%1) nem állítható be").arg(record.startSlitStep);
        return;
    }
    if (ImpossibleInContest(record, context)) {
        verdict.implausible = QStringLiteral("versenymódban csak a beépített forrással lehet mérni, nem ezzel: „%1”")
                                  .arg(QString::fromStdString(record.startSource));
        return;
    }
    if (record.startMagneticFieldTesla == 0.0) {
        verdict.implausible = ImpossibleWithoutField(record);
        return;
    }
    const std::optional<Judge> judge = JudgeFor(record, context.sources);
    if (!judge) {
        verdict.notes << QStringLiteral("a mérés fizikailag nem ellenőrizhető, mert a forrása ismeretlen: „%1” (a "
                                        "--source FÁJL kapcsoló megadhatja)")
                             .arg(QString::fromStdString(record.startSource));
        return;
    }
    Simulation sim;
    SetUpStart(StartOf(record), *judge->source, sim);
    const BandReadouts readouts = BandReadoutsOf(sim.band);
    const QString lower = QString::fromStdString(readouts.lower);
    const QString upper = QString::fromStdString(readouts.upper);
    const QString width = QString::fromStdString(readouts.width);
    if (lower != QString::fromStdString(record.startPassLowerKeV) || upper != QString::fromStdString(record.startPassUpperKeV) || width != QString::fromStdString(record.startPassWidthKeV)) {
        Mismatch(*judge, BandMismatch(record, lower, upper), verdict);
        return;
    }
    const CountJudgement judgement = JudgeDetectedCount(sim, record.launched, record.detected);
    if (judgement.plausible)
        return;
    const ExpectedCount& expected = judgement.expected;
    Mismatch(*judge,
             QStringLiteral("a beütésszám (%1) %2 szórásnyira van a várhatótól (%3), ekkora eltérés esélye %4")
                 .arg(QString::number(record.detected),
                      expected.pull ? ReaderNumber(std::fabs(*expected.pull), 1) : QStringLiteral("végtelen"),
                      ReaderNumber(expected.detected, 1), QString::fromStdString(ReaderNumberText(judgement.chance, 2))),
             verdict);
}

// The "-es" a number takes follows the vowels of its last spoken word: 21-es,
// 23-as, 25-ös, 26-os, 30-as, 100-as.
QString NumberSuffix(const QString& number)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    if (!digits.match(number).hasMatch())
        return QStringLiteral("es");
    static const char* const units[] = {"", "es", "es", "as", "es", "ös", "os", "es", "as", "es"};
    static const char* const tens[] = {"", "es", "as", "as", "es", "es", "as", "es", "as", "es"};
    QString significant = number;
    significant.remove(QRegularExpression(QStringLiteral("^0+")));
    if (significant.isEmpty())
        return QStringLiteral("s");
    const qsizetype end = significant.lastIndexOf(QRegularExpression(QStringLiteral("[1-9]")));
    const qsizetype zeros = significant.size() - 1 - end;
    const int last = significant.at(end).digitValue();
    if (zeros == 0)
        return QString::fromUtf8(units[last]);
    if (zeros == 1)
        return QString::fromUtf8(tens[last]);
    if (zeros == 2)
        return QStringLiteral("as");
    return QStringLiteral("es");
}

// A version writes the newest layout it has reached, and none before the
// first with records writes any.
std::optional<QString> LayoutNotWritten(const EvidenceRecord& record)
{
    const int layout = LayoutVersion(record);
    qsizetype end = 0;
    const QVersionNumber program = QVersionNumber::fromString(QString::fromStdString(record.program), &end);
    const auto first = [](int version) { return QVersionNumber::fromString(FirstVersionWritingLayout[version - 1]); };
    const bool before = program.isNull() || end != QString::fromStdString(record.program).size()
                     || QVersionNumber::compare(program, first(layout)) < 0;
    const bool after = layout < EvidenceFormatVersion && QVersionNumber::compare(program, first(layout + 1)) >= 0;
    if (!before && !after)
        return std::nullopt;
    // "a Vantor 2.2.0.3-as változata"; a name that is no version is quoted.
    const QString name = QString::fromStdString(record.program);
    const QString last = name.section(u'.', -1);
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    const QString release = digits.match(last).hasMatch() ? name + u'-' + NumberSuffix(last)
                                                          : QStringLiteral("„%1”").arg(name);
    const QString layoutNumber = QString::number(layout);
    return QStringLiteral("a Vantor %1 változata nem ír ilyen (%2-%3 formátumú) adatlapot")
        .arg(release, layoutNumber, NumberSuffix(layoutNumber));
}

bool NewerThan(const QString& program, const QString& checker)
{
    const QVersionNumber saved = QVersionNumber::fromString(program);
    return !saved.isNull() && QVersionNumber::compare(saved, QVersionNumber::fromString(checker)) > 0;
}


}

QString SavedBy(const QString& contestant)
{
    if (contestant == QString::fromUtf8(JuryContestant))
        return QStringLiteral("a zsűri");
    return QStringLiteral("a %1-%2 versenyző").arg(contestant, NumberSuffix(contestant));
}

KnownSourceSet KnownSources(const QString& sourcesFolder, const SourceSpectrum* named)
{
    KnownSourceSet sources;
    LoadSourceSpectrum(BuiltinSourceText(), sources.builtin);
    if (named)
        sources.named = *named;
    if (sourcesFolder.isEmpty())
        return sources;
    for (const QFileInfo& file : QDir(sourcesFolder).entryInfoList({QStringLiteral("*.for")}, QDir::Files)) {
        const SourceFile text = ReadSourceFile(file.filesystemAbsoluteFilePath());
        SourceSpectrum shipped;
        if (!text.error && !LoadSourceSpectrum(text.lines, shipped))
            sources.shipped.push_back(shipped);
    }
    return sources;
}

Plausibility CheckPlausibility(const EvidenceRecord& record, const QString& folderOwner,
                               const PlausibilityContext& context)
{
    Plausibility verdict;
    if (!folderOwner.isEmpty() && QString::fromStdString(record.contestant) != folderOwner) {
        verdict.implausible = SavedBy(QString::fromStdString(record.contestant)) + QStringLiteral(" mentette, nem ")
                            + (folderOwner == QString::fromUtf8(JuryContestant) ? QStringLiteral("a zsűri") : QStringLiteral("a mappa versenyzője"));
        return verdict;
    }
    verdict.implausible = ImpossibleAnywhere(record, context);
    if (verdict.implausible)
        return verdict;
    if (NewerThan(QString::fromStdString(record.program), context.checkerVersion)) {
        verdict.checkerOlder = true;
        verdict.notes << QStringLiteral("a képet a Vantor %1 változata mentette, az ellenőrző régebbi (%2), ezért nem ítélheti meg")
                             .arg(QString::fromStdString(record.program), context.checkerVersion);
        return verdict;
    }
    verdict.implausible = LayoutNotWritten(record);
    if (verdict.implausible)
        return verdict;
    verdict.implausible = ImpossibleHere(record);
    if (verdict.implausible)
        return verdict;
    if (!record.countsFromLastStart) {
        if (record.launched > 0 || record.detected > 0)
            verdict.notes << QStringLiteral("a mérés fizikailag nem ellenőrizhető: a beütések nem egyetlen beállításból "
                                            "származnak");
        return verdict;
    }
    CheckPhysics(record, context, verdict);
    return verdict;
}
