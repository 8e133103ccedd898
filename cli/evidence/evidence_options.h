#pragma once

#include "cli/common/option_parsing.h"

#include <string>
#include <vector>

// vantor-cli evidence: the pictures and folders to check, and the outputs.
struct EvidenceOptions {
    std::vector<std::string> paths;
    std::string csvPath;
    std::string xlsxPath;
    std::string htmlPath;
    std::string sourcePath;   // a teacher's source to check against, besides the known ones
};

// The command's options, in the order of its help.
const CommandGrammar<EvidenceOptions>& EvidenceGrammar();

// arguments: the command line from the command's name on.
ParsedOptions<EvidenceOptions> ParseEvidenceOptions(const std::vector<std::string>& arguments);
