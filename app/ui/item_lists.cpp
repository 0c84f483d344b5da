#include "ui/item_lists.h"

#include "util/text_case.h"

#include <algorithm>
#include <numeric>

namespace verdalis::ui {

namespace {

bool sortsBefore(std::string_view a, std::string_view b)
{
    return compareIgnoringCase(a, b) < 0;
}

// Where an item goes in a sorted list: after the items equal to it.
int sortedPosition(const std::vector<std::string>& items, std::string_view item)
{
    return static_cast<int>(std::upper_bound(items.begin(), items.end(), item,
                                             [](std::string_view a, const std::string& b) { return sortsBefore(a, b); }) -
                            items.begin());
}

// The indexes of the items in sorted order; equal items keep their order.
std::vector<size_t> sortedOrder(const std::vector<std::string>& items)
{
    std::vector<size_t> order(items.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return sortsBefore(items[a], items[b]); });
    return order;
}

template <class T>
std::vector<T> permuted(const std::vector<T>& values, const std::vector<size_t>& order)
{
    std::vector<T> result;
    result.reserve(values.size());
    for (size_t index : order) {
        result.push_back(values[index]);
    }
    return result;
}

} // namespace

int ItemListControl::addItem(std::string item)
{
    const int position = sorted_ ? sortedPosition(items_, item) : static_cast<int>(items_.size());
    items_.insert(items_.begin() + position, std::move(item));
    itemInserted(position);
    changed(Property::Items);
    return position;
}

void ItemListControl::addItems(const std::vector<std::string>& items)
{
    for (const std::string& item : items) {
        addItem(item);
    }
}

int ItemListControl::indexOf(std::string_view text) const
{
    const auto found =
        std::find_if(items_.begin(), items_.end(), [text](const std::string& item) { return equalsIgnoringCase(item, text); });
    return found == items_.end() ? noItem : static_cast<int>(found - items_.begin());
}

void ItemListControl::setSorted(bool sorted)
{
    sorted_ = sorted;
    if (sorted) {
        const std::vector<size_t> order = sortedOrder(items_);
        items_ = permuted(items_, order);
        itemsReordered(order);
        changed(Property::Items);
    }
}

int ItemListControl::afterReordering(int index, const std::vector<size_t>& order)
{
    if (index < 0) {
        return index;
    }
    return static_cast<int>(std::find(order.begin(), order.end(), static_cast<size_t>(index)) - order.begin());
}

void ComboBox::itemInserted(int position)
{
    itemIndex_ = afterInsertion(itemIndex_, position);
}

void ComboBox::itemsReordered(const std::vector<size_t>& order)
{
    itemIndex_ = afterReordering(itemIndex_, order);
}

void ComboBox::deleteItem(int index)
{
    if (!validIndex(index)) {
        return;
    }
    items_.erase(items_.begin() + index);
    changed(Property::Items);
    if (index == itemIndex_) {
        choose(noItem);
    } else if (index < itemIndex_) {
        --itemIndex_;
    }
}

void ComboBox::clearItems()
{
    items_.clear();
    changed(Property::Items);
    choose(noItem);
}

void ComboBox::setItemIndex(int index)
{
    choose(index);
}

void ComboBox::setText(std::string text)
{
    const int index = indexOf(text);
    if (style_ == ComboStyle::DropDownList) {
        choose(index);
        return;
    }
    assign(itemIndex_, index, Property::ItemIndex);
    assign(text_, std::move(text), Property::Text);
}

void ComboBox::choose(int index)
{
    if (!validIndex(index)) {
        index = noItem;
    }
    std::string text = index == noItem ? std::string() : items_[static_cast<size_t>(index)];
    assign(itemIndex_, index, Property::ItemIndex);
    assign(text_, std::move(text), Property::Text);
}

bool ComboBox::userSelect(int index)
{
    if (!reachable() || !validIndex(index)) {
        return false;
    }
    choose(index);
    fireUserEvent(onChange);
    return true;
}

bool ComboBox::userSelectText(std::string_view text)
{
    return userSelect(indexOf(text));
}

bool ComboBox::userTypeText(std::string text)
{
    if (!reachable() || style_ == ComboStyle::DropDownList) {
        return false;
    }
    setText(std::move(text));
    fireUserEvent(onChange);
    return true;
}

void ListBox::itemInserted(int position)
{
    selected_.insert(selected_.begin() + position, false);
    itemIndex_ = afterInsertion(itemIndex_, position);
}

void ListBox::itemsReordered(const std::vector<size_t>& order)
{
    selected_ = permuted(selected_, order);
    itemIndex_ = afterReordering(itemIndex_, order);
}

void ListBox::deleteItem(int index)
{
    if (!validIndex(index)) {
        return;
    }
    items_.erase(items_.begin() + index);
    selected_.erase(selected_.begin() + index);
    if (index == itemIndex_) {
        itemIndex_ = noItem;
    } else if (index < itemIndex_) {
        --itemIndex_;
    }
    changed(Property::Items);
}

void ListBox::clearItems()
{
    items_.clear();
    selected_.clear();
    itemIndex_ = noItem;
    changed(Property::Items);
}

void ListBox::setMultiSelect(bool multiSelect)
{
    multiSelect_ = multiSelect;
    if (!multiSelect) {
        selectOnly(itemIndex_);
    }
}

void ListBox::setItemIndex(int index)
{
    if (!validIndex(index)) {
        index = noItem;
    }
    if (!multiSelect_) {
        selectOnly(index);
    } else if (index != noItem) {
        setSelected(index, true);
    }
    assign(itemIndex_, index, Property::ItemIndex);
}

bool ListBox::selected(int index) const
{
    return validIndex(index) && selected_[static_cast<size_t>(index)];
}

void ListBox::setSelected(int index, bool selected)
{
    if (!validIndex(index) || selected_[static_cast<size_t>(index)] == selected) {
        return;
    }
    if (selected && !multiSelect_) {
        selectOnly(index);
        return;
    }
    selected_[static_cast<size_t>(index)] = selected;
    changed(Property::Selection);
}

std::vector<int> ListBox::selectedIndexes() const
{
    std::vector<int> result;
    for (size_t i = 0; i < selected_.size(); ++i) {
        if (selected_[i]) {
            result.push_back(static_cast<int>(i));
        }
    }
    return result;
}

void ListBox::selectOnly(int index)
{
    std::vector<bool> selection(items_.size(), false);
    if (validIndex(index)) {
        selection[static_cast<size_t>(index)] = true;
    }
    if (selection != selected_) {
        selected_ = std::move(selection);
        changed(Property::Selection);
    }
}

bool ListBox::userClick(int index)
{
    if (!reachable() || !validIndex(index)) {
        return false;
    }
    selectOnly(index);
    setItemIndex(index);
    fireUserEvent(onClick);
    return true;
}

bool ListBox::userToggle(int index)
{
    if (!multiSelect_) {
        return userClick(index);
    }
    if (!reachable() || !validIndex(index)) {
        return false;
    }
    setSelected(index, !selected(index));
    assign(itemIndex_, index, Property::ItemIndex);
    fireUserEvent(onClick);
    return true;
}

bool ListBox::userDoubleClick(int index)
{
    if (!userClick(index)) {
        return false;
    }
    fireUserEvent(onDoubleClick);
    return true;
}

} // namespace verdalis::ui
