// The Dialogs service on Qt: message boxes, prompts, file dialogs and
// printing. Without an installed printer a document is saved as a PDF
// file instead, and a message says where.
#pragma once

#include "ui/dialogs.h"

#include <QString>

#include <functional>

class QWidget;

namespace verdalis::gui {

class QtDialogs : public ui::Dialogs {
public:
    // The window the dialogs belong to, when one is up.
    void setParentWindow(std::function<QWidget*()> parent) { parent_ = std::move(parent); }

    ui::Answer message(ui::MessageKind kind, std::string_view text, ui::MessageButtons buttons) override;
    std::optional<std::string> inputQuery(std::string_view caption, std::string_view prompt,
                                          std::string_view defaultValue) override;
    std::optional<std::string> passwordQuery(std::string_view caption, std::string_view prompt) override;
    std::optional<std::string> openFile(const ui::FileDialogRequest& request) override;
    std::optional<std::string> saveFile(const ui::FileDialogRequest& request) override;
    void print(const rtf::Document& document, std::string_view jobName) override;

private:
    QWidget* parent() const { return parent_ ? parent_() : nullptr; }
    std::optional<std::string> textQuery(std::string_view caption, std::string_view prompt,
                                         std::string_view defaultValue, bool masked);

    std::function<QWidget*()> parent_;
};

// "Text Files (*.txt)|*.txt|Rich Text (*.rtf)|*.rtf" as a Qt name filter:
// "Text Files (*.txt);;Rich Text (*.rtf)".
QString qtNameFilter(std::string_view filter);

} // namespace verdalis::gui
