#include "ui/script_error.h"

#include <iostream>

namespace verdalis::ui {

ScriptError::ScriptError(std::string message) : message_(std::move(message))
{
    std::cerr << "ScriptError: " << message_ << '\n';
}

} // namespace verdalis::ui
