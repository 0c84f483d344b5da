#include "ui/scripted_dialogs.h"

#include "ui/script_error.h"

#include <stdexcept>

namespace verdalis::ui {

namespace {

std::string describe(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Plain:
        return "message";
    case MessageKind::Error:
        return "error";
    case MessageKind::Warning:
        return "warning";
    case MessageKind::Information:
        return "information";
    case MessageKind::Confirmation:
        return "confirmation";
    }
    return "message";
}

bool fits(Answer answer, MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok:
        return answer == Answer::Ok;
    case MessageButtons::YesNo:
        return answer == Answer::Yes || answer == Answer::No;
    case MessageButtons::OkCancel:
        return answer == Answer::Ok || answer == Answer::Cancel;
    }
    return false;
}

const char* describe(Answer answer)
{
    switch (answer) {
    case Answer::Ok:
        return "OK";
    case Answer::Cancel:
        return "Cancel";
    case Answer::Yes:
        return "Yes";
    case Answer::No:
        return "No";
    }
    return "?";
}

} // namespace

ScriptedDialogs& ScriptedDialogs::answer(Answer answer)
{
    queue_.push_back({AnswerKind::Choice, answer, std::nullopt});
    return *this;
}

ScriptedDialogs& ScriptedDialogs::answerText(std::optional<std::string> text)
{
    queue_.push_back({AnswerKind::Text, Answer::Ok, std::move(text)});
    return *this;
}

ScriptedDialogs& ScriptedDialogs::answerFile(std::optional<std::string> path)
{
    queue_.push_back({AnswerKind::File, Answer::Ok, std::move(path)});
    return *this;
}

std::vector<std::string> ScriptedDialogs::messageTexts() const
{
    std::vector<std::string> texts;
    for (const Message& m : messages_) {
        texts.push_back(m.text);
    }
    return texts;
}

void ScriptedDialogs::clearRecords()
{
    messages_.clear();
    prompts_.clear();
    fileDialogs_.clear();
    printJobs_.clear();
}

ScriptedDialogs::Queued ScriptedDialogs::next(AnswerKind kind, const std::string& question)
{
    if (queue_.empty()) {
        throw ScriptError("no answer was queued for the " + question);
    }
    if (queue_.front().kind != kind) {
        static constexpr const char* kindNames[] = {"message with a choice", "prompt", "file dialog"};
        throw ScriptError("the " + question + " came, but the next queued answer is for a " +
                          kindNames[static_cast<int>(queue_.front().kind)]);
    }
    Queued answer = std::move(queue_.front());
    queue_.pop_front();
    return answer;
}

Answer ScriptedDialogs::message(MessageKind kind, std::string_view text, MessageButtons buttons)
{
    messages_.push_back({kind, std::string(text), buttons});
    if (buttons == MessageButtons::Ok) {
        return Answer::Ok;
    }
    const std::string question = describe(kind) + " \"" + std::string(text) + "\"";
    const Answer choice = next(AnswerKind::Choice, question).choice;
    if (!fits(choice, buttons)) {
        throw ScriptError(std::string("the answer ") + describe(choice) + " is not a button of the " + question);
    }
    return choice;
}

std::optional<std::string> ScriptedDialogs::inputQuery(std::string_view caption, std::string_view prompt,
                                                       std::string_view defaultValue)
{
    prompts_.push_back({PromptKind::Input, std::string(caption), std::string(prompt), std::string(defaultValue)});
    return next(AnswerKind::Text, "input prompt \"" + std::string(prompt) + "\"").text;
}

std::optional<std::string> ScriptedDialogs::passwordQuery(std::string_view caption, std::string_view prompt)
{
    prompts_.push_back({PromptKind::Password, std::string(caption), std::string(prompt), {}});
    return next(AnswerKind::Text, "password prompt \"" + std::string(prompt) + "\"").text;
}

std::optional<std::string> ScriptedDialogs::fileAnswer(FileDialogKind kind, const FileDialogRequest& request)
{
    fileDialogs_.push_back({kind, request});
    const char* name = kind == FileDialogKind::Open ? "open dialog" : "save dialog";
    return next(AnswerKind::File, std::string(name) + " \"" + request.filter + "\"").text;
}

std::optional<std::string> ScriptedDialogs::openFile(const FileDialogRequest& request)
{
    return fileAnswer(FileDialogKind::Open, request);
}

std::optional<std::string> ScriptedDialogs::saveFile(const FileDialogRequest& request)
{
    std::optional<std::string> path = fileAnswer(FileDialogKind::Save, request);
    if (path) {
        return withDefaultExtension(std::move(*path), request.defaultExt);
    }
    return path;
}

void ScriptedDialogs::print(const rtf::Document& document, std::string_view jobName)
{
    if (printFailure_) {
        throw std::runtime_error(*printFailure_);
    }
    printJobs_.push_back({std::string(jobName), document});
}

} // namespace verdalis::ui
