#include "ui/form.h"

#include "ui/application.h"

namespace verdalis::ui {

void Form::setModalResult(ModalResult result)
{
    assign(modalResult_, result, Property::ModalResult);
}

ModalResult Form::showModal(Application& application)
{
    // The form leaves its modal state however the modal run ends.
    struct ModalScope {
        Form& form;
        explicit ModalScope(Form& f) : form(f)
        {
            form.setModalResult(ModalResult::None);
            form.showingModal_ = true;
            form.show();
        }
        ~ModalScope()
        {
            form.showingModal_ = false;
            form.hide();
        }
    } scope(*this);
    return application.runModal(*this);
}

bool Form::close()
{
    CloseAction action = CloseAction::Hide;
    if (onClose) {
        onClose(action);
    }
    if (action == CloseAction::None) {
        return false;
    }
    if (showingModal_ && modalResult_ == ModalResult::None) {
        setModalResult(ModalResult::Cancel);
    }
    hide();
    return true;
}

bool Form::userClose()
{
    bool closed = false;
    fireUserEvent([&] { closed = close(); });
    return closed;
}

void Form::userResize(int width, int height)
{
    setGeometry({left(), top(), width, height});
    fireUserEvent(onResize);
}

void Form::setActiveControl(Control* control)
{
    activeControl_ = control;
}

} // namespace verdalis::ui
