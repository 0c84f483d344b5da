// Dialogs for tests: answers the questions from a script, in the order the
// answers were queued, and records everything shown.
//
// A message with only an OK button is answered OK without a queued answer;
// every other question (a message with a choice, a prompt, a file dialog)
// takes the next queued answer, which must be of its kind. A question with
// no fitting answer raises ScriptError.
#pragma once

#include "ui/dialogs.h"

#include <deque>
#include <optional>
#include <vector>

namespace verdalis::ui {

class ScriptedDialogs : public Dialogs {
public:
    // The answer to the next message with a choice (Yes/No or OK/Cancel).
    ScriptedDialogs& answer(Answer answer);
    // The text entered at the next input or password prompt; nothing cancels it.
    ScriptedDialogs& answerText(std::optional<std::string> text);
    // The path chosen in the next open or save dialog; nothing cancels it.
    // A save dialog adds the request's default extension as a real one does.
    ScriptedDialogs& answerFile(std::optional<std::string> path);
    size_t pendingAnswers() const { return queue_.size(); }

    // Printing raises std::runtime_error with this text while it is set.
    void setPrintFailure(std::optional<std::string> message) { printFailure_ = std::move(message); }

    struct Message {
        MessageKind kind;
        std::string text;
        MessageButtons buttons;
    };
    enum class PromptKind { Input, Password };
    struct Prompt {
        PromptKind kind;
        std::string caption;
        std::string prompt;
        std::string defaultValue;
    };
    enum class FileDialogKind { Open, Save };
    struct FileDialog {
        FileDialogKind kind;
        FileDialogRequest request;
    };
    struct PrintJob {
        std::string jobName;
        rtf::Document document;
    };

    const std::vector<Message>& messages() const { return messages_; }
    std::vector<std::string> messageTexts() const;
    const std::vector<Prompt>& prompts() const { return prompts_; }
    const std::vector<FileDialog>& fileDialogs() const { return fileDialogs_; }
    const std::vector<PrintJob>& printJobs() const { return printJobs_; }
    void clearRecords();

    Answer message(MessageKind kind, std::string_view text, MessageButtons buttons) override;
    std::optional<std::string> inputQuery(std::string_view caption, std::string_view prompt,
                                          std::string_view defaultValue) override;
    std::optional<std::string> passwordQuery(std::string_view caption, std::string_view prompt) override;
    std::optional<std::string> openFile(const FileDialogRequest& request) override;
    std::optional<std::string> saveFile(const FileDialogRequest& request) override;
    void print(const rtf::Document& document, std::string_view jobName) override;

private:
    enum class AnswerKind { Choice, Text, File };
    struct Queued {
        AnswerKind kind;
        Answer choice = Answer::Ok;
        std::optional<std::string> text;
    };

    // The next queued answer, which must be of the kind the question asks.
    Queued next(AnswerKind kind, const std::string& question);
    std::optional<std::string> fileAnswer(FileDialogKind kind, const FileDialogRequest& request);

    std::deque<Queued> queue_;
    std::optional<std::string> printFailure_;
    std::vector<Message> messages_;
    std::vector<Prompt> prompts_;
    std::vector<FileDialog> fileDialogs_;
    std::vector<PrintJob> printJobs_;
};

} // namespace verdalis::ui
