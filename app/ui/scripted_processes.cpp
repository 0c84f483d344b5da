#include "ui/scripted_processes.h"

namespace verdalis::ui {

bool ScriptedProcesses::start(const std::string& program, const std::string& parameters)
{
    return launch({program, parameters, false});
}

bool ScriptedProcesses::startAndWait(const std::string& program, const std::string& parameters)
{
    return launch({program, parameters, true});
}

bool ScriptedProcesses::launch(Started started)
{
    if (!startSucceeds_) {
        return false;
    }
    started_.push_back(started);
    if (onStart_) {
        onStart_(started);
    }
    return true;
}

} // namespace verdalis::ui
