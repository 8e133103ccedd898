#include "cli/command_line.h"

#include "cli/common/command_outcome.h"
#include "evidence/evidence_status.h"

#include <string_view>

namespace {

const OptionUsage HelpOption{"--help", "", "ez a leírás"};

// The exit codes a command returns; without a command, every command's.
std::string ExitCodesText(std::string_view command)
{
    const bool evidence = command.empty() || command == "evidence";
    const bool writes = command != "measure";
    std::string text = "Kilépési kód: 0, ha minden sikerült";
    if (writes)
        text += "; " + std::to_string(ExitFailed)
              + ", ha egy kimeneti fájl nem írható (a korábbi fájl ilyenkor érintetlen marad; a kimenet helyén vagy "
                "útvonalában álló szimbolikus linket a program nem követi)";
    text += "; " + std::to_string(ExitRefused) + ", ha hibás egy argumentum";
    if (command.empty())
        text += " vagy használhatatlan a forrásfájl (az evidence parancsnál a nem létező útvonal is)";
    else if (evidence)
        text += ", használhatatlan a forrásfájl vagy nem létezik az útvonal";
    else
        text += " vagy használhatatlan a forrásfájl";
    if (evidence)
        text += "; " + std::to_string(ExitFlagged) + ", ha " + (command.empty() ? "az evidence parancs " : "")
              + "nem „" + std::string(StatusName(EvidenceStatus::Intact))
              + "” állapotú képet, linket vagy ideiglenes fájlt talált";
    return text + ".";
}

// A command's own outcome as the command line's.
template <class Options>
ParsedCommandLine AsCommandLine(ParsedOptions<Options> parsed)
{
    return std::visit([](auto&& outcome) { return ParsedCommandLine{std::move(outcome)}; }, std::move(parsed));
}

}

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& arguments)
{
    if (arguments.empty())
        return CommandLineError{"vantor-cli: hiányzik a parancs; a --help felsorolja a parancsokat"};
    const std::string& first = arguments.front();
    if (first == "--help" || first == "-h" || first == "help")
        return HelpRequest{};
    if (first == "--version")
        return VersionRequest{};
    if (first == "measure")
        return AsCommandLine(ParseMeasureOptions(arguments));
    if (first == "scan")
        return AsCommandLine(ParseScanOptions(arguments));
    if (first == "evidence")
        return AsCommandLine(ParseEvidenceOptions(arguments));
    return CommandLineError{"vantor-cli: ismeretlen parancs: „" + first + "”"};
}

std::vector<CommandUsage> CommandUsages()
{
    return {UsageOf(MeasureGrammar()), UsageOf(ScanGrammar()), UsageOf(EvidenceGrammar())};
}

const std::vector<OptionUsage>& TopLevelOptions()
{
    static const std::vector<OptionUsage> options{{"--version", "", "a program változata"}, HelpOption};
    return options;
}

namespace {

// What every help ends with: where the shipped sources lie, and the exit codes.
std::string Ending(const std::string& sourcesFolder, std::string_view command = {})
{
    std::string text = "\nFájlok:\n";
    text += OptionLines({{sourcesFolder, "", "a programmal szállított források (C-14, P-32, Sr-90)", false}});
    text += '\n';
    text += Paragraph(ExitCodesText(command));
    return text;
}

std::string TopLevelHelp(const std::string& sourcesFolder)
{
    const std::vector<CommandUsage> commands = CommandUsages();
    std::string text = "Használat:\n";
    for (const CommandUsage& command : commands)
        text += UsageLines(command);
    for (const OptionUsage& option : TopLevelOptions())
        text += "  vantor-cli " + option.name + '\n';
    for (const CommandUsage& command : commands) {
        text += '\n';
        text += Paragraph(command.description);
    }
    text += '\n';
    text += Paragraph("Egy parancs kapcsolóit a vantor-cli PARANCS --help sorolja fel.");
    text += "\nKapcsolók:\n";
    text += OptionLines(TopLevelOptions());
    return text + Ending(sourcesFolder);
}

std::string CommandHelp(const CommandUsage& command, const std::string& sourcesFolder)
{
    std::vector<OptionUsage> options = command.options;
    options.push_back(HelpOption);
    std::string text = "Használat:\n";
    text += UsageLines(command);
    text += '\n';
    text += Paragraph(command.description);
    text += "\nKapcsolók:\n";
    text += OptionLines(options);
    return text + Ending(sourcesFolder, command.name);
}

}

std::string HelpText(const HelpRequest& request, const std::string& sourcesFolder)
{
    for (const CommandUsage& command : CommandUsages()) {
        if (command.name == request.command)
            return CommandHelp(command, sourcesFolder);
    }
    return TopLevelHelp(sourcesFolder);
}
