#include "ui/menus.h"

namespace verdalis::ui {

void MenuItem::setChecked(bool checked)
{
    assign(checked_, checked, Property::Checked);
}

bool MenuItem::userClick()
{
    if (!reachable()) {
        return false;
    }
    if (autoCheck_) {
        setChecked(!checked_);
    }
    return fireUserEvent(onClick);
}

std::vector<MenuItem*> PopupMenu::items() const
{
    std::vector<MenuItem*> result;
    for (const auto& child : children()) {
        if (child->kind() == ControlKind::MenuItem) {
            result.push_back(static_cast<MenuItem*>(child.get()));
        }
    }
    return result;
}

void PopupMenu::popup(ScreenPoint at)
{
    lastPopup_ = at;
    changed(Property::Popup);
}

} // namespace verdalis::ui
