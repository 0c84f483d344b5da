// The batch state: while a batch run replays records, the operations that
// know batch mode collect their message instead of showing it, and the run
// reads it from here after each record.
#pragma once

#include "ui/dialogs.h"

#include <string>
#include <string_view>

namespace verdalis::ui {

struct BatchState {
    bool BatchRunning = false;
    // The last message collected; a later one replaces it.
    std::string BatchMessage;
    bool BatchMessagePending = false;
    // Calculations add their working lines to the report while set.
    bool DetailedCalculations = false;

    // Reports a failure whose text uses "\n" for its line breaks. While a
    // batch runs, the text, with "\r\n" for each line break, becomes the
    // message and the message is pending, whatever showMessages says.
    // Otherwise it is shown in an error box when showMessages is set, and
    // dropped when it is not.
    void report(Dialogs& dialogs, std::string_view text, bool showMessages = true);
    // Collects a message that only a batch run reports; outside one,
    // nothing happens.
    void collect(std::string_view text);
    // Forgets the message after the run has dealt with it.
    void clearMessage();
};

} // namespace verdalis::ui
