#include "cli/command_line.h"
#include "cli/common/utf8_console.h"
#include "cli/common/utf8_text.h"
#include "cli/evidence/evidence_command.h"
#include "cli/measure/measure_command.h"
#include "cli/scan/scan_command.h"
#include "generated/vantor_version.h"
#include "spectrum/shipped_sources_folder.h"

#include <iostream>
#include <string>
#include <vector>

namespace {

int Report(const CommandOutcome& outcome)
{
    std::cout << outcome.output;
    if (!outcome.error.empty())
        std::cerr << outcome.error << '\n';
    return outcome.exitStatus;
}


// Does what the command line asks for; the exit status.
struct Answer {
    int operator()(const MeasureOptions& options) const { return Report(RunMeasureCommand(options)); }
    int operator()(const ScanOptions& options) const { return Report(RunScanCommand(options)); }
    int operator()(const EvidenceOptions& options) const
    {
        return Report(RunEvidenceCommand(options, QString::fromStdU16String(ShippedSourcesFolder().u16string())));
    }
    int operator()(const HelpRequest& request) const
    {
        std::cout << HelpText(request, Utf8FromPath(ShippedSourcesFolder()));
        return 0;
    }
    int operator()(const VersionRequest&) const
    {
        std::cout << VantorVersion << '\n';
        return 0;
    }
    int operator()(const CommandLineError& error) const
    {
        std::cerr << error.message << '\n';
        return ExitRefused;
    }
};

}

int main(int argc, char* argv[])
{
    const Utf8Console console;
    return std::visit(Answer{}, ParseCommandLine(Utf8Arguments(argc, argv)));
}
