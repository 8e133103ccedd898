#include "command_line.h"
#include "measure_command.h"
#include "vantor_version.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char* argv[])
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const auto parsed = ParseCommandLine(arguments);
    if (const auto* error = std::get_if<CommandLineError>(&parsed)) {
        std::cerr << error->message << '\n';
        return 2;
    }
    const CommandLine& line = std::get<CommandLine>(parsed);
    switch (line.command) {
    case Command::Help:
        std::cout << HelpText();
        break;
    case Command::Version:
        std::cout << VantorVersion << '\n';
        break;
    case Command::Measure:
        std::cout << RunMeasureCommand(line.measure);
        break;
    }
    return 0;
}
