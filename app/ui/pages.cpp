#include "ui/pages.h"

namespace verdalis::ui {

void TabSheet::setHighlighted(bool highlighted)
{
    assign(highlighted_, highlighted, Property::Highlighted);
}

std::vector<TabSheet*> PageControl::pages() const
{
    std::vector<TabSheet*> result;
    for (const auto& child : children()) {
        if (child->kind() == ControlKind::TabSheet) {
            result.push_back(static_cast<TabSheet*>(child.get()));
        }
    }
    return result;
}

void PageControl::setActivePage(TabSheet* page)
{
    if (page != nullptr && page->parent() != this) {
        return; // not one of ours
    }
    assign(activePage_, page, Property::ActivePage);
}

bool PageControl::userSelectPage(TabSheet& page)
{
    if (!reachable() || page.parent() != this || !page.enabled() || !page.visible()) {
        return false;
    }
    if (activePage_ == &page) {
        return true;
    }
    setActivePage(&page);
    fireUserEvent(onChange);
    return true;
}

} // namespace verdalis::ui
