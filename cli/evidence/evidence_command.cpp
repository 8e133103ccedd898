#include "cli/evidence/evidence_command.h"

#include "cli/common/output_file.h"
#include "cli/common/run_setup.h"
#include "cli/evidence/evidence_html.h"
#include "cli/evidence/evidence_listing.h"
#include "cli/evidence/evidence_options.h"
#include "cli/evidence/evidence_report.h"
#include "cli/evidence/evidence_sheet.h"
#include "generated/vantor_version.h"

#include <QFileInfo>

#include <algorithm>
#include <optional>

namespace {

// The same file, whether it exists yet or not.
bool SameFile(const QString& a, const QString& b)
{
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath()
        || (QFileInfo::exists(a) && QFileInfo(a).canonicalFilePath() == QFileInfo(b).canonicalFilePath());
}

// An output that would overwrite a picture under check, or the other output.
std::optional<std::string> ClashingOutput(const EvidenceOptions& options, const std::vector<PictureFile>& pictures)
{
    std::vector<std::string> outputs;
    for (const std::string& path : {options.csvPath, options.xlsxPath, options.htmlPath})
        if (!path.empty())
            outputs.push_back(path);
    for (std::size_t i = 0; i < outputs.size(); ++i)
        for (std::size_t j = i + 1; j < outputs.size(); ++j)
            if (SameFile(QString::fromStdString(outputs[i]), QString::fromStdString(outputs[j])))
                return "vantor-cli: két kimenet (--csv, --xlsx, --html) nem írhat ugyanabba a fájlba: " + outputs[i];
    for (const std::string& output : outputs)
        for (const PictureFile& picture : pictures)
            if (SameFile(QString::fromStdString(output), picture.path))
                return "vantor-cli: a kimenet felülírná az egyik ellenőrzött képet: " + output;
    return std::nullopt;
}

// The check's own version and time, and the sources it knows; a source
// file named that cannot give a spectrum is refused.
std::variant<PlausibilityContext, std::string> Context(const EvidenceOptions& options, const QString& sourcesFolder)
{
    PlausibilityContext context{QString::fromLatin1(VantorVersion), QDateTime::currentDateTime(), {}};
    if (options.sourcePath.empty()) {
        context.sources = KnownSources(sourcesFolder);
        return context;
    }
    SourceSpectrum named;
    if (auto error = LoadSourceFile(options.sourcePath, named))
        return *error;
    context.sources = KnownSources(sourcesFolder, &named);
    return context;
}

// A picture of the browser edition is a practice picture wherever it lies:
// the page asks no one who they are. Its counts are still judged, as a
// picture of nobody's folder, so that a teacher sees whether they can be.
EvidenceRow PracticeRow(EvidenceRow row, const PlausibilityContext& context)
{
    EvidenceRecord record = *row.check.record;
    record.program = ProgramVersion(record);
    row.plausibility = CheckPlausibility(record, QString(), context);
    row.check.status = EvidenceStatus::Practice;
    row.check.reason = QStringLiteral("a böngészős változat mentette, versenyeredménynek nem számít");
    if (row.plausibility.implausible)
        row.check.reason += QStringLiteral("; valószínűtlen is: ") + *row.plausibility.implausible;
    return row;
}

EvidenceRow CheckedRow(const PictureFile& file, const PlausibilityContext& context)
{
    EvidenceRow row{file, CheckPictureFile(file.path)};
    if (row.check.status != EvidenceStatus::Intact || !row.check.record)
        return row;
    if (SavedByBrowserEdition(*row.check.record))
        return PracticeRow(std::move(row), context);
    row.plausibility = CheckPlausibility(*row.check.record, file.owner, context);
    if (row.plausibility.implausible) {
        row.check.status = EvidenceStatus::Implausible;
        row.check.reason = *row.plausibility.implausible;
    }
    return row;
}

}

CommandOutcome RunEvidenceCommand(const EvidenceOptions& options, const QString& sourcesFolder)
{
    const auto listed = ListPictures(options.paths);
    if (const auto* error = std::get_if<ListingError>(&listed))
        return {ExitRefused, "", error->message};
    if (auto clash = ClashingOutput(options, std::get<std::vector<PictureFile>>(listed)))
        return {ExitRefused, "", *clash};
    const auto context = Context(options, sourcesFolder);
    if (const auto* error = std::get_if<std::string>(&context))
        return {ExitRefused, "", *error};
    std::vector<EvidenceRow> rows;
    for (const PictureFile& file : std::get<std::vector<PictureFile>>(listed))
        rows.push_back(CheckedRow(file, std::get<PlausibilityContext>(context)));

    const bool allIntact = std::all_of(rows.begin(), rows.end(), [](const EvidenceRow& row) {
        return row.check.status == EvidenceStatus::Intact;
    });
    CommandOutcome outcome{allIntact ? 0 : ExitFlagged, EvidenceTable(rows) + EvidenceSummary(rows), ""};
    if (!options.csvPath.empty()) {
        if (auto error = WriteOutputFile(options.csvPath, EvidenceCsv(rows), "a CSV-fájl"))
            return {ExitFailed, outcome.output, *error};
    }
    if (!options.xlsxPath.empty()) {
        if (auto error = WriteSpreadsheet(options.xlsxPath, EvidenceSheet(rows, std::get<PlausibilityContext>(context)),
                                          "a munkafüzet"))
            return {ExitFailed, outcome.output, *error};
    }
    if (!options.htmlPath.empty()) {
        const QString pageFolder = QFileInfo(QString::fromStdString(options.htmlPath)).absolutePath();
        if (auto error = WriteOutputFile(options.htmlPath, EvidenceHtml(rows, pageFolder), "a HTML-oldal"))
            return {ExitFailed, outcome.output, *error};
    }
    return outcome;
}
