// The control tree: ownership, lookup by name, common properties and the
// notification of changes.
#include "ui/control.h"

#include "ui/event_dispatcher.h"
#include "ui/form.h"
#include "util/text_case.h"

#include <algorithm>
#include <stdexcept>

namespace verdalis::ui {

Control::Control(ControlKind kind, std::string name) : kind_(kind), name_(std::move(name)) {}

Control::~Control() = default;

Form* Control::form()
{
    Control* root = this;
    while (root->parent_ != nullptr) {
        root = root->parent_;
    }
    return root->kind_ == ControlKind::Form ? static_cast<Form*>(root) : nullptr;
}

void Control::setCaption(std::string caption)
{
    assign(caption_, std::move(caption), Property::Caption);
}

void Control::setVisible(bool visible)
{
    assign(visible_, visible, Property::Visible);
}

void Control::setEnabled(bool enabled)
{
    assign(enabled_, enabled, Property::Enabled);
}

void Control::setGeometry(const Geometry& geometry)
{
    assign(geometry_, geometry, Property::Geometry);
}

void Control::setLeft(int left)
{
    setGeometry({left, geometry_.top, geometry_.width, geometry_.height});
}

void Control::setTop(int top)
{
    setGeometry({geometry_.left, top, geometry_.width, geometry_.height});
}

void Control::setWidth(int width)
{
    setGeometry({geometry_.left, geometry_.top, width, geometry_.height});
}

void Control::setHeight(int height)
{
    setGeometry({geometry_.left, geometry_.top, geometry_.width, height});
}

void Control::setHint(std::string hint)
{
    assign(hint_, std::move(hint), Property::Hint);
}

void Control::setShowHint(bool show)
{
    assign(showHint_, show, Property::Hint);
}

void Control::setPopupMenu(PopupMenu* menu)
{
    assign(popupMenu_, menu, Property::PopupMenu);
}

void Control::bringToFront()
{
    moveAmongSiblings(true);
}

void Control::sendToBack()
{
    moveAmongSiblings(false);
}

void Control::moveAmongSiblings(bool toFront)
{
    if (parent_ == nullptr) {
        return;
    }
    auto& siblings = parent_->children_;
    const auto self = std::find_if(siblings.begin(), siblings.end(), [this](const auto& c) { return c.get() == this; });
    if (toFront) {
        std::rotate(self, self + 1, siblings.end());
    } else {
        std::rotate(siblings.begin(), self, self + 1);
    }
    changed(Property::ZOrder);
}

void Control::setFocus()
{
    if (Form* owner = form()) {
        owner->setActiveControl(this);
        changed(Property::Focus);
    }
}

bool Control::reachable() const
{
    for (const Control* c = this; c != nullptr; c = c->parent_) {
        const bool isForm = c->kind_ == ControlKind::Form;
        if (!c->enabled_ || (!isForm && !c->visible_)) {
            return false;
        }
    }
    return true;
}

Control* Control::find(std::string_view name)
{
    if (equalsIgnoringCase(name_, name)) {
        return this;
    }
    for (const auto& child : children_) {
        if (Control* found = child->find(name)) {
            return found;
        }
    }
    return nullptr;
}

void Control::adopt(std::unique_ptr<Control> child)
{
    Control* root = this;
    while (root->parent_ != nullptr) {
        root = root->parent_;
    }
    if (!child->name_.empty() && root->find(child->name_) != nullptr) {
        throw std::logic_error("A control named " + child->name_ + " already exists in " + root->name_ + ".");
    }
    child->parent_ = this;
    children_.push_back(std::move(child));
    changed(Property::Children);
}

void Control::missingControl(std::string_view name) const
{
    throw std::logic_error(name_ + " holds no control " + std::string(name) + " of the kind asked for.");
}

ListenerId Control::addListener(Listener listener)
{
    const ListenerId id = nextListenerId_++;
    listeners_.emplace_back(id, std::move(listener));
    return id;
}

void Control::removeListener(ListenerId id)
{
    std::erase_if(listeners_, [id](const auto& entry) { return entry.first == id; });
}

void Control::changed(Property property)
{
    for (Control* c = this; c != nullptr; c = c->parent_) {
        // A listener may add or remove listeners while it is told.
        const auto listeners = c->listeners_;
        for (const auto& entry : listeners) {
            entry.second(*this, property);
        }
    }
}

bool Control::fireUserEvent(const Handler& handler)
{
    if (!handler) {
        return true;
    }
    Form* owner = form();
    if (owner != nullptr && owner->eventDispatcher() != nullptr) {
        return owner->eventDispatcher()->run(handler);
    }
    handler();
    return true;
}

} // namespace verdalis::ui
