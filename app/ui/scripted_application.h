// The Application for tests. Modal forms are run by scripts queued in the
// order the forms will be shown: each script acts as the user while its form
// is up (types, clicks OK …) and must leave the form with a modal result.
// Work queued for "during messages" runs at the next processMessages, the
// way a click arrives while a long run lets messages through.
#pragma once

#include "ui/application.h"

#include <deque>
#include <vector>

namespace verdalis::ui {

class ScriptedApplication : public Application {
public:
    using ModalScript = std::function<void(Form&)>;

    // The next modal form must be the one named (ignoring case); the script
    // acts while it is shown. Raises ScriptError from runModal otherwise.
    ScriptedApplication& expectModal(std::string formName, ModalScript script);
    size_t pendingModals() const { return modals_.size(); }
    // Runs at the next processMessages.
    void duringNextMessages(std::function<void()> work);
    // The message loop falls idle: the idle work queued so far runs once.
    void idle();

    int processMessagesCalls() const { return processMessagesCalls_; }
    int beeps() const { return beeps_; }
    // Every cursor set, in order.
    const std::vector<Cursor>& cursorHistory() const { return cursorHistory_; }

    void processMessages() override;
    Cursor cursor() const override { return cursor_; }
    void setCursor(Cursor cursor) override;
    void beep() override { ++beeps_; }
    void terminate() override { terminated_ = true; }
    bool terminated() const override { return terminated_; }
    void setTitle(std::string title) override { title_ = std::move(title); }
    const std::string& title() const override { return title_; }
    void runWhenIdle(std::function<void()> work) override;
    ModalResult runModal(Form& form) override;

private:
    struct ExpectedModal {
        std::string formName;
        ModalScript script;
    };

    std::deque<ExpectedModal> modals_;
    std::vector<std::function<void()>> duringMessages_;
    std::vector<std::function<void()>> idleWork_;
    int processMessagesCalls_ = 0;
    int beeps_ = 0;
    Cursor cursor_ = Cursor::Default;
    std::vector<Cursor> cursorHistory_;
    bool terminated_ = false;
    std::string title_;
};

} // namespace verdalis::ui
