#include "ui/batch_state.h"

namespace verdalis::ui {

namespace {

// Every line feed not already preceded by a carriage return gets one.
std::string withCrLf(std::string_view text)
{
    std::string result;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) {
            result += '\r';
        }
        result += text[i];
    }
    return result;
}

} // namespace

void BatchState::report(Dialogs& dialogs, std::string_view text, bool showMessages)
{
    if (BatchRunning) {
        collect(text);
    } else if (showMessages) {
        dialogs.error(text);
    }
}

void BatchState::collect(std::string_view text)
{
    if (BatchRunning) {
        BatchMessage = withCrLf(text);
        BatchMessagePending = true;
    }
}

void BatchState::clearMessage()
{
    BatchMessage.clear();
    BatchMessagePending = false;
}

} // namespace verdalis::ui
