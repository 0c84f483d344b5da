#include "cli/headless_services.h"

#include "ui/form.h"

#include <utility>

namespace verdalis::cli {

namespace {

std::string_view kindName(ui::MessageKind kind)
{
    switch (kind) {
    case ui::MessageKind::Error: return "error";
    case ui::MessageKind::Warning: return "warning";
    case ui::MessageKind::Information: return "information";
    case ui::MessageKind::Confirmation: return "question";
    default: return "message";
    }
}

} // namespace

ui::Answer HeadlessDialogs::message(ui::MessageKind kind, std::string_view text, ui::MessageButtons buttons)
{
    if (kind == ui::MessageKind::Error) {
        ++errors_;
    }
    const ui::Answer answer = buttons == ui::MessageButtons::YesNo ? ui::Answer::Yes : ui::Answer::Ok;
    messages_ << kindName(kind) << ": " << text;
    if (buttons == ui::MessageButtons::YesNo) {
        messages_ << " [Yes]";
    }
    messages_ << '\n';
    return answer;
}

std::optional<std::string> HeadlessDialogs::inputQuery(std::string_view, std::string_view prompt,
                                                       std::string_view defaultValue)
{
    std::string answer(defaultValue);
    if (!inputAnswers_.empty()) {
        answer = std::move(inputAnswers_.front());
        inputAnswers_.pop_front();
    }
    messages_ << "prompt: " << prompt << " [" << answer << "]\n";
    return answer;
}

std::optional<std::string> HeadlessDialogs::passwordQuery(std::string_view, std::string_view prompt)
{
    messages_ << "password: " << prompt << " [Cancel]\n";
    return std::nullopt;
}

std::optional<std::string> HeadlessDialogs::openFile(const ui::FileDialogRequest&)
{
    if (openAnswers_.empty()) {
        return std::nullopt;
    }
    std::string path = std::move(openAnswers_.front());
    openAnswers_.pop_front();
    return path;
}

std::optional<std::string> HeadlessDialogs::saveFile(const ui::FileDialogRequest&)
{
    return std::nullopt;
}

void HeadlessDialogs::print(const rtf::Document&, std::string_view jobName)
{
    messages_ << "not printed without a display: " << jobName << '\n';
}

void HeadlessApplication::idle()
{
    const auto work = std::exchange(idleWork_, {});
    for (const auto& item : work) {
        item();
    }
}

ui::ModalResult HeadlessApplication::runModal(ui::Form&)
{
    return ui::ModalResult::Cancel;
}

} // namespace verdalis::cli
