#include "ui/edit.h"

#include "util/text_encoding.h"

#include <algorithm>


namespace verdalis::ui {


void Edit::setText(std::string text)
{
    assign(text_, std::move(text), Property::Text);
    setSelection(text_.size(), 0);
}

void Edit::setReadOnly(bool readOnly)
{
    assign(readOnly_, readOnly, Property::ReadOnly);
}

void Edit::setPasswordChar(Key passwordChar)
{
    assign(passwordChar_, passwordChar, Property::Text);
}

void Edit::setSelection(size_t start, size_t length)
{
    const size_t from = toCharacterStart(text_, start);
    const size_t to = toCharacterStart(text_, from + std::min(length, text_.size() - from));
    if (from != selStart_ || to - from != selLength_) {
        selStart_ = from;
        selLength_ = to - from;
        changed(Property::Selection);
    }
}

bool Edit::userKey(Key key)
{
    if (!reachable()) {
        return false;
    }
    if (onKeyPress && !fireUserEvent([&] { onKeyPress(key); })) {
        return true; // the handler failed: the key is dropped
    }
    if (key == noKey || readOnly_) {
        return true;
    }
    const std::string before = text_;
    applyKey(key);
    if (text_ != before) {
        changed(Property::Text);
        fireUserEvent(onChange);
    }
    return true;
}

void Edit::applyKey(Key key)
{
    if (key == backspaceKey) {
        if (selLength_ == 0 && selStart_ > 0) {
            const size_t previous = toCharacterStart(text_, selStart_ - 1);
            setSelection(previous, selStart_ - previous);
        }
        replaceSelection({});
    } else if (key == returnKey) {
        if (kind() == ControlKind::Memo) {
            replaceSelection("\n");
        }
    } else if (key >= ' ') {
        std::string typed;
        appendUtf8(typed, key);
        replaceSelection(typed);
    }
}

void Edit::replaceSelection(std::string_view replacement)
{
    const size_t lengthAfter = characterCount(text_) - characterCount(selectedText()) + characterCount(replacement);
    if (maxLength_ > 0 && !replacement.empty() && lengthAfter > maxLength_) {
        return;
    }
    text_.replace(selStart_, selLength_, replacement);
    selStart_ += replacement.size();
    selLength_ = 0;
    changed(Property::Selection);
}

bool Edit::userType(std::string_view text)
{
    for (size_t offset = 0; offset < text.size();) {
        if (!userKey(nextCodePoint(text, offset))) {
            return false;
        }
    }
    return true;
}

bool Edit::userSetText(std::string text)
{
    if (!reachable() || readOnly_) {
        return false;
    }
    if (text != text_) {
        setText(std::move(text));
        fireUserEvent(onChange);
    }
    return true;
}

bool Edit::userSelect(size_t start, size_t length)
{
    if (!reachable()) {
        return false;
    }
    setSelection(start, length);
    return true;
}

std::vector<std::string> Memo::lines() const
{
    std::vector<std::string_view> found = splitLines(text());
    if (found.back().empty()) {
        found.pop_back(); // a line end ends the last line
    }
    return {found.begin(), found.end()};
}

} // namespace verdalis::ui
