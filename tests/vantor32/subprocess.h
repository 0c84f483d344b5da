// Runs a shell command with a given standard input and collects its output.
#pragma once

#include <string>

namespace vantor_test {

struct CommandResult {
  int exit_code;       // -1 when the command did not end normally
  std::string output;  // standard output (add 2>&1 to the command for both)
};

CommandResult run_command(const std::string& command, const std::string& input);

}  // namespace vantor_test
