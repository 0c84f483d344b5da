// Tab pages: a page control holds tab sheets, one of them active.
#pragma once

#include "ui/control.h"

namespace verdalis::ui {

class TabSheet : public Control {
public:
    explicit TabSheet(std::string name) : Control(ControlKind::TabSheet, std::move(name)) {}

    // A highlighted tab stands out among the tabs (the active one, usually).
    bool highlighted() const { return highlighted_; }
    void setHighlighted(bool highlighted);

private:
    bool highlighted_ = false;
};

// Pages are the tab sheets among the children, in order. A hidden or
// disabled page cannot be chosen by the user.
class PageControl : public Control {
public:
    explicit PageControl(std::string name) : Control(ControlKind::PageControl, std::move(name)) {}

    std::vector<TabSheet*> pages() const;
    TabSheet* activePage() const { return activePage_; }
    // A program assignment: onChange does not run.
    void setActivePage(TabSheet* page);

    // The user chooses another tab: onChange runs when the page changed.
    bool userSelectPage(TabSheet& page);

    Handler onChange;

private:
    TabSheet* activePage_ = nullptr;
};

} // namespace verdalis::ui
