#include "ui/buttons.h"

namespace verdalis::ui {

void Label::setFontColor(Color color)
{
    assign(fontColor_, color, Property::Font);
}

void Label::setWordWrap(bool wrap)
{
    assign(wordWrap_, wrap, Property::Font);
}

bool Button::userClick()
{
    if (!reachable()) {
        return false;
    }
    if (modalResult_ != ModalResult::None) {
        if (Form* owner = form()) {
            owner->setModalResult(modalResult_);
        }
    }
    return fireUserEvent(onClick);
}

bool Button::userMouseUp(int x, int y)
{
    if (!reachable()) {
        return false;
    }
    return fireUserEvent(onMouseUp ? Handler([&] { onMouseUp(x, y); }) : Handler());
}

void CheckBox::setChecked(bool checked)
{
    assign(checked_, checked, Property::Checked);
}

bool CheckBox::userClick()
{
    if (!reachable()) {
        return false;
    }
    setChecked(!checked_);
    return fireUserEvent(onClick);
}

void RadioButton::setChecked(bool checked)
{
    if (!checked) {
        setCheckedState(false);
    } else if (check() && onClick) {
        onClick();
    }
}

bool RadioButton::userClick()
{
    if (!reachable()) {
        return false;
    }
    return !check() || fireUserEvent(onClick);
}

bool RadioButton::check()
{
    if (checked_) {
        return false;
    }
    if (parent() != nullptr) {
        for (const auto& sibling : parent()->children()) {
            if (sibling.get() != this && sibling->kind() == ControlKind::RadioButton) {
                static_cast<RadioButton&>(*sibling).setCheckedState(false);
            }
        }
    }
    setCheckedState(true);
    return true;
}

void RadioButton::setCheckedState(bool checked)
{
    assign(checked_, checked, Property::Checked);
}

} // namespace verdalis::ui
