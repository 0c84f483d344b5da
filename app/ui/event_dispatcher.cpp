#include "ui/event_dispatcher.h"

#include <exception>

namespace verdalis::ui {

bool EventDispatcher::run(const std::function<void()>& handler)
{
    try {
        handler();
        return true;
    } catch (const std::exception& error) {
        // ConversionError is one of these: a text that must be a number was
        // not one; its message names the text.
        dialogs_.error(error.what());
        return false;
    }
}

} // namespace verdalis::ui
