// The Processes service: the running programs and starting others. The real
// implementation sits on the process utilities; tests use ScriptedProcesses.
#pragma once

#include <string>
#include <vector>

namespace verdalis::ui {

class Processes {
public:
    virtual ~Processes() = default;

    // The full executable path of every running process (this one included).
    virtual std::vector<std::string> listProcesses() = 0;
    // Starts a program with its parameters (empty for none) and returns at
    // once; false when it could not be started.
    virtual bool start(const std::string& program, const std::string& parameters) = 0;
    // Starts a program and waits, without limit, until it ends; false when
    // it could not be started.
    virtual bool startAndWait(const std::string& program, const std::string& parameters) = 0;
};

} // namespace verdalis::ui
