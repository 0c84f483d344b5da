// Short forms for building a window at fixed positions: each adds one
// control to a container at the given place and answers it.
#pragma once

#include "ui/controls.h"

#include <string>

namespace verdalis::shell::layout {

inline constexpr int labelHeight = 16;
inline constexpr int boxHeight = 24;
inline constexpr int buttonHeight = 28;
inline constexpr int choiceHeight = 20;

ui::Label& label(ui::Control& parent, std::string name, std::string caption, int left, int top, int width,
                 int height = labelHeight);
ui::Edit& edit(ui::Control& parent, std::string name, int left, int top, int width);
ui::ComboBox& comboBox(ui::Control& parent, std::string name, ui::ComboStyle style, int left, int top, int width);
ui::Button& button(ui::Control& parent, std::string name, std::string caption, int left, int top, int width,
                   int height = buttonHeight);
ui::RadioButton& radioButton(ui::Control& parent, std::string name, std::string caption, int left, int top,
                             int width);
ui::GroupBox& groupBox(ui::Control& parent, std::string name, std::string caption, ui::Geometry geometry);
ui::Panel& panel(ui::Control& parent, std::string name, ui::Geometry geometry);
void giveHint(ui::Control& control, std::string hint);

} // namespace verdalis::shell::layout
