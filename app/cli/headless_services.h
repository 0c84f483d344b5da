// The services of the main program without a display: messages go to an
// error stream, questions take their default answers (Yes, OK, the offered
// text, Cancel for a password), modal forms close with Cancel at once, and
// the open and input prompts take the answers the command queued.
#pragma once

#include "ui/application.h"
#include "ui/dialogs.h"
#include "ui/processes.h"

#include <deque>
#include <functional>
#include <ostream>
#include <vector>

namespace verdalis::cli {

class HeadlessDialogs : public ui::Dialogs {
public:
    explicit HeadlessDialogs(std::ostream& messages) : messages_(messages) {}

    // The path the next open dialog chooses.
    void answerOpenFile(std::string path) { openAnswers_.push_back(std::move(path)); }
    // The text the next input prompt takes.
    void answerInput(std::string text) { inputAnswers_.push_back(std::move(text)); }
    int errorCount() const { return errors_; }

    ui::Answer message(ui::MessageKind kind, std::string_view text, ui::MessageButtons buttons) override;
    std::optional<std::string> inputQuery(std::string_view caption, std::string_view prompt,
                                          std::string_view defaultValue) override;
    std::optional<std::string> passwordQuery(std::string_view caption, std::string_view prompt) override;
    std::optional<std::string> openFile(const ui::FileDialogRequest& request) override;
    std::optional<std::string> saveFile(const ui::FileDialogRequest& request) override;
    void print(const rtf::Document& document, std::string_view jobName) override;

private:
    std::ostream& messages_;
    std::deque<std::string> openAnswers_;
    std::deque<std::string> inputAnswers_;
    int errors_ = 0;
};

class HeadlessApplication : public ui::Application {
public:
    // Runs the idle work queued so far, as the message loop would.
    void idle();

    void processMessages() override {}
    ui::Cursor cursor() const override { return cursor_; }
    void setCursor(ui::Cursor cursor) override { cursor_ = cursor; }
    void beep() override {}
    void terminate() override { terminated_ = true; }
    bool terminated() const override { return terminated_; }
    void setTitle(std::string title) override { title_ = std::move(title); }
    const std::string& title() const override { return title_; }
    void runWhenIdle(std::function<void()> work) override { idleWork_.push_back(std::move(work)); }
    ui::ModalResult runModal(ui::Form& form) override;

private:
    std::vector<std::function<void()>> idleWork_;
    ui::Cursor cursor_ = ui::Cursor::Default;
    bool terminated_ = false;
    std::string title_;
};

// No other copy of the program runs, and nothing is started.
class NoProcesses : public ui::Processes {
public:
    std::vector<std::string> listProcesses() override { return {}; }
    bool start(const std::string&, const std::string&) override { return false; }
    bool startAndWait(const std::string&, const std::string&) override { return false; }
};

} // namespace verdalis::cli
