// Labels, buttons, check boxes and radio buttons.
#pragma once

#include "reports/rtf/color.h"
#include "ui/control.h"
#include "ui/form.h"

namespace verdalis::ui {

class Label : public Control {
public:
    explicit Label(std::string name) : Control(ControlKind::Label, std::move(name)) {}

    Color fontColor() const { return fontColor_; }
    void setFontColor(Color color);
    bool wordWrap() const { return wordWrap_; }
    void setWordWrap(bool wrap);

    // Labels that act as links (a "Help" label) have a click handler.
    bool userClick() { return reachable() && fireUserEvent(onClick); }
    Handler onClick;

private:
    Color fontColor_ = colors::black;
    bool wordWrap_ = false;
};

class Button : public Control {
public:
    explicit Button(std::string name) : Control(ControlKind::Button, std::move(name)) {}

    // Clicking gives the form this result before the click handler runs, so
    // a button of a modal form closes it.
    ModalResult modalResult() const { return modalResult_; }
    void setModalResult(ModalResult result) { modalResult_ = result; }

    // The user presses the button; false when it cannot be reached.
    bool userClick();
    // The user releases the mouse over the button at (x, y) in its coordinates.
    bool userMouseUp(int x, int y);

    Handler onClick;
    std::function<void(int x, int y)> onMouseUp;

private:
    ModalResult modalResult_ = ModalResult::None;
};

class CheckBox : public Control {
public:
    explicit CheckBox(std::string name) : Control(ControlKind::CheckBox, std::move(name)) {}

    bool checked() const { return checked_; }
    // A program assignment: no handler runs.
    void setChecked(bool checked);
    // The user ticks or unticks the box; the click handler runs.
    bool userClick();

    Handler onClick;

private:
    bool checked_ = false;
};

// Radio buttons with the same parent form one group: checking one unchecks
// the others. Checking a button that was not checked runs its click handler
// whether the user or the program checks it; checking it again does nothing.
class RadioButton : public Control {
public:
    explicit RadioButton(std::string name) : Control(ControlKind::RadioButton, std::move(name)) {}

    bool checked() const { return checked_; }
    // From the program: checking runs the click handler (its errors reach
    // the caller); unchecking runs nothing.
    void setChecked(bool checked);
    bool userClick();

    Handler onClick;

private:
    // Checks this button and unchecks its siblings; false when it was checked.
    bool check();
    void setCheckedState(bool checked);

    bool checked_ = false;
};

} // namespace verdalis::ui
