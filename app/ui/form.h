// A window: the root of a control tree, shown on its own or modally.
#pragma once

#include "ui/control.h"

namespace verdalis::ui {

class Application;
class EventDispatcher;

// How a modal form was closed; buttons carry one to close their form with.
enum class ModalResult { None, Ok, Cancel, Yes, No };

// What the close handler decides: Hide lets the form close, None refuses.
enum class CloseAction { None, Hide };

enum class WindowState { Normal, Maximized, Minimized };

class Form : public Control {
public:
    explicit Form(std::string name) : Control(ControlKind::Form, std::move(name)) { setVisible(false); }

    ModalResult modalResult() const { return modalResult_; }
    // While the form is shown modally, a result other than None closes it.
    void setModalResult(ModalResult result);
    bool showingModal() const { return showingModal_; }

    // Shows the form modally through the application and answers how it was
    // closed. The form is visible while it is shown and hidden afterwards.
    ModalResult showModal(Application& application);

    // Asks the form to close: runs onClose, which may refuse. A modal form
    // closes with Cancel unless it has a result already. Answers whether the
    // form closed.
    bool close();
    // The user closes the window (its close box): close through the dispatcher.
    bool userClose();
    // The user resizes the window: the geometry changes and onResize runs.
    void userResize(int width, int height);

    // The control with the keyboard focus; Control::setFocus sets it.
    Control* activeControl() const { return activeControl_; }
    WindowState windowState() const { return windowState_; }
    void setWindowState(WindowState state) { assign(windowState_, state, Property::WindowState); }
    void setActiveControl(Control* control);

    // The dispatcher that runs the handlers of user actions in this form;
    // without one, errors of handlers propagate to the caller.
    EventDispatcher* eventDispatcher() const { return dispatcher_; }
    void setEventDispatcher(EventDispatcher* dispatcher) { dispatcher_ = dispatcher; }

    std::function<void(CloseAction&)> onClose;
    Handler onResize;

private:
    ModalResult modalResult_ = ModalResult::None;
    bool showingModal_ = false;
    Control* activeControl_ = nullptr;
    WindowState windowState_ = WindowState::Normal;
    EventDispatcher* dispatcher_ = nullptr;
};

} // namespace verdalis::ui
