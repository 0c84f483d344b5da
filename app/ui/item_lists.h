// Controls that show a list of items: combo boxes and list boxes. A sorted
// list keeps its items in alphabetical order without regard to case; an item
// added to it goes after the items equal to it.
#pragma once

#include "ui/control.h"

#include <string>
#include <vector>

namespace verdalis::ui {

inline constexpr int noItem = -1;

enum class ComboStyle {
    DropDown,     // an editable text with a list to choose from
    DropDownList, // only the items can be chosen
};

// What combo boxes and list boxes share: the items, kept sorted when asked.
class ItemListControl : public Control {
public:
    const std::vector<std::string>& items() const { return items_; }
    // Adds an item (in its sorted place when sorted) and answers its index.
    // Chosen and selected items stay so.
    int addItem(std::string item);
    void addItems(const std::vector<std::string>& items);
    // The index of the item equal to text without regard to case, or noItem.
    int indexOf(std::string_view text) const;

    bool sorted() const { return sorted_; }
    // Sorting sorts the items already there.
    void setSorted(bool sorted);

protected:
    using Control::Control;
    bool validIndex(int index) const { return index >= 0 && index < static_cast<int>(items_.size()); }
    // The index an item has after an item was inserted at position.
    static int afterInsertion(int index, int position) { return index >= position ? index + 1 : index; }
    // The index an item has after the items were put in order (order[new] = old).
    static int afterReordering(int index, const std::vector<size_t>& order);

    // Keep the state that follows the items in step.
    virtual void itemInserted(int position) = 0;
    virtual void itemsReordered(const std::vector<size_t>& order) = 0;

    std::vector<std::string> items_;

private:
    bool sorted_ = false;
};

class ComboBox : public ItemListControl {
public:
    explicit ComboBox(std::string name) : ItemListControl(ControlKind::ComboBox, std::move(name)) {}

    void deleteItem(int index);
    // Removes every item, the choice and the text.
    void clearItems();

    ComboStyle style() const { return style_; }
    void setStyle(ComboStyle style) { style_ = style; }

    int itemIndex() const { return itemIndex_; }
    const std::string& text() const { return text_; }
    // Program assignments, no handler runs. Choosing an item sets the text to
    // it; noItem or an index out of range clears choice and text.
    void setItemIndex(int index);
    // In a drop-down list the text chooses the item equal to it (or clears
    // the choice); in an editable box the text is kept and chooses the item
    // equal to it, if any.
    void setText(std::string text);

    // The user chooses an item from the list: onChange runs, also when it
    // was chosen already.
    bool userSelect(int index);
    // The user chooses the item with this text; false when there is none.
    bool userSelectText(std::string_view text);
    // The user types into an editable box; false for a drop-down list.
    bool userTypeText(std::string text);

    Handler onChange;

private:
    void choose(int index);
    void itemInserted(int position) override;
    void itemsReordered(const std::vector<size_t>& order) override;

    ComboStyle style_ = ComboStyle::DropDown;
    int itemIndex_ = noItem;
    std::string text_;
};

class ListBox : public ItemListControl {
public:
    explicit ListBox(std::string name) : ItemListControl(ControlKind::ListBox, std::move(name)) {}

    void deleteItem(int index);
    void clearItems();

    bool multiSelect() const { return multiSelect_; }
    // Leaving multi-select keeps only the item at itemIndex selected.
    void setMultiSelect(bool multiSelect);

    // The item with the focus; in a single-select list the selected one.
    int itemIndex() const { return itemIndex_; }
    // Program assignment: focuses and selects the item; a single-select
    // list deselects the others.
    void setItemIndex(int index);
    bool selected(int index) const;
    void setSelected(int index, bool selected);
    std::vector<int> selectedIndexes() const;

    // The user clicks an item: it becomes the only selected one.
    bool userClick(int index);
    // The user control-clicks an item of a multi-select list: its selection
    // toggles and the others stay.
    bool userToggle(int index);
    bool userDoubleClick(int index);

    Handler onClick;
    Handler onDoubleClick;

private:
    void selectOnly(int index);
    void itemInserted(int position) override;
    void itemsReordered(const std::vector<size_t>& order) override;

    std::vector<bool> selected_;
    bool multiSelect_ = false;
    int itemIndex_ = noItem;
};

} // namespace verdalis::ui
