// The Processes service on the computer's own process list and program
// starts.
#pragma once

#include "ui/processes.h"

namespace verdalis::shell {

class SystemProcesses : public ui::Processes {
public:
    std::vector<std::string> listProcesses() override;
    // The program runs on its own; a helper thread only collects its end.
    bool start(const std::string& program, const std::string& parameters) override;
    bool startAndWait(const std::string& program, const std::string& parameters) override;
};

} // namespace verdalis::shell
