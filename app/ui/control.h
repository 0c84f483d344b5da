// The control model: a toolkit-neutral tree of the program's windows and
// their controls. The behaviour of the program is written against it; a
// front end renders it generically and keeps both sides in step.
//
// Two ways into a control, kept apart on purpose:
//  - program assignments (setText, setItemIndex, setChecked …) change the
//    state and notify the view, but fire no handler (the one exception is
//    checking a radio button, which fires its click handler as a click does);
//  - user actions (userClick, userKey, userSelect …) are what the view calls
//    when the user acts. They act only on a control the user can reach
//    (visible and enabled, with every container above it) and fire the
//    handler through the form's event dispatcher, which reports errors.
//
// Every change of state is announced to the listeners of the control and of
// each container above it, with the property that changed; a view listens at
// the form and reads the new value from the control.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace verdalis::ui {

class Control;
class Form;
class PopupMenu;

enum class ControlKind {
    Form,
    Panel,
    GroupBox,
    PageControl,
    TabSheet,
    Label,
    Button,
    Edit,
    Memo,
    ComboBox,
    ListBox,
    CheckBox,
    RadioButton,
    RichText,
    Grid,
    BarChart,
    Timer,
    PopupMenu,
    MenuItem,
};

// What changed, for the view to read anew.
enum class Property {
    Children,
    Caption,
    Visible,
    Enabled,
    Geometry,
    Hint,
    ZOrder,
    Focus,
    PopupMenu,
    Font,
    Text,
    ReadOnly,
    Selection,
    Items,
    ItemIndex,
    Checked,
    ActivePage,
    Highlighted,
    Document,
    ModalResult,
    WindowState,
    Timer,
    GridData,
    ChartData,
    Popup,
};

struct Geometry {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    friend bool operator==(const Geometry&, const Geometry&) = default;
};

using Handler = std::function<void()>;
using Listener = std::function<void(Control&, Property)>;
using ListenerId = int;

class Control {
public:
    Control(ControlKind kind, std::string name);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    ControlKind kind() const { return kind_; }
    const std::string& name() const { return name_; }
    Control* parent() const { return parent_; }
    const std::vector<std::unique_ptr<Control>>& children() const { return children_; }
    // The form at the root of the tree, if the control is in one.
    Form* form();

    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    bool visible() const { return visible_; }
    void setVisible(bool visible);
    void show() { setVisible(true); }
    void hide() { setVisible(false); }
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);

    const Geometry& geometry() const { return geometry_; }
    void setGeometry(const Geometry& geometry);
    int left() const { return geometry_.left; }
    int top() const { return geometry_.top; }
    int width() const { return geometry_.width; }
    int height() const { return geometry_.height; }
    void setLeft(int left);
    void setTop(int top);
    void setWidth(int width);
    void setHeight(int height);

    const std::string& hint() const { return hint_; }
    void setHint(std::string hint);
    bool showHint() const { return showHint_; }
    void setShowHint(bool show);

    // The pop-up (context) menu the view opens on a right click; not owned.
    PopupMenu* popupMenu() const { return popupMenu_; }
    void setPopupMenu(PopupMenu* menu);

    // Stacking among the siblings: the last child is in front.
    void bringToFront();
    void sendToBack();
    void setFocus();

    // Whether a user can act on the control: it and every container above it
    // are enabled, and all but the form are visible.
    bool reachable() const;

    // Adds a child control; names are unique in a form, ignoring case.
    template <class T>
    T& add(std::string name, std::string caption = {})
    {
        auto child = std::make_unique<T>(std::move(name));
        T& result = *child;
        adopt(std::move(child));
        if (!caption.empty()) {
            result.setCaption(std::move(caption));
        }
        return result;
    }

    // The control itself or the first control below it with the name
    // (ignoring case), or null.
    Control* find(std::string_view name);

    // Like find, but raises std::logic_error when there is no such control or
    // it is of another class: a program fault, not a user's.
    template <class T>
    T& get(std::string_view name)
    {
        T* found = dynamic_cast<T*>(find(name));
        if (found == nullptr) {
            missingControl(name);
        }
        return *found;
    }

    ListenerId addListener(Listener listener);
    void removeListener(ListenerId id);

protected:
    // Tells the listeners of this control and of its containers.
    void changed(Property property);
    // Sets a field and tells the listeners, when the value is new.
    template <class T, class V>
    void assign(T& field, V&& value, Property property)
    {
        if (field != value) {
            field = std::forward<V>(value);
            changed(property);
        }
    }
    // Runs the handler of a user action through the form's event dispatcher;
    // false when it ended with an error the dispatcher reported.
    bool fireUserEvent(const Handler& handler);

private:
    void adopt(std::unique_ptr<Control> child);
    [[noreturn]] void missingControl(std::string_view name) const;
    void moveAmongSiblings(bool toFront);

    ControlKind kind_;
    std::string name_;
    Control* parent_ = nullptr;
    std::vector<std::unique_ptr<Control>> children_;
    std::string caption_;
    bool visible_ = true;
    bool enabled_ = true;
    Geometry geometry_;
    std::string hint_;
    bool showHint_ = false;
    PopupMenu* popupMenu_ = nullptr;
    std::vector<std::pair<ListenerId, Listener>> listeners_;
    ListenerId nextListenerId_ = 1;
};

// Containers without behaviour of their own.
class Panel : public Control {
public:
    explicit Panel(std::string name) : Control(ControlKind::Panel, std::move(name)) {}
};

class GroupBox : public Control {
public:
    explicit GroupBox(std::string name) : Control(ControlKind::GroupBox, std::move(name)) {}
};

} // namespace verdalis::ui
