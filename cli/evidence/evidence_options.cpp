#include "cli/evidence/evidence_options.h"

ParsedOptions<EvidenceOptions> ParseEvidenceOptions(const std::vector<std::string>& arguments)
{
    static const CommandGrammar<EvidenceOptions> grammar{
        {{"--csv", {Path(&EvidenceOptions::csvPath), FileNameWanted}},
         {"--xlsx", {Path(&EvidenceOptions::xlsxPath), FileNameWanted}},
         {"--html", {Path(&EvidenceOptions::htmlPath), FileNameWanted}},
         {"--source", {Path(&EvidenceOptions::sourcePath), FileNameWanted}}},
        {},
        &EvidenceOptions::paths};
    ParsedOptions<EvidenceOptions> parsed = ParseOptions(grammar, arguments);
    if (const auto* options = std::get_if<EvidenceOptions>(&parsed); options && options->paths.empty())
        return CommandLineError{"vantor-cli: hiányzik a kép vagy a mappa, amelyet ellenőrizni kell"};
    return parsed;
}
