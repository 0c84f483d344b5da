// verdalis-cli: runs saved assessments of a program folder without a
// display.
//
//   verdalis-cli batch <list.dbf> [--program-dir DIR]
//   verdalis-cli calculate <record name> [--program-dir DIR]
//
// The program folder defaults to the folder of the executable.
#include "cli/headless_program.h"

#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>


namespace {

constexpr int usageStatus = 2;

constexpr std::string_view usage = "usage: verdalis-cli batch <list.dbf> [--program-dir DIR]\n"
                                   "       verdalis-cli calculate <record name> [--program-dir DIR]\n";

struct CommandLine {
    std::string command;
    std::string argument;
    std::optional<std::string> programDir;
};

std::optional<CommandLine> parse(const std::vector<std::string>& args)
{
    CommandLine line;
    std::vector<std::string> positional;
    for (size_t index = 0; index < args.size(); ++index) {
        if (args[index] == "--program-dir") {
            if (index + 1 == args.size()) {
                return std::nullopt;
            }
            line.programDir = args[++index];
        } else {
            positional.push_back(args[index]);
        }
    }
    if (positional.size() != 2 || (positional[0] != "batch" && positional[0] != "calculate")) {
        return std::nullopt;
    }
    line.command = positional[0];
    line.argument = positional[1];
    return line;
}

std::string executableFolder()
{
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string(".") : self.parent_path().string();
}

} // namespace

int main(int argc, char** argv)
{
    const auto line = parse(std::vector<std::string>(argv + 1, argv + argc));
    if (!line) {
        std::cerr << usage;
        return usageStatus;
    }
    const std::string programDir = line->programDir.value_or(executableFolder());
    verdalis::cli::HeadlessProgram program(programDir, std::cerr);
    if (!program.start()) {
        std::cerr << "verdalis-cli: the program folder " << programDir << " could not be started\n";
        return 1;
    }
    return line->command == "batch" ? program.batch(line->argument, std::cout)
                                    : program.calculate(line->argument, std::cout);
}
