// The Application service on Qt: the event loop, the wait cursor, the
// beep, idle work and modal runs. Forms attached to it get a window for
// the whole run, shown and hidden as the form is; a modal run shows the
// form in a dialog of its own until the form has a modal result.
#pragma once

#include "gui/form_view.h"
#include "ui/application.h"

#include <memory>
#include <vector>

namespace verdalis::gui {

class QtApplication : public ui::Application {
public:

    void attachForm(ui::Form& form);
    // Closes the windows of the attached forms, before the forms go.
    void detachForms() { views_.clear(); }
    // The window of an attached form, or null.
    FormView* viewOf(const ui::Form& form) const;
    // The window in front: the innermost modal dialog, else the first
    // attached form's.
    QWidget* activeWindow() const;

    void processMessages() override;
    ui::Cursor cursor() const override { return cursor_; }
    void setCursor(ui::Cursor cursor) override;
    void beep() override;
    void terminate() override;
    bool terminated() const override { return terminated_; }
    void setTitle(std::string title) override;
    const std::string& title() const override { return title_; }
    void runWhenIdle(std::function<void()> work) override;
    ui::ModalResult runModal(ui::Form& form) override;

private:
    std::vector<std::unique_ptr<FormView>> views_;
    std::vector<FormView*> modalViews_;
    ui::Cursor cursor_ = ui::Cursor::Default;
    bool terminated_ = false;
    std::string title_;
};

} // namespace verdalis::gui
