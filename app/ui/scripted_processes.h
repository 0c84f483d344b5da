// Processes for tests: a settable process list, and a record of every
// program started. A hook stands in for what a started program does (a
// package that unpacks files, say) before startAndWait returns.
#pragma once

#include "ui/processes.h"

#include <functional>

namespace verdalis::ui {

class ScriptedProcesses : public Processes {
public:
    struct Started {
        std::string program;
        std::string parameters;
        bool waited = false;
    };

    void setRunning(std::vector<std::string> paths) { running_ = std::move(paths); }
    // Whether starting succeeds; it does unless set otherwise.
    void setStartSucceeds(bool succeeds) { startSucceeds_ = succeeds; }
    // Runs for every program started successfully, before start returns.
    void setOnStart(std::function<void(const Started&)> hook) { onStart_ = std::move(hook); }
    const std::vector<Started>& started() const { return started_; }

    std::vector<std::string> listProcesses() override { return running_; }
    bool start(const std::string& program, const std::string& parameters) override;
    bool startAndWait(const std::string& program, const std::string& parameters) override;

private:
    bool launch(Started started);

    std::vector<std::string> running_;
    bool startSucceeds_ = true;
    std::function<void(const Started&)> onStart_;
    std::vector<Started> started_;
};

} // namespace verdalis::ui
