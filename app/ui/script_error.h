// The failure of a test script: the program asked a question, or showed a
// modal form, that the script did not expect.
//
// It deliberately does not derive from std::exception, so that no handler of
// the program (the event dispatcher, a lookup that catches table errors)
// mistakes it for a program error and reports it in a dialog: it always
// reaches the test. It is also written to standard error when raised, since
// a test framework can show only that an unknown exception ended the test.
#pragma once

#include <string>

namespace verdalis::ui {

class ScriptError {
public:
    explicit ScriptError(std::string message);
    const std::string& what() const { return message_; }

private:
    std::string message_;
};

} // namespace verdalis::ui
