#include "shell/control_layout.h"

namespace verdalis::shell::layout {

namespace {

template <class T>
T& place(ui::Control& parent, std::string name, std::string caption, ui::Geometry geometry)
{
    T& control = parent.add<T>(std::move(name), std::move(caption));
    control.setGeometry(geometry);
    return control;
}

} // namespace

ui::Label& label(ui::Control& parent, std::string name, std::string caption, int left, int top, int width,
                 int height)
{
    return place<ui::Label>(parent, std::move(name), std::move(caption), {left, top, width, height});
}

ui::Edit& edit(ui::Control& parent, std::string name, int left, int top, int width)
{
    return place<ui::Edit>(parent, std::move(name), {}, {left, top, width, boxHeight});
}

ui::ComboBox& comboBox(ui::Control& parent, std::string name, ui::ComboStyle style, int left, int top, int width)
{
    auto& box = place<ui::ComboBox>(parent, std::move(name), {}, {left, top, width, boxHeight});
    box.setStyle(style);
    return box;
}

ui::Button& button(ui::Control& parent, std::string name, std::string caption, int left, int top, int width,
                   int height)
{
    return place<ui::Button>(parent, std::move(name), std::move(caption), {left, top, width, height});
}

ui::RadioButton& radioButton(ui::Control& parent, std::string name, std::string caption, int left, int top,
                             int width)
{
    return place<ui::RadioButton>(parent, std::move(name), std::move(caption), {left, top, width, choiceHeight});
}

ui::GroupBox& groupBox(ui::Control& parent, std::string name, std::string caption, ui::Geometry geometry)
{
    return place<ui::GroupBox>(parent, std::move(name), std::move(caption), geometry);
}

ui::Panel& panel(ui::Control& parent, std::string name, ui::Geometry geometry)
{
    return place<ui::Panel>(parent, std::move(name), {}, geometry);
}

void giveHint(ui::Control& control, std::string hint)
{
    control.setHint(std::move(hint));
    control.setShowHint(true);
}

} // namespace verdalis::shell::layout
