// The event dispatcher: runs the handler of a user action (or of a timer or
// idle moment) the way the message loop does. A conversion error or any
// other std::exception that escapes the handler ends it and is shown in the
// standard error box, with the error's own text.
#pragma once

#include "ui/dialogs.h"

#include <functional>

namespace verdalis::ui {

class EventDispatcher {
public:
    explicit EventDispatcher(Dialogs& dialogs) : dialogs_(dialogs) {}

    // Answers false when an error ended the handler.
    bool run(const std::function<void()>& handler);

private:
    Dialogs& dialogs_;
};

} // namespace verdalis::ui
