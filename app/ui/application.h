// The Application service: the message loop and what belongs to the whole
// program (cursor, beep, title, ending the program, idle work, modal runs).
// The front end implements it over the toolkit; tests use
// ScriptedApplication.
#pragma once

#include "ui/form.h"

#include <functional>
#include <string>

namespace verdalis::ui {

enum class Cursor { Default, Hourglass };

class Application {
public:
    virtual ~Application() = default;

    // Lets waiting window messages (repaints, clicks) be handled now.
    virtual void processMessages() = 0;
    virtual Cursor cursor() const = 0;
    virtual void setCursor(Cursor cursor) = 0;
    virtual void beep() = 0;
    // Asks the message loop to end; it ends once the current handler returns.
    virtual void terminate() = 0;
    virtual bool terminated() const = 0;
    virtual void setTitle(std::string title) = 0;
    virtual const std::string& title() const = 0;
    // Runs the work once, the next time the message loop has nothing to do.
    virtual void runWhenIdle(std::function<void()> work) = 0;
    // Shows the form modally until it has a modal result, and answers it.
    // Called by Form::showModal, which sets up and ends the form's modal state.
    virtual ModalResult runModal(Form& form) = 0;
};

// Shows the hourglass for its lifetime and then restores the cursor that was
// there before, also when an error ends the work.
class HourglassCursor {
public:
    explicit HourglassCursor(Application& application);
    ~HourglassCursor();
    HourglassCursor(const HourglassCursor&) = delete;
    HourglassCursor& operator=(const HourglassCursor&) = delete;

private:
    Application& application_;
    Cursor previous_;
};

} // namespace verdalis::ui
