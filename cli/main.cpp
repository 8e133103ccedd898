#include "cli/command_line.h"
#include "cli/evidence/evidence_command.h"
#include "cli/measure/measure_command.h"
#include "cli/scan/scan_command.h"
#include "cli/shipped_sources.h"
#include "cli/utf8_console.h"
#include "cli/utf8_text.h"
#include "generated/vantor_version.h"

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

}

int main(int argc, char* argv[])
{
    const Utf8Console console;
    const auto parsed = ParseCommandLine(Utf8Arguments(argc, argv));
    if (const auto* error = std::get_if<CommandLineError>(&parsed)) {
        std::cerr << error->message << '\n';
        return ExitRefused;
    }
    const CommandLine& line = std::get<CommandLine>(parsed);
    switch (line.command) {
    case Command::Help:
        std::cout << HelpText(Utf8FromPath(ShippedSourcesFolder()));
        return 0;
    case Command::Version:
        std::cout << VantorVersion << '\n';
        return 0;
    case Command::Measure:
        return Report(RunMeasureCommand(line.options));
    case Command::Scan:
        return Report(RunScanCommand(line.options));
    case Command::Evidence:
        return Report(RunEvidenceCommand(line.options, QString::fromStdString(ShippedSourcesFolder().string())));
    }
    return 0;
}
