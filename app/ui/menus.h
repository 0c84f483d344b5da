// Pop-up menus and their items. A menu is a child of the form; the controls
// it belongs to refer to it (Control::setPopupMenu) or pop it up in code.
#pragma once

#include "ui/control.h"

#include <optional>

namespace verdalis::ui {

class MenuItem : public Control {
public:
    explicit MenuItem(std::string name) : Control(ControlKind::MenuItem, std::move(name)) {}

    bool checked() const { return checked_; }
    void setChecked(bool checked);
    // An auto-check item toggles its check mark when clicked.
    bool autoCheck() const { return autoCheck_; }
    void setAutoCheck(bool autoCheck) { autoCheck_ = autoCheck; }

    // The user chooses the item; items below it (a sub-menu) are children.
    bool userClick();

    Handler onClick;

private:
    bool checked_ = false;
    bool autoCheck_ = false;
};

struct ScreenPoint {
    int x = 0;
    int y = 0;
};

class PopupMenu : public Control {
public:
    explicit PopupMenu(std::string name) : Control(ControlKind::PopupMenu, std::move(name)) {}

    std::vector<MenuItem*> items() const;
    // Asks the view to open the menu at a point of the screen.
    void popup(ScreenPoint at);
    // Where the menu was last opened, if it was.
    std::optional<ScreenPoint> lastPopup() const { return lastPopup_; }

private:
    std::optional<ScreenPoint> lastPopup_;
};

} // namespace verdalis::ui
