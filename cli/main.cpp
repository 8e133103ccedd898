#include "cli/command_line.h"
#include "cli/common/utf8_console.h"
#include "cli/common/utf8_text.h"
#include "cli/evidence/evidence_command.h"
#include "cli/measure/measure_command.h"
#include "cli/scan/offscreen_gui.h"
#include "cli/scan/scan_command.h"
#include "generated/vantor_version.h"
#include "spectrum/shipped_sources_folder.h"
#include "translation/qt_translation.h"

#include <QCoreApplication>
#include <QTranslator>

#include <clocale>
#include <iostream>
#include <optional>
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

// A plot draws text, which needs Qt's GUI application; the other commands
// need only its core.
bool DrawsText(const ParsedCommandLine& parsed)
{
    const auto* scan = std::get_if<ScanOptions>(&parsed);
    return scan && !scan->plotPath.empty();
}

}

int main(int argc, char* argv[])
{
    const Utf8Console console;
    const ParsedCommandLine parsed = ParseCommandLine(Utf8Arguments(argc, argv));

    // Qt's own texts that a message may quote, such as a file's error, in
    // Hungarian; where the translation is missing they stay English, and the
    // results on standard output are the same.
    std::optional<OffscreenGui> gui;
    std::optional<QCoreApplication> core;
    if (DrawsText(parsed))
        gui.emplace();
    else
        core.emplace(argc, argv);
    // Qt sets the user's locale for the C library; the numbers it writes,
    // such as the spreadsheet library's, keep their decimal point.
    std::setlocale(LC_NUMERIC, "C");
    QTranslator qtTexts;
    InstallTranslation(qtTexts, QtHungarianFile());

    return std::visit(Answer{}, parsed);
}
