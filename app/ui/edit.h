// Single-line text boxes (Edit) and multi-line ones (Memo).
#pragma once

#include "ui/control.h"

#include <string>
#include <vector>

namespace verdalis::ui {

// A key as the user types it: a character, or one of the control keys below.
using Key = char32_t;
inline constexpr Key noKey = 0; // a key handler sets the key to this to refuse it
inline constexpr Key backspaceKey = 8;
inline constexpr Key returnKey = 13;

// Positions and lengths of the text and its selection are byte offsets into
// the UTF-8 text, always at the start of a character.
class Edit : public Control {
public:
    explicit Edit(std::string name) : Edit(ControlKind::Edit, std::move(name)) {}

    const std::string& text() const { return text_; }
    // A program assignment: no handler runs; the caret goes to the end.
    void setText(std::string text);

    bool readOnly() const { return readOnly_; }
    void setReadOnly(bool readOnly);
    // At most this many characters can be typed; 0 for no limit.
    size_t maxLength() const { return maxLength_; }
    void setMaxLength(size_t maxLength) { maxLength_ = maxLength; }
    // The character shown for each one typed (a password box); 0 shows the text.
    Key passwordChar() const { return passwordChar_; }
    void setPasswordChar(Key passwordChar);

    size_t selStart() const { return selStart_; }
    size_t selLength() const { return selLength_; }
    std::string selectedText() const { return text_.substr(selStart_, selLength_); }
    // Clamped to the text; the caret is the selection's end.
    void setSelection(size_t start, size_t length);
    void selectAll() { setSelection(0, text_.size()); }

    // The user types one key: onKeyPress sees it first and may change it or
    // refuse it (set it to noKey). What is left is applied unless the box is
    // read-only: a character replaces the selection, backspace deletes the
    // selection or the character before the caret. onChange runs when the
    // text changed. False when the box cannot be reached.
    bool userKey(Key key);
    // Each character of the UTF-8 text as a key.
    bool userType(std::string_view text);
    // The user replaces the whole text (pasting, cutting): onChange runs.
    bool userSetText(std::string text);
    bool userSelect(size_t start, size_t length);

    std::function<void(Key&)> onKeyPress;
    Handler onChange;

protected:
    Edit(ControlKind kind, std::string name) : Control(kind, std::move(name)) {}

private:
    void applyKey(Key key);
    void replaceSelection(std::string_view replacement);

    std::string text_;
    bool readOnly_ = false;
    size_t maxLength_ = 0;
    Key passwordChar_ = noKey;
    size_t selStart_ = 0;
    size_t selLength_ = 0;
};

// A multi-line text box: the return key starts a new line.
class Memo : public Edit {
public:
    explicit Memo(std::string name) : Edit(ControlKind::Memo, std::move(name)) {}

    // The lines of the text, split at "\r\n", "\r" or "\n".
    std::vector<std::string> lines() const;
};

} // namespace verdalis::ui
